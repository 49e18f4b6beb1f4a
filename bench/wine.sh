#!/usr/bin/env bash
# Benchmarks of the Windows program under Wine on Xvfb, with the Wine server running: the time from start to
# the window shown, against a minimal Win32 window of our own; the delay from a key press to the verdict
# shown; the peak memory of a whole run. Builds both programs in build-win/, the cross build ./test makes;
# says so and ends when the MinGW-w64 cross compiler or Wine is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null; then
    echo "No Windows figures: the MinGW-w64 cross compiler or Wine is not installed"
    exit 0
fi

BUILD=$PWD/build-win
[[ -f $BUILD/CMakeCache.txt ]] ||
    cmake -S . -B "$BUILD" -G Ninja --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release -DQM7_WERROR=ON >/dev/null
cmake --build "$BUILD" -j2 --target qm7w qm7_minimal_window >/dev/null

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=
source tools/sound-server.sh
source tools/wine-prefix.sh
source bench/screen.sh

stop_program() {
    if [[ -n $APP_PID ]]; then
        kill -KILL "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
        APP_PID=
    fi
}
cleanup() {
    stop_program
    stop_sound_server
    wineserver -k 2>/dev/null || true
    stop_screen
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "Windows benchmark failed: $*" >&2
    tail -n 20 "$WORK/program.log" >&2 || true
    exit 1
}

shown() {
    WINDOW=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n $WINDOW ]]
}
gone() { ! shown "$1"; }

start_program() {
    (cd "$WORK/program" && exec env "${WINE_LOCALE[@]}" wine "$@" >>"$WORK/program.log" 2>&1) &
    APP_PID=$!
}

# Starts program $2 eleven times until its window titled $1 shows; the first start, which fills Wine's
# caches, is not counted. Sets STARTS to the ten times in milliseconds, sorted, and PEAK_KIB to the peak
# memory of the last run.
time_start() {
    local title=$1 run started
    shift
    STARTS=()
    for run in $(seq 11); do
        started=$(now_us)
        start_program "$@"
        wait_for 20 "window $title" shown "$title"
        ((run == 1)) || STARTS+=($((($(now_us) - started) / 1000)))
        PEAK_KIB=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$APP_PID/status")
        stop_program
        wait_for 10 "window $title closed" gone "$title"
    done
    mapfile -t STARTS < <(printf '%s\n' "${STARTS[@]}" | sort -n)
}
# Median, lowest and highest of STARTS.
start_figures() { echo "$(((STARTS[4] + STARTS[5]) / 2)) ${STARTS[0]} ${STARTS[9]}"; }

prepare_wine || fail "the Wine prefix in $WINEPREFIX could not be made"
start_screen
start_sound_server "$WORK/sound" >/dev/null || fail "the sound server does not start"
# A server that stays, with the services Wine starts beside it.
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p
wine cmd /c exit >/dev/null 2>&1

mkdir -p "$WORK/program"
cp "$BUILD"/src/platform/win32/{qm7w.exe,pinpon.wav,buzz.wav,Qm7wh.hlp} "$BUILD/bench/qm7_minimal_window.exe" "$WORK/program/"
# Ten questions of two choices in file order, "1" right.
{
    printf '%s\r\n' 'Wine bench' 'wbench' '/R'
    for _ in $(seq 10); do printf '%s\r\n' 'one = ___' '#1#2' '1'; done
} >"$WORK/program/wbench.m7"

# 1. Start to window shown, the program and the minimal window.
time_start Mn1 ./qm7w.exe
read -r START START_LOW START_HIGH < <(start_figures)
time_start Minimal ./qm7_minimal_window.exe
read -r MINIMAL MINIMAL_LOW MINIMAL_HIGH < <(start_figures)
MINIMAL_PEAK_KIB=$PEAK_KIB

# 2. and 3. A whole run of the drill, opened from the command line, with the sound off so that each
# question follows the last after the plain pause: the answer mark turns from "--" on yellow to "OK".
start_program ./qm7w.exe wbench.m7
wait_for 20 "window Mn1" shown Mn1
MAIN=$WINDOW
eval "$(xdotool getwindowgeometry --shell "$MAIN" | grep -E '^(WIDTH|HEIGHT)=')"
# Wine draws the frame inside the X window: the client area lies this far in.
LEFT=$(((WIDTH - 646) / 2)) TOP=$((HEIGHT - 408 - (WIDTH - 646) / 2))
xdotool mousemove --window "$MAIN" $((332 + LEFT)) $((12 + TOP)) click 1 mousemove 0 0
xdotool windowfocus "$MAIN"
read -r VERDICT VERDICT_LOW VERDICT_HIGH < <(python3 bench/key_delay.py "$MAIN" $((600 + LEFT)) $((194 + TOP)) \
    FFFF00 1 1 1 1 1 1 1 1 1 1) || fail "the verdicts were not shown"
wait_for 10 "congratulation box" shown QM7W
xdotool windowfocus "$WINDOW" key Return
wait_for 5 "closed congratulation box" gone QM7W
[[ -s "$WORK/program/QM7Kekka.DAT" ]] || fail "the run wrote no results log"
PEAK_KIB=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$APP_PID/status")

echo
echo "=== Figures: qm7w.exe under Wine $(wine --version 2>/dev/null | sed 's/^wine-//'), its server running"
printf '%-42s %9d ms (median of 10, %d to %d ms)\n' "Start to window shown" "$START" "$START_LOW" "$START_HIGH"
printf '%-42s %9d ms (median of 10, %d to %d ms)\n' "Start to window shown, a minimal window" \
    "$MINIMAL" "$MINIMAL_LOW" "$MINIMAL_HIGH"
printf '%-42s %9.1f ms (median of 10, %.1f to %.1f ms)\n' "Key press to the verdict shown" \
    "$VERDICT" "$VERDICT_LOW" "$VERDICT_HIGH"
awk -v peak="$PEAK_KIB" -v minimal="$MINIMAL_PEAK_KIB" 'BEGIN {
    printf "%-42s %9.1f MiB (VmHWM of the Wine process; a minimal window: %.1f MiB)\n",
           "Peak memory of a whole run", peak / 1024, minimal / 1024 }'
