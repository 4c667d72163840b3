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
focused_on() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }

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
    until_true 30 xprop -root _NET_SUPPORTING_WM_CHECK || true
    local key='HKCU\Software\Corvinata Software\Corvinata\1.70'
    if [ "$question" = night ]; then
        wine reg add "$key\\Application frame window" /v ShowHelpHint /t REG_DWORD /d 0 /f >/dev/null 2>&1
        wine reg add "$key\\Night vision" /v Active /t REG_DWORD /d 1 /f >/dev/null 2>&1
    else
        title="Welcome to Corvinata"
    fi
    if [ "$other" = notepad ]; then
        wine notepad >/dev/null 2>&1 &
        until_true 60 focused_on "Untitled - Notepad" || true
    fi
    (cd "$build" && exec wine "$program" >/dev/null 2>&1) &
    local verdict=passed
    if ! until_true 120 shown "$title"; then
        verdict="failed: the question did not come"
    else
        # A click on the question's text gives it the keyboard (the manager
        # focuses no window of a program started while another has it).
        local X Y WIDTH HEIGHT WINDOW SCREEN
        eval "$(xdotool getwindowgeometry --shell "$(shown "$title" | head -1)")"
        xdotool mousemove $((X + 20)) $((Y + 20)) click 1
        until_true 10 focused_on "$title" || true
        xdotool key "$answer"
        xdotool mousemove 1270 1010
        # The start goes on (its tools are made last); the window manager
        # takes its time.
        until_true 120 xdotool search --name "^Event Finder\$" || true
        until_true 30 focused_on Corvinata || true
        xdotool key ctrl+2
        until_true 60 shown "Event Forecast" || verdict="failed: Ctrl+2 after the answer opened nothing"
    fi
    echo "$name: $verdict (the keys on \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\")"
    [ "$verdict" = passed ] || failures=$((failures + 1))
    finish
}

run_case none night y
run_case notepad night y
run_case notepad night n
run_case notepad welcome Escape
rm -rf "$prefix"
echo "$((cases - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
