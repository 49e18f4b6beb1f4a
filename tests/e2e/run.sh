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

pass() {
    echo "PASS $*"
    PASSED=$((PASSED + 1))
}

fail() {
    echo "FAIL $*"
    FAILED=$((FAILED + 1))
}

# check <description> <command...>: passes when the command succeeds.
check() {
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

expect_eq() {
    if [[ $2 == "$3" ]]; then pass "$1"; else fail "$1: got \"$2\", expected \"$3\""; fi
}

finish() {
    echo "$PASSED passed, $FAILED failed"
    ((FAILED == 0))
    exit
}

if ! BUILD=$(cd "${1:-build}" 2>/dev/null && pwd) || [[ ! -x $BUILD/src/platform/qt/qm7w ]]; then
    fail "a full build in ${1:-build} (src/platform/qt/qm7w)"
    finish
fi
for tool in Xvfb xdotool xwininfo import convert python3; do
    command -v "$tool" >/dev/null || fail "the tool $tool is installed"
done
FAKETIME_LIB=$(compgen -G "/usr/lib/*/faketime/libfaketimeMT.so.1" | head -n 1)
[[ -n $FAKETIME_LIB ]] || fail "faketime's library is installed"
((FAILED == 0)) || finish

WORK=$(mktemp -d)
SHOTS=$BUILD/e2e-shots
RUNTIME=$WORK/runtime
rm -rf "$SHOTS"
mkdir -p "$SHOTS" "$RUNTIME"
chmod 700 "$RUNTIME"
XVFB_PID=

source "$HERE/desktop.sh"
source "$HERE/window_tests.sh"

cleanup() {
    stop_program
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to file descriptor 3.
start_screen() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    wait_for 10 test -s "$WORK/display" || return 1
    DISPLAY=:$(head -n 1 "$WORK/display")
    export DISPLAY
}

if start_screen; then
    for test in test_full_run test_refused_file test_abandoned_run; do
        "$test"
        stop_program
    done
    source "$HERE/encoding_tests.sh"
else
    fail "Xvfb starts: $(cat "$WORK/xvfb.log")"
fi

HARNESS=$BUILD/tests/e2e/qm7_log_fault_harness
if [[ -x $HARNESS ]]; then
    failed_before=$FAILED
    while IFS= read -r line; do
        case $line in
        PASS\ *) pass "${line#PASS }" ;;
        FAIL\ *) fail "${line#FAIL }" ;;
        "exit status 0") ;;
        "exit status "*) ((FAILED > failed_before)) || fail "log_fault.py ended with $line" ;;
        *) echo "$line" ;;
        esac
    done < <(python3 "$HERE/log_fault.py" "$HARNESS" 300 2>&1; echo "exit status $?")
else
    fail "the harness $HARNESS is built"
fi
finish
