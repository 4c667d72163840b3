#!/usr/bin/env bash
# Times the answer to the start's night-vision question as a user sees it,
# on each display the program runs on: Wine's own desktop (as scripts/run
# starts it), a desktop with a window manager (Openbox) and a bare X screen.
# The real program, left at its last exit with night vision on and a Sky
# window open, is started in a prefix of its own; once the question has the
# keyboard, Enter (Yes) is typed, and the whole screen is read as often as
# it can be until it has not changed for two seconds. Printed for each
# display, the median of the rounds: the time from the key to the first
# change on the screen (the night colours), to the Sky window drawn and to
# its last change, and to the last change anywhere.
#   night_answer_timing.sh PROGRAM [ROUNDS]   PROGRAM the build's Corvinata.exe
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
source "$(dirname "$0")/../tests/scripts/x_screen.sh"
program=$(realpath "$1")
build=$(dirname "$program")
rounds=${2:-5}
cn_install_packages

prefix="$build/timing-night-answer"
trap 'end_screen "$prefix"' EXIT
frame_key='Application frame window'
title="Corvinata Information"
# A Python with Debian's Pillow: the first on the PATH may be another.
python=python3
"$python" -c 'import PIL' 2>/dev/null || python=/usr/bin/python3

# The prefix as the last exit left it: a Sky window open, then night vision
# on (written after the exit, which would have kept the switch's own state).
prepare() {
    fresh_screen "$build" "$prefix"
    settings_import "$frame_key:ShowHelpHint=0" "$frame_key:Maximized=1"
    start_program bare "$program"
    until_true 120 xdotool search --name "^Event Finder\$" && until_true 30 shown Corvinata || return 1
    local frame
    frame=$(shown Corvinata | head -1)
    # A bare display gives the keyboard to no window by itself.
    xdotool windowfocus --sync "$frame"
    menu alt+w n s || return 1
    # File > Exit once the new window has taken the keys (a slow machine
    # may still be making it).
    for _ in $(seq 10); do
        xdotool windowfocus --sync "$frame"
        menu alt+f e && break
        sleep 2
    done
    until_true 60 program_ended || return 1
    settings_import 'Night vision:Active=1'
    end_screen "$prefix"
}

# The key typed, then the screen read until it rests: "FIRST SKY SETTLED
# LAST" in ms: the first change anywhere, the first and the last change in
# the Sky window (the part of it where the window left open is placed, away
# from the question), the last change anywhere.
time_answer() {
    "$python" - <<'EOF'
import hashlib, os, subprocess, time
from PIL import ImageGrab

SKY = (380, 150, 560, 330)

def screen():
    shot = ImageGrab.grab(xdisplay=os.environ["DISPLAY"])
    return (hashlib.md5(shot.tobytes()).digest(), hashlib.md5(shot.crop(SKY).tobytes()).digest())

previous = screen()
start = time.monotonic()
subprocess.run(["xdotool", "key", "Return"], check=True)
first = sky = settled = last = 0.0
while True:
    now = screen()
    at = time.monotonic() - start
    if now[0] != previous[0]:
        first = first or at
        last = at
    if now[1] != previous[1]:
        sky = sky or at
        settled = at
    previous = now
    if (last and at - last > 2.0) or at > 30.0:
        break
print(round(1000 * first), round(1000 * sky), round(1000 * settled), round(1000 * last))
EOF
}

# One round on a display: "FIRST LAST", or nothing when the question did
# not come or take the keyboard.
round_on() {
    local display=$1 question
    cn_start_xvfb
    if [ "$display" = openbox ]; then start_manager || return 0; fi
    start_program "$display" "$program" || return 0
    until_true 120 shown "$title" || return 0
    question=$(shown "$title" | head -1)
    if [ "$display" = openbox ]; then
        # The manager focuses no window of a program started while another
        # has it: a click on the question's text gives it the keyboard.
        local X Y WIDTH HEIGHT
        geometry "$question"
        xdotool mousemove $((X + 20)) $((Y + 20)) click 1
        until_true 5 eval '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$question" ]' || true
    elif [ "$display" = bare ]; then
        xdotool windowfocus --sync "$question"
    fi
    xdotool mousemove 1270 1010
    sleep 1
    time_answer
}

median() { sort -n | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : "-" }'; }

prepare || { echo "the program did not leave a Sky window open"; exit 1; }
printf '%-8s %14s %14s %14s %14s   (ms)\n' "display" "first change" "Sky drawn" "Sky at rest" "all at rest"
for display in desktop openbox bare; do
    firsts=()
    skies=()
    settles=()
    lasts=()
    for _ in $(seq "$rounds"); do
        # Each round from the prefix as prepared: the program is ended
        # without its exit, which would store the round's own state.
        cp -a "$prefix" "$prefix.round"
        cn_wine_environment "$prefix.round"
        if result=$(round_on "$display") && [ -n "$result" ]; then
            read -r first sky settled last <<<"$result"
            firsts+=("$first")
            skies+=("$sky")
            settles+=("$settled")
            lasts+=("$last")
        fi
        end_screen "$prefix.round"
        rm -rf "$prefix.round"
    done
    printf '%-8s %14s %14s %14s %14s   (%d of %d rounds)\n' "$display" \
        "$(printf '%s\n' "${firsts[@]}" | median)" "$(printf '%s\n' "${skies[@]}" | median)" \
        "$(printf '%s\n' "${settles[@]}" | median)" "$(printf '%s\n' "${lasts[@]}" | median)" \
        "${#firsts[@]}" "$rounds"
done
rm -rf "$prefix"
