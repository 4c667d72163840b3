#!/usr/bin/env bash
# scripts/run against stand-ins for Wine, the build and the X queries: what
# it starts, asks and says while another copy runs or closes in its prefix,
# and when its screenshot cannot be written.
set -euo pipefail
source_scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
work=$(mktemp -d)
stand_ins=()
finish() {
    for pid in "${stand_ins[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT

# A tree of its own: the script finds the build beside itself.
tree=$work/tree
mkdir -p "$tree/scripts/lib" "$tree/build/win32/run-prefix"
cp "$source_scripts/run" "$tree/scripts/"
cp "$source_scripts/lib/common.sh" "$tree/scripts/lib/"
: >"$tree/build/win32/build.ninja"
: >"$tree/build/win32/run-prefix/system.reg"
prefix=$tree/build/win32/run-prefix

mkdir "$work/bin"
# Wine: end_program.exe answers STAND_IN_STATE to --state and notes a request
# to close; the program notes its start and, as STAND_IN_COPY says, hands
# over and ends after a moment or runs until asked to close (six seconds at
# most).
cat >"$work/bin/wine" <<'STANDIN'
#!/usr/bin/env bash
case "$*" in
    --version) echo stand-in-wine ;;
    "./end_program.exe --state") exit "$STAND_IN_STATE" ;;
    ./end_program.exe) : >"$CASE_DIR/asked" ;;
    *Corvinata.exe*)
        echo "$*" >>"$CASE_DIR/started"
        # A crash, or Task Manager's End Process.
        [ "$STAND_IN_COPY" != killed ] || { sleep 1; kill -KILL $$; }
        if [ "$STAND_IN_COPY" = hands-over ]; then
            # Long enough for the run to look at the prefix's copies.
            sleep 2
            exit 0
        fi
        for _ in $(seq 1 60); do
            [ -e "$CASE_DIR/asked" ] && exit 0
            sleep 0.1
        done
        ;;
esac
exit 0
STANDIN
# The frame and the Welcome dialog are on the screen at once.
cat >"$work/bin/xwininfo" <<'STANDIN'
#!/usr/bin/env bash
echo '0x1 "Corvinata": ("corvinata.exe" "Wine")'
echo '0x2 "Welcome to Corvinata": ("corvinata.exe" "Wine")'
STANDIN
# The prefix's session lasts while another program holds it.
cat >"$work/bin/wineserver" <<'STANDIN'
#!/usr/bin/env bash
if [ "$*" = -w ]; then
    while [ -e "$HELD" ]; do sleep 0.1; done
fi
exit 0
STANDIN
export HELD=$work/held
printf '#!/usr/bin/env bash\nexit 0\n' >"$work/bin/cmake"
printf '#!/usr/bin/env bash\necho "install ok installed"\n' >"$work/bin/dpkg-query"
# The prefix's running copy, as Wine names its process (the kernel names a
# script's process after the script when its first line names the shell
# itself).
mkdir "$work/copy"
cat >"$work/copy/Corvinata.exe" <<'STANDIN'
#!/bin/bash
trap 'kill "$rest"' TERM
sleep 60 &
rest=$!
wait
STANDIN
chmod +x "$work"/bin/* "$work/copy/Corvinata.exe"
export PATH="$work/bin:$PATH"
# other_program NAME: another program in the prefix, which keeps its
# session open, as Wine runs it: its process is named after its file (cut
# to 15 characters by the kernel) and its command line starts with its
# Windows path, whole.
other_program() {
    cp "$(command -v sleep)" "$work/copy/$1"
    (export WINEPREFIX=$prefix && cd "$work/copy" && exec -a "C:\\windows\\$1" "./$1" 300) >/dev/null 2>&1 &
    stand_ins+=($!)
}

failures=0
fail() {
    echo "FAILED: $1"
    sed 's/^/    /' "$CASE_DIR/said"
    failures=$((failures + 1))
}
# run CASE: the run script in the case's folder; its status in `answered`
# (124 when it has not ended within three minutes).
run() {
    export CASE_DIR=$work/$1
    mkdir "$CASE_DIR"
    answered=0
    (cd "$CASE_DIR" && timeout 180 "$tree/scripts/run") >"$CASE_DIR/said" 2>&1 || answered=$?
}
said() { grep -qF "$1" "$CASE_DIR/said"; }

# Another run holds the prefix (its lock) for the cases below.
exec 9>"$prefix.lock"
flock 9
export DISPLAY=:stand-in

# Its copy is closing: nothing starts, and the run says why.
STAND_IN_STATE=2 STAND_IN_COPY=runs run closing
if [ "$answered" -ne 1 ] || [ -e "$CASE_DIR/started" ] || ! said "is closing"; then
    fail "a run while the prefix's copy closes: status $answered"
fi

# Its copy runs: the second copy hands over to it and ends, and so does the
# run, asking nothing.
WINEPREFIX=$prefix "$work/copy/Corvinata.exe" >/dev/null 2>&1 &
stand_ins+=($!)
STAND_IN_STATE=0 STAND_IN_COPY=hands-over run second
if [ "$answered" -ne 0 ] || [ ! -e "$CASE_DIR/started" ] || [ -e "$CASE_DIR/asked" ] || said "File > Exit"; then
    fail "a second run beside a running copy: status $answered"
fi
kill "${stand_ins[0]}"
wait "${stand_ins[0]}" 2>/dev/null || true

# The copy it handed over to was gone by then: the second copy, left as the
# prefix's only one (beside a copy COM started for an automation client), is
# ended as File > Exit does, and the run says so.
WINEPREFIX=$prefix "$work/copy/Corvinata.exe" -Embedding >/dev/null 2>&1 &
stand_ins+=($!)
STAND_IN_STATE=0 STAND_IN_COPY=runs run left-alone
if [ "$answered" -ne 1 ] || [ ! -e "$CASE_DIR/asked" ] || ! said "Corvinata was closing when this run started it"; then
    fail "a second run whose copy is left the only one: status $answered"
fi
kill "${stand_ins[1]}"
wait "${stand_ins[1]}" 2>/dev/null || true

# The run holding the prefix lost its copy (killed) and waits for the
# session another program keeps: this run's copy is the prefix's only one,
# the user's, kept until it ends.
: >"$HELD"
other_program notepad.exe
STAND_IN_STATE=1 STAND_IN_COPY=runs run after-a-crash
if [ "$answered" -ne 0 ] || [ ! -e "$CASE_DIR/started" ] || [ -e "$CASE_DIR/asked" ] || said "was closing"; then
    fail "a run while the holding run's copy is gone: status $answered"
fi
flock -u 9

# The run's own copy killed beside the other program: with a display of
# the user's the run ends and leaves that program running; on a virtual
# display of its own it says that it waits for that program, which needs
# the display, and ends with it. So it does beside a program whose name
# the kernel cuts.
for case in notepad.exe:stand-in notepad.exe: notepad_longer_name_t11.exe:; do
    program=${case%%:*}
    display=${case#*:}
    display=${display:+:$display}
    if [ ! -e "$work/copy/$program" ]; then
        kill "${stand_ins[-1]}" 2>/dev/null || true
        wait "${stand_ins[-1]}" 2>/dev/null || true
        other_program "$program"
    fi
    : >"$HELD"
    [ -z "$display" ] && unset DISPLAY || export DISPLAY=$display
    export CN_SCREENSHOT=$work/killed.png
    name=killed-beside-$program-on-the-users-display
    [ -n "$display" ] || name=killed-beside-$program-on-a-virtual-display
    # The other program ends once the run says it waits for it.
    (until grep -qF "waiting for them to end" "$work/$name/said" 2>/dev/null; do sleep 0.2; done
     rm -f "$HELD") &
    watcher=$!
    STAND_IN_STATE=1 STAND_IN_COPY=killed run "$name"
    kill "$watcher" 2>/dev/null || true
    if [ "$answered" -eq 124 ] || ! said "other programs still run in build/win32/run-prefix ($program)"; then
        fail "a run whose copy was killed beside another program ($name): status $answered"
    elif [ -n "$display" ] && ! said "they are left running"; then
        fail "a run on the user's display whose copy was killed beside another program"
    fi
done
rm -f "$HELD"
kill "${stand_ins[-1]}" 2>/dev/null || true
wait "${stand_ins[-1]}" 2>/dev/null || true

# On a virtual display of its own: a screenshot that cannot be written is
# one line, and the program runs on; one that can is saved.
unset DISPLAY
for shot in "$work/no such folder/shot.png" "$work/shot.png"; do
    export CN_SCREENSHOT=$shot
    STAND_IN_STATE=1 STAND_IN_COPY=runs run "screenshot-$(basename "$(dirname "$shot")")"
    if [ -e "$(dirname "$shot")" ]; then
        [ -s "$shot" ] && said "screenshot saved to $shot" || fail "a screenshot to $shot"
    elif said "Traceback" || [ "$(grep -c "no screenshot saved to $shot" "$CASE_DIR/said")" -ne 1 ]; then
        fail "a screenshot to a folder that does not exist"
    fi
    if [ "$answered" -ne 0 ] || ! said "press Ctrl+C to end it"; then
        fail "the run after its screenshot to $shot: status $answered"
    fi
done

[ "$failures" -eq 0 ] && echo "run: every case as expected"
exit $((failures > 0))
