#!/usr/bin/env bash
# The keys after a start-up question, as a user types them: the real
# program under Wine on a screen of its own with a window manager (Openbox),
# alone or beside Wine's Notepad, asking whether night vision (on at the
# last exit) goes on, or welcoming a first run. The question is answered
# with a click on it and a key (its button's, or Escape); the next key typed
# (Ctrl+2) opens the Event Forecast.
#   start_question_keys_test.sh PROGRAM   the build's Corvinata.exe
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
program=$(realpath "$1")
build=$(dirname "$program")
cn_install_packages

prefix="$build/wine/start_question_keys"
manager=
finish() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
    [ -z "$manager" ] || kill "$manager" 2>/dev/null || true
    manager=
    cn_stop_xvfb
}
trap finish EXIT

# until SECONDS COMMAND...: true once COMMAND succeeds, false when it has not
# within the time.
until_true() {
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
shown() { xdotool search --onlyvisible --name "^$1\$"; }
gone() { ! shown "$1"; }
focused_on() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }
# The window the manager put WINDOW in: a new one each time the manager
# takes the window on afresh, the root while it has none.
parent_of() { xwininfo -tree -id "$1" 2>/dev/null | awk '/Parent window id:/ { print $4 }'; }
# Whether WINDOW is in a manager's window other than the one named.
managed_afresh() {
    local parent
    parent=$(parent_of "$1")
    [ -n "$parent" ] && [ "$parent" != "$2" ] && [ "$parent" != "$(xwininfo -root | awk '/Window id:/ { print $4 }')" ]
}
# A click on the question's text until it has the keyboard (the manager
# focuses no window of a program started while another has it, and may
# still be placing the question when it first shows).
click_into() {
    local X Y WIDTH HEIGHT WINDOW SCREEN window
    window=$(shown "$1" | head -1)
    [ -n "$window" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 20)) $((Y + 20)) click 1
    until_true 2 focused_on "$1"
}

# run_case OTHER QUESTION ANSWER: OTHER is "none" or "notepad", QUESTION
# "night" or "welcome", ANSWER the key typed.
failures=0
cases=0
run_case() {
    local other=$1 question=$2 answer=$3 name="$1, $2 answered by $3" title="Corvinata Information"
    cases=$((cases + 1))
    cn_wine_prefix "$build/wine/template"
    cn_wine_copy_prefix "$build/wine/template" "$prefix"
    cn_wine_environment "$prefix"
    cn_start_xvfb
    setsid openbox >/dev/null 2>&1 &
    manager=$!
    local verdict=passed frame parent
    until_true 30 xprop -root _NET_SUPPORTING_WM_CHECK || verdict="failed: the window manager did not start"
    local key='HKCU\Software\Corvinata Software\Corvinata\1.70'
    if [ "$question" = night ]; then
        wine reg add "$key\\Application frame window" /v ShowHelpHint /t REG_DWORD /d 0 /f >/dev/null 2>&1
        wine reg add "$key\\Night vision" /v Active /t REG_DWORD /d 1 /f >/dev/null 2>&1
    else
        title="Welcome to Corvinata"
    fi
    if [ "$other" = notepad ] && [ "$verdict" = passed ]; then
        wine notepad >/dev/null 2>&1 &
        until_true 60 focused_on "Untitled - Notepad" || verdict="failed: Notepad did not get the keyboard"
    fi
    if [ "$verdict" = passed ]; then
        (cd "$build" && exec wine "$program" >/dev/null 2>&1) &
    fi
    # Each step waits for what the one before brings about, so that a slow
    # machine only makes the case slower.
    if [ "$verdict" != passed ]; then
        :
    elif ! until_true 120 shown "$title"; then
        verdict="failed: the question did not come"
    elif ! until_true 30 click_into "$title"; then
        verdict="failed: a click on the question did not give it the keyboard"
    elif ! frame=$(shown Corvinata | head -1) || [ -z "$frame" ]; then
        verdict="failed: the program's window was not on the screen with the question"
    else
        parent=$(parent_of "$frame")
        xdotool key "$answer"
        xdotool mousemove 1270 1010
        # The answer closes the question and the start goes on, its tools
        # made last; only then is the next key typed. Under Wine the program
        # shows its window afresh for the manager to focus: a key typed while
        # the manager still focuses the window as it was would be lost on
        # its way, which no user typing after the window is back sees.
        if ! until_true 60 gone "$title"; then
            verdict="failed: the answer did not close the question"
        else
            until_true 20 managed_afresh "$frame" "$parent" || true
            if ! until_true 120 xdotool search --name "^Event Finder\$"; then
                verdict="failed: the start did not finish"
            elif ! until_true 30 focused_on Corvinata; then
                verdict="failed: the keyboard did not come back to the program's window"
            else
                xdotool key ctrl+2
                until_true 60 shown "Event Forecast" || verdict="failed: Ctrl+2 after the answer opened nothing"
            fi
        fi
    fi
    echo "$name: $verdict (the keys on \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\")"
    if [ "$verdict" != passed ]; then
        failures=$((failures + 1))
        echo "  windows shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd '|')"
    fi
    finish
}

run_case none night y
run_case notepad night y
run_case notepad night n
run_case notepad welcome Escape
rm -rf "$prefix"
echo "$((cases - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
