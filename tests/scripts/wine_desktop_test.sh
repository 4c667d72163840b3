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
finish() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
    cn_stop_xvfb
}
trap finish EXIT

# Whether the window named first is above the one named second among the
# desktop's windows (listed from the top down).
above() {
    xwininfo -children -id "$desktop" |
        awk -v upper="\"$1\":" -v lower="\"$2\":" '
            index($0, lower) && !seen_lower { seen_lower = NR }
            index($0, upper) && !seen_upper { seen_upper = NR }
            END { exit !(seen_upper && seen_lower && seen_upper < seen_lower) }'
}

desktop=
start() {
    cn_wine_prefix "$build/wine/template"
    cn_wine_copy_prefix "$build/wine/template" "$prefix"
    cn_wine_environment "$prefix"
    cn_start_xvfb
    if [ "$1" = no-welcome ]; then
        wine reg add 'HKCU\Software\Corvinata Software\Corvinata\1.70\Application frame window' \
            /v ShowHelpHint /t REG_DWORD /d 0 /f >/dev/null 2>&1
    fi
    (cd "$build" && exec wine explorer /desktop=Corvinata,1280x1024 "$program" >/dev/null 2>&1) &
    until_true 60 xdotool search --name "Wine desktop" || return 1
    desktop=$(xdotool search --name "Wine desktop" | head -1)
    xdotool windowfocus --sync "$desktop"
}

failures=0
cases=0
report() {
    cases=$((cases + 1))
    echo "$1: $2"
    [ "$2" = passed ] || failures=$((failures + 1))
    finish
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
    xdotool key ctrl+4
    if ! until_true 30 shown "Astronomical Calculator"; then
        verdict="failed: Ctrl+4 showed no Calculator"
    else
        # The frame's empty middle, away from the Calculator.
        xdotool mousemove 700 700 click 1
        if ! until_true 10 above "Astronomical Calculator" Corvinata; then
            verdict="failed: a click on the frame put it over the Calculator"
        else
            xdotool key ctrl+4
            until_true 30 gone "Astronomical Calculator" || verdict="failed: Ctrl+4 did not hide the Calculator"
        fi
    fi
fi
report "a click on the frame beside the Calculator" "$verdict"

rm -rf "$prefix"
echo "$((cases - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
