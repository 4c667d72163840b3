#!/usr/bin/env bash
# scripts/wine-exec against a stand-in for `wine` that plays a test program
# ending in each way that matters: a status of 137 after a whole, passing
# result counts as passed, and nothing else changes a status.
set -euo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The stand-in: `wine --version` names it; otherwise it writes the result
# the case asks for where GTEST_OUTPUT says (the Unix path behind Z:), prints
# the case's output and ends with the case's status (137: killed by SIGKILL,
# as the wineserver does). It keeps every result path it was given, and
# fails at once when a result is there before it ran.
mkdir "$work/bin"
cat >"$work/bin/wine" <<'STANDIN'
#!/usr/bin/env bash
[ "${1:-}" = --version ] && { echo stand-in-wine; exit 0; }
result=${GTEST_OUTPUT#xml:Z:}
echo "$result" >>"$CASE_DIR/results"
[ ! -e "$result" ] || { echo "a result was there before the run"; exit 3; }
passing='<testsuites tests="2" failures="0" disabled="0" errors="0" name="AllTests">'
failing='<testsuites tests="2" failures="1" disabled="0" errors="0" name="AllTests">'
case $CASE_RESULT in
    passing) printf '%s\n<testsuite/>\n</testsuites>\n' "$passing" >"$result" ;;
    failing) printf '%s\n<testsuite><testcase><failure message="x"/></testcase></testsuite>\n</testsuites>\n' "$failing" >"$result" ;;
    cut) printf '%s\n<testsuite/>\n' "$passing" >"$result" ;;
    none) ;;
esac
printf '%b' "$CASE_OUTPUT"
[ "$CASE_STATUS" -eq 137 ] && kill -9 $$
exit "$CASE_STATUS"
STANDIN
chmod +x "$work/bin/wine"
export PATH="$work/bin:$PATH" DISPLAY=:stand-in
unset GTEST_OUTPUT
prefix=$work/prefix
mkdir -p "$prefix"
(source "$(dirname "$0")/../../scripts/lib/common.sh" && cn_wine_prefix_stamp "$prefix") >"$prefix/.cn-prefix"

passed='[  PASSED  ] 2 tests.\n'
failed='[  FAILED  ] Some.Test\n'
failures=0
# result written, status, output, the status wine-exec answers, whether it
# says a killed program counted as passed
while IFS='|' read -r result status output expected said; do
    export CASE_DIR=$work/case CASE_RESULT=$result CASE_STATUS=$status CASE_OUTPUT=${!output}
    rm -rf "$CASE_DIR"
    mkdir "$CASE_DIR"
    answered=0
    "$scripts/wine-exec" "$prefix" program.exe >"$CASE_DIR/said" 2>&1 || answered=$?
    told=0
    grep -q 'counted as passed' "$CASE_DIR/said" && told=1
    if [ "$answered" -ne "$expected" ] || [ "$told" -ne "$said" ]; then
        echo "FAILED: result $result, status $status, output $output: answered $answered (expected $expected), told $told"
        sed 's/^/    /' "$CASE_DIR/said"
        failures=$((failures + 1))
    fi
done <<'CASES'
passing|137|passed|0|1
passing|0|passed|0|0
passing|1|passed|1|0
failing|137|failed|137|0
cut|137|passed|137|0
none|137|passed|137|0
none|0|passed|0|0
passing|137|failed|137|0
CASES

# Each run has a result file of its own, gone after it: no run can take
# another's.
export CASE_DIR=$work/fresh CASE_RESULT=passing CASE_STATUS=0 CASE_OUTPUT=
mkdir "$CASE_DIR"
for _ in 1 2; do "$scripts/wine-exec" "$prefix" program.exe >/dev/null 2>&1 || failures=$((failures + 1)); done
if [ "$(sort -u "$CASE_DIR/results" | wc -l)" -ne 2 ]; then
    echo "FAILED: two runs were given the same result file"
    failures=$((failures + 1))
fi
while read -r result; do
    [ ! -e "$result" ] || { echo "FAILED: $result outlived its run"; failures=$((failures + 1)); }
done <"$CASE_DIR/results"

# A result file the caller asks for is left to the caller.
export CASE_DIR=$work/own CASE_RESULT=passing CASE_STATUS=137 CASE_OUTPUT=$passed
mkdir "$CASE_DIR"
answered=0
GTEST_OUTPUT="xml:Z:$CASE_DIR/own.xml" "$scripts/wine-exec" "$prefix" program.exe >/dev/null 2>&1 || answered=$?
if [ "$(cat "$CASE_DIR/results")" != "$CASE_DIR/own.xml" ] || [ "$answered" -ne 137 ]; then
    echo "FAILED: the caller's own result file: answered $answered, written to $(cat "$CASE_DIR/results")"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "wine-exec: every case as expected"
exit $((failures > 0))
