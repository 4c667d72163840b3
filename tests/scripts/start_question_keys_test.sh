#!/usr/bin/env bash
# The keys after a start-up question, as a user types them: the real
# program under Wine on a screen of its own, with a window manager (Openbox)
# or none, alone or beside Wine's Notepad, asking whether night vision (on at
# the last exit) goes on, or welcoming a first run. Under the manager the
# question is answered with a click on it and a key (its button's, or
# Escape), and the next key, typed the moment the question is gone, opens
# the Event Forecast (Ctrl+2). On a bare display the question and then the program's window are
# given the keyboard as the display allows (xdotool's focus), the answer and
# File > Exit typed at once end the program; its window fills the screen.
#   start_question_keys_test.sh PROGRAM   the build's Corvinata.exe
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$(dirname "$0")/x_screen.sh"
program=$(realpath "$1")
build=$(dirname "$program")
cn_install_packages

prefix="$build/wine/start_question_keys"
trap 'stopped_report $?; end_screen "$prefix"' EXIT

focused_on() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }
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

# run_case DISPLAY OTHER QUESTION ANSWER: DISPLAY is "openbox" or "bare",
# OTHER "none" or "notepad", QUESTION "night" or "welcome", ANSWER the key
# typed.
failures=0
cases=0
run_case() {
    local display=$1 other=$2 question=$3 answer=$4 name="$1, $2, $3 answered by $4" title="Corvinata Information"
    cases=$((cases + 1))
    fresh_screen "$build" "$prefix"
    local verdict=passed frame pid
    if [ "$display" = openbox ]; then
        start_manager || verdict="failed: the window manager did not start"
    fi
    if [ "$question" = night ]; then
        settings_import 'Application frame window:ShowHelpHint=0' 'Night vision:Active=1'
    else
        title="Welcome to Corvinata"
    fi
    if [ "$other" = notepad ] && [ "$verdict" = passed ]; then
        wine notepad >/dev/null 2>&1 &
        # As long as the program's own start may take: beside the other
        # Wine tests a first start in a fresh prefix took over a minute.
        until_true 120 focused_on "Untitled - Notepad" || verdict="failed: Notepad did not get the keyboard"
    fi
    if [ "$verdict" = passed ]; then
        (cd "$build" && exec wine "$program" >/dev/null 2>&1) &
        pid=$!
    fi
    # Each step waits for what the one before brings about, so that a slow
    # machine only makes the case slower; the keys after the answer wait
    # for nothing.
    if [ "$verdict" != passed ]; then
        :
    elif ! until_true 120 shown "$title"; then
        verdict="failed: the question did not come"
    elif ! frame=$(shown Corvinata | head -1) || [ -z "$frame" ]; then
        verdict="failed: the program's window was not on the screen with the question"
    elif [ "$display" = bare ]; then
        local question_window width
        question_window=$(shown "$title" | head -1)
        xdotool windowfocus --sync "$question_window"
        xdotool key "$answer"
        xdotool windowfocus --sync "$frame"
        xdotool key alt+f
        sleep 0.5
        xdotool key e
        width=$(xwininfo -id "$frame" | awk '/Width:/ { print $2 }')
        if ! until_true 60 eval '! kill -0 "$pid"'; then
            verdict="failed: File > Exit typed after the answer did not end the program"
        elif [ "${width:-0}" -lt 1200 ]; then
            verdict="failed: the maximized window was ${width} pixels wide on a screen of 1280"
        fi
    elif ! until_true 30 click_into "$title"; then
        verdict="failed: a click on the question did not give it the keyboard"
    else
        xdotool key "$answer"
        # Ctrl+2 the moment the question has left the screen (looked for
        # without a pause): a key typed then is lost unless the program's
        # window has the keyboard already.
        local give_up=$((SECONDS + 30))
        while shown "$title" >/dev/null 2>&1 && [ "$SECONDS" -lt "$give_up" ]; do :; done
        xdotool key ctrl+2
        xdotool mousemove 1270 1010
        until_true 60 shown "Event Forecast" || verdict="failed: Ctrl+2 typed after the answer opened nothing"
    fi
    echo "$name: $verdict (the keys on \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\")"
    if [ "$verdict" != passed ]; then
        failures=$((failures + 1))
        echo "  windows shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd '|')"
    fi
    end_screen "$prefix"
}

run_case openbox none night y
run_case openbox notepad night y
run_case openbox notepad night n
run_case openbox notepad welcome Escape
run_case bare none welcome Escape
run_case bare none night y
rm -rf "$prefix"
summary
