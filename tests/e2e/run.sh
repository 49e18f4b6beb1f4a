#!/usr/bin/env bash
# End-to-end tests: the real qm7w on a virtual screen, driven only by clicks and key presses as a
# learner would, and fault injection of its results log. Builds nothing: run.sh [build folder, default build]
set -uo pipefail
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
WORK=$(mktemp -d)
# The open dialog remembers its folders per user: here, per test run.
export XDG_CONFIG_HOME=$WORK/config
source "$HERE/desktop.sh"
source "$HERE/window_tests.sh"
source "$HERE/sound_tests.sh"

BUILD=$(cd "${1:-build}" 2>/dev/null && pwd) && [[ -x $BUILD/src/platform/qt/qm7w ]] ||
    { fail "a full build in ${1:-build} (src/platform/qt/qm7w)" && finish; }
for tool in Xvfb xdotool import convert setxkbmap sox parec python3 strace; do
    command -v "$tool" >/dev/null || fail "the tool $tool is installed"
done
FAKETIME_LIB=$(compgen -G "/usr/lib/*/faketime/libfaketimeMT.so.1" | head -n 1) || fail "faketime is installed"
((FAILED == 0)) || finish

if start_screen; then
    for test in test_full_run test_retry test_history_csv test_refused_file test_program_folders test_shift_digits test_hostile_files test_sounds; do
        "$test"
        stop_program
    done
else
    fail "Xvfb starts: $(cat "$WORK/xvfb.log")"
fi
test_drill_check

# The fault test prints PASS/FAIL lines of its own; its harness's messages go straight to standard error.
SDL_AUDIODRIVER=dummy take_verdicts python3 "$HERE/log_fault.py" 300 "$BUILD/tests/e2e/qm7_log_fault_harness"
finish
