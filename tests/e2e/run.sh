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

source "$HERE/checks.sh"

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

XVFB_PID=
cleanup() {
    stop_program
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
if start_screen; then
    for test in test_full_run test_refused_file test_program_folders; do
        "$test"
        stop_program
    done
    source "$HERE/shift_digits.sh"
    source "$HERE/encoding_tests.sh"
else
    fail "Xvfb starts: $(cat "$WORK/xvfb.log")"
fi
[[ -n ${DISPLAY:-} ]] && source "$HERE/sound_tests.sh" && test_sounds

# The fault test prints PASS/FAIL lines of its own.
while read -r verdict text; do
    case $verdict in
    PASS) pass "$text" ;;
    FAIL) fail "$text" ;;
    *) echo "$verdict $text" ;;
    esac
done < <(python3 "$HERE/log_fault.py" "$BUILD/tests/e2e/qm7_log_fault_harness" 300 2>&1 || echo "FAIL log_fault.py ended badly")
finish
