#!/usr/bin/env bash
# The windows' place, order and keys as a user meets them on the three
# displays the program runs on: Wine's own desktop (as scripts/run starts
# it), a desktop with a window manager (Openbox) and a bare X screen. Each
# run starts the real program in a fresh prefix on a display of its own.
#  - Stored maximized over the normal rectangle 100,100-700,500, the frame
#    covers the screen at the start (on Wine's desktop with its borders
#    outside it); a restore by the system menu, or under the manager by the
#    title bar and the manager's menu, gives that rectangle back and keeps
#    it, a maximize fills the screen again, and File > Exit stores the
#    normal rectangle and no maximized state.
#  - The keys left on a control panel's button act on it again after a
#    click on the Related Tasks pane and a dialog; the Event Forecast's
#    Options dialog stays above every tool through clicks on the frame; the
#    Calculator stays above the frame after a click into each kind of
#    window, each pane, the toolbar and the status line, after a view's
#    context menu closed by Escape or by a click, after a dialog's end and
#    the panel's Escape after a click inside Date and Time, so that one
#    Ctrl+4 hides it; it stays above while a view's context menu is open
#    and while a toolbar button's tip shows under the resting pointer; tools
#    left shown at the last exit come back above the frame at the start, also
#    with a Sky and a Graph window left open.
#  - On a bare display a click on the frame's menu bar (which opens File)
#    is no window manager's: the system menu's Restore still restores, and the exit
#    stores the frame restored; and Wine's settings that name a desktop
#    the session does not run leave the frame maximized over the screen.
# A check that something did not happen first sees the program handle the
# action: the frame's Window menu, opened by its key, comes only after it.
#   window_order_test.sh PROGRAM [DISPLAY...] [PART...]   PROGRAM the
#   build's Corvinata.exe; the displays "desktop", "openbox", "bare" (all
#   three unless named); the parts "rectangle" (the frame's rectangle, the
#   start with tools shown, the bare display's menu bar and settings),
#   "panes" (the keys, a tool's dialog, the Sky window and the panes beside
#   it) and "views" (the other kinds of window), all three unless named
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$(dirname "$0")/x_screen.sh"
program=$(realpath "$1")
build=$(dirname "$program")
shift
displays=()
parts=()
for word in "$@"; do
    case $word in
    desktop | openbox | bare) displays+=("$word") ;;
    rectangle | panes | views) parts+=("$word") ;;
    *) echo "window_order_test.sh: no display or part \"$word\"" >&2; exit 2 ;;
    esac
done
[ "${#displays[@]}" -gt 0 ] || displays=(desktop openbox bare)
[ "${#parts[@]}" -gt 0 ] || parts=(rectangle panes views)
cn_install_packages

# A prefix of each run's own: the displays and parts may be tested side by
# side.
prefix="$build/wine/window_order_$(IFS=_; echo "${displays[*]}_${parts[*]}")"
trap 'stopped_report $?; end_screen "$prefix"' EXIT

frame_key='Application frame window'
calculator="Astronomical Calculator"
options="Event Forecast Options"

failures=0
cases=0
# What a step that failed did not see (new_window, a menu that restores or
# maximizes).
missed=
# system_menu KEYS...: the menu of the frame's window (the system menu, or
# the manager's own under a manager) opened by Alt+Space, and those keys.
system_menu() {
    missed=
    menu alt+space "$@" || missed=$menu_missed
}
report() {
    cases=$((cases + 1))
    echo "$display: $1: $2"
    [ "$2" = passed ] && return
    failures=$((failures + 1))
    echo "  shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd '|')"
    echo "  keys on: \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\""
}

# begin SETTING...: the program started on a fresh display of the kind
# `display` names, with the settings given (as settings_import takes them)
# and its frame maximized. `frame` becomes the frame's window; ox and oy
# the screen's place of its client area's top left corner (the menu bar's),
# right and bottom of its lower right corner. False when the start did not
# finish.
begin() {
    fresh_screen "$build" "$prefix"
    if [ "$display" = openbox ]; then start_manager || return 1; fi
    settings_import "$frame_key:ShowHelpHint=0" "$frame_key:Maximized=1" "$@"
    start_program "$display" "$program" || return 1
    # The tools are made, hidden, at the end of the start.
    until_true 120 xdotool search --name "^Event Finder\$" || return 1
    until_true 30 shown Corvinata || return 1
    frame=$(shown Corvinata | head -1)
    until_true 5 is_maximized || true
    local X Y WIDTH HEIGHT
    geometry "$frame"
    if [ "$display" = desktop ]; then
        # Wine's desktop draws the frame's borders and caption in its window.
        ox=$((X + 4)) oy=$((Y + 23)) right=$((X + WIDTH - 4)) bottom=$((Y + HEIGHT - 4))
    else
        ox=$X oy=$Y right=$((X + WIDTH)) bottom=$((Y + HEIGHT))
    fi
    keys_to_frame
    # A manager offers the new window the keyboard once it has placed it.
    if [ "$display" = openbox ]; then until_true 10 frame_has_keys || true; fi
}
frame_has_keys() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$frame" ]; }
# A bare display gives the keyboard to no window by itself.
keys_to_frame() {
    if [ "$display" = bare ]; then xdotool windowfocus --sync "$frame" 2>/dev/null || true; fi
}
# answers [CHECK...]: the frame's Window menu came after all that was typed
# and clicked before, and CHECK held then (frame_answers).
answers() { frame_answers $((oy + 19)) "$@"; }
click() { xdotool mousemove "$1" "$2" click 1; }

# --- The frame's own rectangle ---------------------------------------------

# Maximized: on Wine's desktop the frame's window (borders and caption
# drawn by the desktop) lies 4 pixels outside the screen on each side;
# elsewhere the window below the caption a manager draws covers the screen.
is_maximized() {
    local X Y WIDTH HEIGHT
    geometry "$frame"
    if [ "$display" = desktop ]; then
        [ "$X,$Y,$WIDTH,$HEIGHT" = "-4,-4,1288,1032" ]
    else
        [ "$X" -le 4 ] && [ "$Y" -le 24 ] && [ "$WIDTH" -ge 1270 ] &&
            [ $((X + WIDTH)) -ge 1276 ] && [ $((Y + HEIGHT)) -ge 1020 ]
    fi
}
# About the 600 × 400 of the stored rectangle (less the caption a manager
# draws), not the screen's size.
is_normal() {
    local X Y WIDTH HEIGHT
    geometry "$frame"
    [ "$WIDTH" -ge 560 ] && [ "$WIDTH" -le 640 ] && [ "$HEIGHT" -ge 340 ] && [ "$HEIGHT" -le 420 ]
}
frame_place() {
    local X Y WIDTH HEIGHT
    geometry "$frame"
    echo "${WIDTH}x$HEIGHT at $X,$Y"
}
check_maximized() {
    if until_true 5 is_maximized; then
        report "$1" passed
    else
        report "$1" "failed: the frame's window is $(frame_place)${missed:+ ($missed)}"
    fi
}
# The restored size comes and stays (a bare display used to zoom it back).
check_normal() {
    if ! until_true 10 is_normal; then
        report "$1" "failed: the frame's window is $(frame_place)${missed:+ ($missed)}"
    elif sleep 1 && ! is_normal; then
        report "$1" "failed: the frame's window went back to $(frame_place)"
    else
        report "$1" passed
    fi
}
# Under the manager a double-click on the title bar, which it draws above
# the frame's window, restores and maximizes.
title_bar_double_click() {
    local X Y WIDTH HEIGHT
    missed=
    geometry "$frame"
    xdotool mousemove $((X + WIDTH / 2)) $((Y - 10)) click --repeat 2 --delay 80 1
}
check_stored_rectangle() {
    local verdict=passed stored
    keys_to_frame
    missed=
    menu alt+f e || missed=$menu_missed
    if ! until_true 60 program_ended; then
        verdict="failed: File > Exit did not end the program${missed:+ ($missed)}"
    else
        stored=$(settings_of "$frame_key" | grep -E '^(Maximized|Left|Top|Right|Bottom)=' | sort | paste -sd ' ')
        [ "$stored" = "Bottom=500 Left=100 Maximized=0 Right=700 Top=100" ] || verdict="failed: stored $stored"
    fi
    report "File > Exit stores the normal rectangle, not maximized" "$verdict"
}

run_restore() {
    begin "$frame_key:Left=100" "$frame_key:Top=100" "$frame_key:Right=700" "$frame_key:Bottom=500" ||
        { report "the start" "failed: the program did not start"; return; }
    check_maximized "the maximized frame at the start"
    if [ "$display" = openbox ]; then
        title_bar_double_click
        check_normal "a double-click on the title bar restores the stored rectangle"
        title_bar_double_click
        check_maximized "a second double-click maximizes again"
        # Openbox keeps Alt+Space for its own menu of the window, where E is
        # Restore's key: arrows would count on the item first highlighted.
        system_menu e
        check_normal "the manager's Restore (Alt+Space) restores the stored rectangle"
    else
        system_menu r
        check_normal "the system menu's Restore restores the stored rectangle"
        keys_to_frame
        system_menu x
        check_maximized "the system menu's Maximize fills the screen again"
        keys_to_frame
        system_menu r
        check_normal "a second Restore restores the stored rectangle again"
    fi
    check_stored_rectangle
}

# --- The keys after a Related Tasks click ----------------------------------

frame_title() { xdotool getwindowname "$frame"; }
title_changed_from() { [ "$(frame_title)" != "$1" ]; }
# title_like PATTERN: the frame's caption matches the pattern.
title_like() { [[ "$(frame_title)" == $1 ]]; }
# Options > Appearance, ended by Escape.
appearance_escape() {
    menu alt+o a || return 1
    until_true 30 shown Appearance || return 1
    xdotool key Escape
    until_true 10 gone Appearance || return 1
    # A manager gives the keyboard back to the frame a moment after the
    # dialog's window has gone; a key typed before that reaches no window.
    if [ "$display" = openbox ]; then until_true 10 frame_has_keys || true; fi
}
# With a Sky window (the first, at its place) maximized by a double-click
# on its caption, the frame's caption shows the view's direction, which
# each press of the Sky panel's upward button turns. The button clicked,
# then the Related Tasks caption, then a dialog: Space presses the button.
# The window is closed after.
keys_steps() {
    new_window s || { verdict="failed: Window > New > Sky did not answer: $missed"; return; }
    xdotool mousemove $((ox + 480)) $((oy + 110)) click --repeat 2 --delay 80 1
    until_true 10 title_like '*\[Sky*' ||
        { verdict="failed: the Sky window was not maximized (\"$(frame_title)\")"; return; }
    local title
    title=$(frame_title)
    click $((ox + 212)) $((oy + 82))
    until_true 10 title_changed_from "$title" ||
        { verdict="failed: a click on the panel's button did not turn the view"; return; }
    title=$(frame_title)
    click $((right - 150)) $((oy + 58))
    keys_to_frame
    appearance_escape || { verdict="failed: Options > Appearance did not come and go"; return; }
    xdotool key space
    until_true 10 title_changed_from "$title" ||
        verdict="failed: Space after the dialog did not press the panel's button"
}
keys_check() {
    local verdict=passed
    keys_steps
    report "the keys on the panel's button after a Related Tasks click and a dialog" "$verdict"
    keys_to_frame
    menu alt+w o || true
    until_true 10 title_like Corvinata || true
}

# --- The tools above the frame ---------------------------------------------

calculator_on_top() {
    local tool
    tool=$(shown "$calculator" | head -1) && above "$display" "$tool" "$frame"
}
# The Calculator shown above the frame, by the tool's own command.
show_calculator() {
    keys_to_frame
    if shown "$calculator" >/dev/null; then
        calculator_on_top && return 0
        xdotool key ctrl+4
        until_true 10 gone "$calculator" || return 1
    fi
    xdotool key ctrl+4
    until_true 10 calculator_on_top
}
# The names of the shown windows above WINDOW on the display, "nothing"
# when none is (the order came right by the time it is read); a window that
# goes meanwhile is left out.
windows_above() {
    local names
    names=$(top_down "$display" | while read -r id; do
        [ "$((id))" = "$1" ] && break
        { xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && xdotool getwindowname "$id" 2>/dev/null; } || true
    done | sed '/^$/d' | paste -sd '|')
    echo "${names:-nothing}"
}

# The Event Forecast's Options dialog, modal to the Forecast (the frame
# stays enabled) and placed over the Calculator, stays above every tool and
# the frame through clicks on the frame's empty middle away from them.
modal_dialog_steps() {
    new_window s || { verdict="failed: Window > New > Sky did not answer: $missed"; return; }
    show_calculator || { verdict="failed: Ctrl+4 did not show the Calculator"; return; }
    local tool forecast dialog round
    tool=$(shown "$calculator" | head -1)
    xdotool key ctrl+2
    until_true 30 shown "Event Forecast" || { verdict="failed: Ctrl+2 did not show the Event Forecast"; return; }
    forecast=$(shown "Event Forecast" | head -1)
    # The Forecast has the keys once shown: its Options button's.
    xdotool key alt+o
    until_true 30 shown "$options" || { verdict="failed: the Forecast's Options dialog did not come"; return; }
    dialog=$(shown "$options" | head -1)
    dialog_on_top() {
        above "$display" "$dialog" "$tool" && above "$display" "$dialog" "$forecast" &&
            above "$display" "$dialog" "$frame"
    }
    # The tools' order changes from one click to the next.
    for round in first second third; do
        click $((ox + 950)) $((oy + 850))
        answers dialog_on_top && continue
        case $? in
        1) verdict="failed: the program took no keys after the $round click" ;;
        *) verdict="failed: after the $round click the dialog was below $(windows_above "$dialog")" ;;
        esac
        return
    done
}
modal_dialog_check() {
    local verdict=passed X Y WIDTH HEIGHT dialog
    modal_dialog_steps
    report "a tool's modal dialog above every tool through clicks on the frame" "$verdict"
    # The dialog ended by Escape once a click on its left margin, above the
    # Calculator, gave it the keys; then the Forecast, which has them next,
    # and the Calculator hidden.
    if dialog=$(shown "$options" | head -1); then
        geometry "$dialog"
        click $((X + 3)) $((Y + 60))
        xdotool key Escape
        until_true 10 gone "$options" || true
    fi
    if shown "Event Forecast" >/dev/null; then
        xdotool key ctrl+2
        until_true 10 gone "Event Forecast" || true
    fi
    if shown "$calculator" >/dev/null; then
        keys_to_frame
        xdotool key ctrl+4
        until_true 10 gone "$calculator" || true
    fi
}

# tool_check WHAT ACTION...: with the Calculator shown, the action (a
# click, a dialog, a new window) leaves it above the frame, and one Ctrl+4
# hides it.
tool_check() {
    local what=$1 verdict=passed tool
    shift
    if ! show_calculator; then
        verdict="failed: Ctrl+4 did not show the Calculator above the frame"
    else
        tool=$(shown "$calculator" | head -1)
        if ! "$@"; then
            verdict="failed: the action did not come about"
        else
            # The pointer leaves the spot, where a tooltip could come.
            xdotool mousemove $((ox + 700)) $((oy + 9))
            answers above "$display" "$tool" "$frame" || case $? in
                1) verdict="failed: the program took no keys after it" ;;
                *) verdict="failed: the frame came above the Calculator" ;;
            esac
        fi
        xdotool key ctrl+4
        if ! until_true 10 gone "$calculator" && [ "$verdict" = passed ]; then
            verdict="failed: Ctrl+4 did not hide the Calculator"
        fi
    fi
    report "the Calculator above the frame after $what" "$verdict"
}
# new_window KEY: Window > New > the kind of that mnemonic, open once the
# program answers again.
new_window() {
    keys_to_frame
    menu alt+w n "$1" || { missed=$menu_missed; return 1; }
    answers || { missed="the program took no keys after it"; return 1; }
}
# A click on the status line gives the frame the keys for its menus.
status_line_click() {
    click $((ox + 100)) $((bottom - 8))
    keys_to_frame
}
appearance_dialog() { status_line_click && appearance_escape; }
menu_new_window() { status_line_click && new_window "$1"; }
# right_click X Y: a right-click at X,Y, or 8 pixels to its right every
# other time. Two presses of the right button a few pixels and half a
# second apart make a double-click, which opens no menu; a fast machine
# gets from one case's right-click to the next's within that time.
right_shift=0
right_click() {
    xdotool mousemove $(($1 + right_shift)) "$2" click 3
    right_shift=$((8 - right_shift))
}
# context_menu X Y CLOSE: the context menu of what shows at X,Y, opened by
# a right-click and closed by CLOSE: "Escape", or "click" (on the toolbar's
# empty part).
context_menu() {
    local ids opened
    ids=$(unnamed_windows)
    right_click "$1" "$2"
    until_true 10 new_popup "$ids" || return 1
    opened=$(new_popups "$ids")
    if [ "$3" = click ]; then
        click $((ox + 900)) $((oy + 33))
    else
        xdotool key Escape
    fi
    until_true 10 none_shown "$opened"
}
# menu_held_check KIND X Y: with the Calculator shown, the context menu of
# what shows at X,Y, opened by a right-click, leaves the Calculator above
# the frame while it stays open (read a moment after it came, twice).
menu_held_check() {
    local verdict=passed tool ids opened round
    if ! show_calculator; then
        verdict="failed: Ctrl+4 did not show the Calculator above the frame"
    else
        tool=$(shown "$calculator" | head -1)
        for round in first second; do
            ids=$(unnamed_windows)
            right_click "$2" "$3"
            if ! until_true 10 new_popup "$ids"; then
                verdict="failed: the $round right-click opened no menu"
                break
            fi
            opened=$(new_popups "$ids")
            sleep 0.5
            above "$display" "$tool" "$frame" ||
                verdict="failed: the frame was above the Calculator while the $round menu was open"
            xdotool key Escape
            until_true 10 none_shown "$opened" || { verdict="failed: Escape left the $round menu open"; break; }
            [ "$verdict" = passed ] || break
        done
        keys_to_frame
        xdotool key ctrl+4
        until_true 10 gone "$calculator" || true
    fi
    report "the Calculator above the frame while a $1 view's context menu is open" "$verdict"
}
# kind_checks KEY KIND [MENU]: a new window of the kind by the menu, and a
# click into it (new windows open around the middle of the frame's client
# area); with MENU, its view's context menu held open, and closed both ways.
kind_checks() {
    tool_check "Window > New > $2" menu_new_window "$1"
    tool_check "a click in a $2 window" click $((ox + 691)) $((oy + 514))
    [ $# -gt 2 ] || return 0
    menu_held_check "$2" $((ox + 691)) $((oy + 514))
    tool_check "a $2 view's context menu closed by Escape" context_menu $((ox + 691)) $((oy + 514)) Escape
    tool_check "a $2 view's context menu closed by a click" context_menu $((ox + 691)) $((oy + 514)) click
}
# With the Calculator shown, the pointer rests on the toolbar's first
# button (New graph file): its tip shows, and the Calculator stays above the
# frame while it is shown and once the pointer has left. The keys stay on
# the Calculator.
toolbar_tip_check() {
    local verdict=passed tool ids
    if ! show_calculator; then
        verdict="failed: Ctrl+4 did not show the Calculator above the frame"
    else
        tool=$(shown "$calculator" | head -1)
        xdotool mousemove $((ox + 700)) $((oy + 9))
        sleep 0.3
        ids=$(unnamed_windows)
        xdotool mousemove $((ox + 12)) $((oy + 33))
        if ! until_true 10 new_popup "$ids"; then
            verdict="failed: no tip came under the resting pointer"
        elif ! above "$display" "$tool" "$frame"; then
            verdict="failed: the frame came above the Calculator while the tip was shown"
        else
            xdotool mousemove $((ox + 700)) $((oy + 9))
            until_true 10 none_shown "$(new_popups "$ids")" || true
            above "$display" "$tool" "$frame" ||
                verdict="failed: the frame came above the Calculator once the tip had gone"
        fi
        xdotool key ctrl+4
        until_true 10 gone "$calculator" || true
    fi
    report "a toolbar button's tip under the resting pointer, the Calculator above the frame" "$verdict"
}
# dialog_escapes TITLE KEY X Y: the dialog of that title opened by KEY, a
# click inside it at X,Y of its client area (Y below 0 counts from the
# client area's lower edge; a drop-down list the click opened is closed by
# Escape), Escape, which ends the dialog, and Escape again, which the
# active window's panel takes to hand the keys to the window.
dialog_escapes() {
    local dialog ids X Y WIDTH HEIGHT left=0 top=0 bottom=0 x=$3 y=$4
    keys_to_frame
    xdotool key "$2"
    until_true 30 shown "$1" || return 1
    dialog=$(shown "$1" | head -1)
    geometry "$dialog"
    # Wine's desktop draws the dialog's frame and caption in its window.
    if [ "$display" = desktop ]; then left=3 top=22 bottom=3; fi
    [ "$y" -ge 0 ] || y=$((HEIGHT - top - bottom + y))
    ids=$(unnamed_windows)
    click $((X + left + x)) $((Y + top + y))
    if until_true 2 new_popup "$ids"; then
        xdotool key Escape
        until_true 10 none_shown "$(new_popups "$ids")" || return 1
    fi
    xdotool key Escape
    until_true 10 gone "$1" || return 1
    if [ "$display" = openbox ]; then until_true 10 frame_has_keys || true; fi
    xdotool key Escape
}

# The tools' windows made at the start, hidden, at their places.
begin_with_tools() {
    begin "Calculator:Visible=0" "Calculator:Left=400" "Calculator:Top=560" \
        "Event Forecast:Visible=0" "Event Forecast:Left=20" "Event Forecast:Top=640" \
        'Dialogs\Event Forecast\Options\Geometry:Left=430' \
        'Dialogs\Event Forecast\Options\Geometry:Top=420' ||
        { report "the start" "failed: the program did not start"; return 1; }
}

run_panes() {
    begin_with_tools || return 0
    keys_check
    modal_dialog_check
    kind_checks s Sky menu
    # Its panel has the keys after each. Openbox raises the frame with a
    # dialog clicked in, which leaves it above its tools once the dialog
    # has gone: those cases run where the program keeps the order itself.
    if [ "$display" != openbox ]; then
        tool_check "Escape after a click in Date and Time's empty corner" dialog_escapes "Date and Time" ctrl+t 6 -6
    fi
    # The panes beside the Sky window.
    tool_check "a click in the control panel" click $((ox + 205)) $((oy + 544))
    tool_check "a click on the Related Tasks caption" click $((right - 150)) $((oy + 58))
    tool_check "a click on a Related Tasks row" click $((right - 170)) $((oy + 93))
    tool_check "a click in the Window Manager pane" click $((right - 100)) $((oy + 604))
    tool_check "a click on the toolbar's empty part" click $((ox + 900)) $((oy + 33))
    toolbar_tip_check
    tool_check "a click on the status line" status_line_click
    tool_check "Options > Appearance ended by Escape" appearance_dialog
}

run_views() {
    begin_with_tools || return 0
    kind_checks y "Solar System" menu
    kind_checks g Graph menu
    kind_checks p Picture menu
    kind_checks r Report
    kind_checks j "Jupiter Explorer" menu
    kind_checks a "Saturn Explorer" menu
    kind_checks o "Solar Eclipse" menu
}

# tools_above_at_start WHAT TOOL...: each tool, shown at the end of the
# start, comes up above the frame and stays there. The keys are on a tool
# then: the frame's menu, opened by its key, would activate the frame
# itself, so the order is read as the start leaves it.
tools_above_at_start() {
    local what=$1 verdict=passed tool
    shift
    for tool in "$@"; do
        if ! until_true 30 shown "$tool"; then
            verdict="failed: $tool was not shown"
        elif ! until_true 10 above "$display" "$(shown "$tool" | head -1)" "$frame" || ! sleep 2 ||
            ! above "$display" "$(shown "$tool" | head -1)" "$frame"; then
            verdict="failed: $tool came up below the frame"
        fi
    done
    report "$what" "$verdict"
}

# Tools left shown at the last exit are shown again at the end of the start,
# above the frame.
run_start_with_tools() {
    begin "Calculator:Visible=1" "Calculator:Left=400" "Calculator:Top=560" \
        "Event Forecast:Visible=1" "Event Forecast:Left=20" "Event Forecast:Top=640" ||
        { report "the start" "failed: the program did not start"; return; }
    tools_above_at_start "tools shown at the last exit above the frame at the start" "$calculator" "Event Forecast"
}

# As a user leaves them: a Sky and a Graph window opened and four tools
# shown by their keys before File > Exit; the next start brings the windows
# back first and the tools above them all.
run_start_with_tools_and_windows() {
    local tool
    begin || { report "the start" "failed: the program did not start"; return; }
    new_window s && new_window g ||
        { report "tools and windows left at the last exit" "failed: a new window did not come: $missed"; return; }
    for tool in "4:$calculator" "1:Object Information" "5:Table of Symbols and Abbreviations" "3:Event Finder"; do
        keys_to_frame
        xdotool key "ctrl+${tool%%:*}"
        until_true 30 shown "${tool#*:}" ||
            { report "tools and windows left at the last exit" "failed: ctrl+${tool%%:*} showed no tool"; return; }
    done
    # Left to the frame by a click on its status line.
    status_line_click
    if ! menu alt+f e || ! until_true 60 program_ended; then
        report "tools and windows left at the last exit" "failed: File > Exit did not end the program"
        return
    fi
    # Wine's desktop goes a moment after its last program: the next start
    # makes a new one rather than finding the old one going.
    if [ "$display" = desktop ]; then until_true 30 eval '! xdotool search --name "Wine desktop"' || true; fi
    start_program "$display" "$program" ||
        { report "the start with windows left open" "failed: the program did not start again"; return; }
    until_true 120 xdotool search --name "^Event Finder\$" && until_true 30 shown Corvinata ||
        { report "the start with windows left open" "failed: the program did not start again"; return; }
    frame=$(shown Corvinata | head -1)
    tools_above_at_start "tools shown at the last exit above the frame and its Sky and Graph windows at the start" \
        "$calculator" "Object Information" "Table of Symbols and Abbreviations" "Event Finder"
}

# A bare display: a click on the frame's menu bar, made while a tool is
# active, is taken for no window manager's offer of the keyboard.
run_menu_bar_click() {
    local tool X Y WIDTH HEIGHT
    begin "$frame_key:Left=100" "$frame_key:Top=100" "$frame_key:Right=700" "$frame_key:Bottom=500" \
        "Calculator:Visible=1" "Calculator:Left=400" "Calculator:Top=560" ||
        { report "the start" "failed: the program did not start"; return; }
    if until_true 30 shown "$calculator"; then
        tool=$(shown "$calculator" | head -1)
        geometry "$tool"
        click $((X + 20)) $((Y + HEIGHT - 10))
        xdotool windowfocus --sync "$tool" 2>/dev/null || true
    fi
    # File, on the frame's menu bar, and its menu closed once it came: a
    # click that did not reach the frame would restore nothing either way.
    click $((ox + 12)) $((oy + 9))
    if ! until_true 10 frame_menu_up $((oy + 19)); then
        report "a click on the menu bar opens File" "failed: no menu came"
    fi
    xdotool key Escape Escape
    keys_to_frame
    system_menu r
    check_normal "the system menu's Restore after a click on the menu bar restores"
    check_stored_rectangle
}

# Wine's settings name a desktop with a size, written after the session
# began (a program already runs): the program runs on the bare X screen
# all the same, and its maximized frame covers it.
run_settings_desktop() {
    fresh_screen "$build" "$prefix"
    (exec wine notepad >/dev/null 2>&1) &
    disown
    until_true 60 shown "Untitled - Notepad" ||
        { report "a desktop named in the settings but not running" "failed: Notepad did not start"; return; }
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    settings_import "$frame_key:ShowHelpHint=0" "$frame_key:Maximized=1" "$frame_key:Left=100" \
        "$frame_key:Top=100" "$frame_key:Right=700" "$frame_key:Bottom=500"
    start_program bare "$program"
    if ! until_true 120 xdotool search --name "^Event Finder\$" || ! until_true 30 shown Corvinata; then
        report "a desktop named in the settings but not running" "failed: the program did not start"
        return
    fi
    frame=$(shown Corvinata | head -1)
    check_maximized "the maximized frame fills the screen when the settings name a desktop not running"
}

for display in "${displays[@]}"; do
    for part in "${parts[@]}"; do
        case $part in
        rectangle)
            run_restore
            end_screen "$prefix"
            run_start_with_tools
            end_screen "$prefix"
            run_start_with_tools_and_windows
            end_screen "$prefix"
            if [ "$display" = bare ]; then
                run_menu_bar_click
                end_screen "$prefix"
                run_settings_desktop
                end_screen "$prefix"
            fi
            ;;
        panes)
            run_panes
            end_screen "$prefix"
            ;;
        views)
            run_views
            end_screen "$prefix"
            ;;
        esac
    done
done
rm -rf "$prefix"
summary
