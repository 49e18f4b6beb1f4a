#!/usr/bin/env bash
# End-to-end tests: the real qm7w on a virtual screen, driven only by clicks and key presses as a
# learner would, and fault injection of its results log. Uses an existing build; builds nothing.
#
#   tests/e2e/run.sh [build folder, default build]
#
# Prints PASS/FAIL lines and "N passed, M failed"; exits non-zero on any failure. Screenshots are kept
# in <build folder>/e2e-shots.
set -uo pipefail
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
PASSED=0
FAILED=0

pass() { echo "PASS $*" && PASSED=$((PASSED + 1)); }
fail() { echo "FAIL $*" && FAILED=$((FAILED + 1)); }
# check <description> <command...>: passes when the command succeeds.
check() { if "${@:2}"; then pass "$1"; else fail "$1"; fi; }
expect_eq() { if [[ $2 == "$3" ]]; then pass "$1"; else fail "$1: got \"$2\", expected \"$3\""; fi; }
finish() {
    echo "$PASSED passed, $FAILED failed"
    ((FAILED == 0))
    exit
}

BUILD=$(cd "${1:-build}" 2>/dev/null && pwd) && [[ -x $BUILD/src/platform/qt/qm7w ]] ||
    { fail "a full build in ${1:-build} (src/platform/qt/qm7w)" && finish; }
for tool in Xvfb xdotool import convert python3; do
    command -v "$tool" >/dev/null || fail "the tool $tool is installed"
done
FAKETIME_LIB=$(compgen -G "/usr/lib/*/faketime/libfaketimeMT.so.1" | head -n 1) || fail "faketime is installed"
((FAILED == 0)) || finish

WORK=$(mktemp -d)
SHOTS=$BUILD/e2e-shots
RUNTIME=$WORK/runtime
rm -rf "$SHOTS"
mkdir -p "$SHOTS" "$RUNTIME"
chmod 700 "$RUNTIME"
source "$HERE/desktop.sh"
source "$HERE/window_tests.sh"
source "$HERE/program_folder.sh"

# Xvfb picks a free display number itself and writes it to file descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
trap 'stop_program; kill $XVFB_PID 2>/dev/null; rm -rf "$WORK"' EXIT
if wait_for 10 test -s "$WORK/display"; then
    export DISPLAY=:$(head -n 1 "$WORK/display")
    for test in test_full_run test_refused_file; do
        "$test"
        stop_program
    done
else
    fail "Xvfb starts: $(cat "$WORK/xvfb.log")"
fi

# The fault test prints PASS/FAIL lines of its own.
while read -r verdict text; do
    case $verdict in
    PASS) pass "$text" ;;
    FAIL) fail "$text" ;;
    *) echo "$verdict $text" ;;
    esac
done < <(python3 "$HERE/log_fault.py" "$BUILD/tests/e2e/qm7_log_fault_harness" 300 2>&1 || echo "FAIL log_fault.py ended badly")
finish
