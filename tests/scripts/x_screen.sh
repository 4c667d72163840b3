# Shared by the tests that type and click on an X screen of their own: the
# program started in a fresh prefix on a display of its own (Wine's own
# desktop, a window manager or a bare screen), waits, menus typed a key at
# a time, the windows' places and stacking as the display shows them, and
# the program's settings written before a start and read after an exit.
# The scripts source scripts/lib/common.sh first.

# A step that no case looks at and that fails ends the script (set -e)
# without a word: the trap keeps the last such step, and the script's exit
# names it (stopped_report) unless the summary was printed.
stopped_at=
summary_printed=
set -E
trap 'stopped_at="${BASH_SOURCE[0]##*/} line $LINENO: $BASH_COMMAND"' ERR
# stopped_report STATUS: run as the script exits with STATUS.
stopped_report() {
    [ "$1" -eq 0 ] || [ -n "$summary_printed" ] || echo "the test stopped at $stopped_at (status $1)"
}
# summary: the count of cases that passed and failed; false when any failed.
summary() {
    summary_printed=1
    echo "$((cases - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# until_true SECONDS COMMAND...: true once COMMAND succeeds, false when it
# has not within the time.
until_true() {
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
# x_search ARGUMENTS...: the windows xdotool's search finds (ids), its
# status its own. A window that goes while the search looks at the windows
# one by one ends it with an X error and nothing found; it is run again
# then, as what it found says nothing.
x_search() {
    local found status
    for _ in $(seq 20); do
        status=0
        found=$(xdotool search "$@" 2>&1) || status=$?
        if ! grep -q '^X Error' <<<"$found"; then
            grep -E '^[0-9]+$' <<<"$found" || true
            return "$status"
        fi
        # Windows made and gone in a burst (an OpenGL view's) are given a
        # moment to settle.
        sleep 0.1
    done
    return 1
}
# The shown windows of that exact name; none (false) when there is none.
shown() { x_search --onlyvisible --name "^$1\$"; }
gone() { ! shown "$1"; }

# fresh_screen BUILD PREFIX: PREFIX becomes a fresh copy of the build's
# template prefix, Wine's environment points at it, and a display of its
# own is started (DISPLAY).
fresh_screen() {
    cn_wine_prefix "$1/wine/template"
    cn_wine_copy_prefix "$1/wine/template" "$2"
    cn_wine_environment "$2"
    cn_start_xvfb
}

# Openbox's own window, which it names on the root once it manages the screen.
manager_runs() {
    local id
    id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ { print $NF }')
    [ -n "$id" ] && xwininfo -id "$id" >/dev/null 2>&1
}
# start_manager: Openbox on the display (its process in `manager`), false
# when it does not manage the screen within half a minute.
manager=
start_manager() {
    setsid openbox >/dev/null 2>&1 &
    manager=$!
    until_true 30 manager_runs
}

# end_screen PREFIX: ends the prefix's programs, the manager and the display.
end_screen() {
    WINEPREFIX=$1 wineserver -k 2>/dev/null || true
    WINEPREFIX=$1 wineserver -w 2>/dev/null || true
    [ -z "$manager" ] || kill "$manager" 2>/dev/null || true
    manager=
    cn_stop_xvfb
}

# start_program DISPLAY PROGRAM: the program as it runs on that display,
# in the prefix of cn_wine_environment: inside Wine's own desktop
# ("desktop", as scripts/run starts it; the desktop's window is then
# `desktop`), else alone. False when Wine's desktop does not come. The
# script ends the program by its prefix (end_screen, program_runs).
desktop=
start_program() {
    local build
    build=$(dirname "$2")
    if [ "$1" = desktop ]; then
        (cd "$build" && exec wine explorer /desktop=Corvinata,1280x1024 "$2" >/dev/null 2>&1) &
        disown
        until_true 60 xdotool search --name "Wine desktop" || return 1
        desktop=$(x_search --name "Wine desktop" | head -1)
        # Bounded: a desktop window that goes meanwhile never takes the focus.
        timeout 10 xdotool windowfocus --sync "$desktop" || true
    else
        desktop=
        (cd "$build" && exec wine "$2" >/dev/null 2>&1) &
        disown
    fi
}
# Whether the program runs in the prefix of WINEPREFIX.
program_runs() {
    local pid
    for pid in $(pgrep -x Corvinata.exe); do
        cn_in_prefix "$pid" && return 0
    done
    return 1
}
program_ended() { ! program_runs; }

# geometry WINDOW: X, Y, WIDTH and HEIGHT become the window's place on the
# screen (where the display draws it, its manager's frame left out).
geometry() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "X=" $NF }
                                    /Absolute upper-left Y/ { print "Y=" $NF }
                                    /Width:/ { print "WIDTH=" $NF }
                                    /Height:/ { print "HEIGHT=" $NF }')"
}

# top_down DISPLAY: the display's top-level windows (hexadecimal ids), the
# topmost first: on Wine's own desktop ("desktop") the children of its
# window, under a window manager ("openbox") the manager's stacking list,
# on a bare display the root's children.
top_down() {
    case $1 in
    desktop) xwininfo -children -id "$desktop" | awk '$1 ~ /^0x/ { print $1 }' ;;
    bare) xwininfo -children -root | awk '$1 ~ /^0x/ { print $1 }' ;;
    openbox) xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/^.*# //p' | tr ',' '\n' | tr -d ' ' | tac ;;
    esac
}
# above DISPLAY UPPER LOWER: whether window UPPER is above window LOWER on
# the display (both shown).
above() {
    top_down "$1" | awk -v upper="$(printf '0x%x' "$2")" -v lower="$(printf '0x%x' "$3")" '
        $1 == upper && !first { first = 1 }
        $1 == lower && !first { first = 2 }
        END { exit first != 1 }'
}

# The shown top-level windows without a name (on Wine's desktop its
# children): menus among them, child windows (an OpenGL view's) not.
unnamed_windows() {
    x_search --maxdepth $((${desktop:+1} + 1)) --onlyvisible --name '^$' || true
}
# new_popups IDS: the shown windows without a name that are not among IDS
# (menus just opened). Windows are told apart by their ids, not counted: a
# hover tip that goes as a menu comes, or a window the program makes for
# itself meanwhile (an OpenGL view's), would hide or fake a menu in a count.
new_popups() {
    local id
    for id in $(unnamed_windows); do grep -qxF "$id" <<<"$1" || echo "$id"; done
}
new_popup() { [ -n "$(new_popups "$1")" ]; }
# none_shown IDS: none of those windows is shown any more.
none_shown() { [ -z "$(comm -12 <(sort <<<"$1") <(unnamed_windows | sort))" ]; }
# menu KEYS...: each argument's keys (xdotool key names, several to an
# argument where a menu takes them in one go) typed once the menu opened
# by the argument before is up, and then until the menus it opened are
# closed again. False when a menu did not come or did not go (menu_missed
# then says which); what is left open is closed then.
menu_missed=
menu() {
    local ids opened=
    while [ $# -gt 0 ]; do
        ids=$(unnamed_windows)
        # Unquoted: several keys to an argument.
        xdotool key $1
        if [ $# -eq 1 ]; then
            until_true 10 none_shown "$opened" && return 0
            menu_missed="the menus stayed after \"$1\""
            break
        fi
        if ! until_true 10 new_popup "$ids"; then
            menu_missed="no menu came after \"$1\""
            break
        fi
        opened+=$'\n'$(new_popups "$ids")
        shift
    done
    xdotool key Escape Escape Escape
    return 1
}
# frame_menu_up MENU_BAR_BOTTOM: whether a menu dropped from the frame's
# menu bar, whose lower edge is at that height on the screen, is shown.
frame_menu_up() {
    local window X Y WIDTH HEIGHT
    for window in $(unnamed_windows); do
        geometry "$window"
        [ "$Y" -ge $(($1 - 2)) ] && [ "$Y" -le $(($1 + 4)) ] && return 0
    done
    return 1
}
frame_menu_gone() { ! frame_menu_up "$1"; }
# frame_answers MENU_BAR_BOTTOM [CHECK...]: true once the program has
# handled everything typed and clicked before and, with CHECK, when CHECK
# holds then: the frame's Window menu, opened by its key (the keys going
# to the frame), comes only after that. The menu is closed again. On
# Wine's desktop the program raises its tools again, one by one, in the
# first moments a menu shows (three times, 0.1 s apart): an order read
# before or as it does so says nothing lasting, so CHECK is given a second
# to hold.
frame_answers() {
    local bar=$1 verdict=0
    shift
    xdotool key alt+w
    if ! until_true 10 frame_menu_up "$bar"; then
        verdict=1
    elif [ $# -gt 0 ] && ! until_true 1 "$@"; then
        verdict=2
    fi
    xdotool key Escape Escape
    until_true 5 frame_menu_gone "$bar" || true
    return "$verdict"
}

# The program's settings below HKCU\<root>.
settings_root='Software\Corvinata Software\Corvinata\1.70'
# settings_import KEY:NAME=NUMBER...: each number written as a DWORD value
# of that name below the settings key KEY (relative to the program's root),
# all by one registry import.
settings_import() {
    local entry key name
    {
        echo REGEDIT4
        for entry; do
            key=${entry%%:*}
            name=${entry#*:}
            printf '\n[HKEY_CURRENT_USER\\%s\\%s]\n"%s"=dword:%08x\n' "$settings_root" "$key" "${name%%=*}" "${name#*=}"
        done
    } >"$WINEPREFIX/drive_c/settings.reg"
    wine reg import 'C:\settings.reg' >/dev/null 2>&1
}
# settings_of KEY: the DWORD values of the settings key, "NAME=NUMBER" a
# line (signed, as the program reads them).
settings_of() {
    wine reg query "HKCU\\$settings_root\\$1" 2>/dev/null | tr -d '\r' |
        awk -F '    ' '$3 == "REG_DWORD" { print $2 "=" $4 }' |
        while IFS='=' read -r name value; do
            value=$((value))
            echo "$name=$((value >= 0x80000000 ? value - 0x100000000 : value))"
        done
}
