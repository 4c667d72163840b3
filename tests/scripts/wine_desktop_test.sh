#!/usr/bin/env bash
# The real program on Wine's own desktop, as scripts/run starts it where
# there is no display: the first key typed after the first run's welcome
# acts in the program, and a click on the frame leaves a shown tool window
# above it on the screen, so that the tool's command hides it at once.
#   wine_desktop_test.sh PROGRAM   the build's Corvinata.exe
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$(dirname "$0")/x_screen.sh"
program=$(realpath "$1")
build=$(dirname "$program")
cn_install_packages

prefix="$build/wine/wine_desktop"
trap 'stopped_report $?; end_screen "$prefix"' EXIT

start() {
    fresh_screen "$build" "$prefix"
    if [ "$1" = no-welcome ]; then
        settings_import 'Application frame window:ShowHelpHint=0'
    fi
    start_program desktop "$program"
}

failures=0
cases=0
report() {
    cases=$((cases + 1))
    echo "$1: $2"
    [ "$2" = passed ] || failures=$((failures + 1))
    end_screen "$prefix"
}

verdict=passed
if ! start welcome; then
    verdict="failed: Wine's desktop did not come"
elif ! until_true 120 shown "Welcome to Corvinata"; then
    verdict="failed: the welcome did not come"
else
    sleep 1
    xdotool key Escape
    sleep 0.1
    xdotool key ctrl+2
    until_true 60 shown "Event Forecast" || verdict="failed: Ctrl+2 typed after the welcome opened nothing"
fi
report "the first key after the welcome" "$verdict"

verdict=passed
if ! start no-welcome; then
    verdict="failed: Wine's desktop did not come"
elif ! until_true 120 xdotool search --name "^Event Finder\$"; then
    verdict="failed: the start did not finish"
else
    frame=$(shown Corvinata | head -1)
    xdotool key ctrl+4
    if ! until_true 30 shown "Astronomical Calculator"; then
        verdict="failed: Ctrl+4 showed no Calculator"
    else
        calculator=$(shown "Astronomical Calculator" | head -1)
        geometry "$frame"
        # The frame's empty middle, away from the Calculator. Its Window
        # menu, opened by the next key, shows that the click was handled;
        # the Calculator must be above the frame then (the desktop's
        # window lists its windows from the top down).
        xdotool mousemove 700 700 click 1
        # Below the desktop's caption and the menu bar.
        frame_answers $((Y + 4 + 19 + 19)) above desktop "$calculator" "$frame" || case $? in
            1) verdict="failed: the frame's Window menu did not come after the click" ;;
            *) verdict="failed: a click on the frame put it over the Calculator" ;;
        esac
        if [ "$verdict" = passed ]; then
            xdotool key ctrl+4
            until_true 30 gone "Astronomical Calculator" || verdict="failed: Ctrl+4 did not hide the Calculator"
        fi
    fi
fi
report "a click on the frame beside the Calculator" "$verdict"

rm -rf "$prefix"
summary
