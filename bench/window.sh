#!/usr/bin/env bash
# Benchmarks of the real qm7w program under Xvfb, driven with xdotool: the time from start to the
# window shown, the processor used while the program waits (the acknowledgement loop after a missed
# question, the pause after a completed one), the peak memory of a whole run, and the time from a click
# on the history button to the history window shown with a full results log.
# Builds qm7w in build-bench-window/ (Release); needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-packages.sh
source bench/screen.sh
ensure_packages

BUILD=build-bench-window
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM7_BENCH=ON
cmake --build "$BUILD" -j2 --target qm7w qm7_window_bench

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=

stop_program() {
    # SIGKILL: once the sound system has started, SDL takes SIGTERM for itself.
    if [[ -n "$APP_PID" ]]; then
        kill -KILL "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
        APP_PID=
    fi
}

cleanup() {
    stop_program
    stop_screen
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "window benchmark failed: $*" >&2
    if [[ -n "${DISPLAY:-}" ]] && import -window root "$BUILD/window-failure.png" 2>/dev/null; then
        echo "The screen at that moment: $BUILD/window-failure.png" >&2
    fi
    if [[ -s "$WORK/program.log" ]]; then
        echo "--- program output:" >&2
        tail -n 20 "$WORK/program.log" >&2
    fi
    if [[ -s "$WORK/xvfb.log" ]]; then
        echo "--- Xvfb output:" >&2
        tail -n 20 "$WORK/xvfb.log" >&2
    fi
    exit 1
}

# Sleeps until the wall clock reaches the given microsecond.
sleep_until() {
    local left=$(($1 - $(now_us)))
    if ((left > 0)); then
        sleep "$(printf '%d.%06d' $((left / 1000000)) $((left % 1000000)))"
    fi
}


# Sets TICKS to the processor time of the whole process, all threads, user and system, in clock ticks.
read_cpu_ticks() {
    local stat fields
    stat=$(<"/proc/$APP_PID/stat") || fail "qm7w is no longer running"
    read -ra fields <<<"${stat##*) }"
    TICKS=$((fields[11] + fields[12]))
}
TICKS_PER_SECOND=$(getconf CLK_TCK)

source bench/window-view.sh

start_program() {
    (cd "$WORK" && exec ./qm7w >>"$WORK/program.log" 2>&1) &
    APP_PID=$!
}

# The program with its effect sounds and help file, alone in a folder of its own, so that its results
# log goes there too.
PROGRAM_DIR="$BUILD/src/platform/qt"
cp "$PROGRAM_DIR/qm7w" "$PROGRAM_DIR/pinpon.wav" "$PROGRAM_DIR/buzz.wav" "$PROGRAM_DIR/Qm7wh.hlp" "$WORK/"

# Six questions of two choices in file order ("/R"), so the right key of each is known. The base line
# names no sound files, so a completed question plays the chime.
printf '%s\r\n' 'Window bench' 'wbench' '/R' \
    'one = ___' '#1#2' '1' 'two = ___' '#1#2' '2' 'one = ___' '#1#2' '1' \
    'two = ___' '#1#2' '2' 'one = ___' '#1#2' '1' 'two = ___' '#1#2' '2' >"$WORK/wbench.m7"
KEYS=(1 2 1 2 1 2)

start_screen
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
# The file dialog keeps its history in the configuration folder; keep it out of the user's.
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY

# 1. Start to window shown. xdotool's --sync looks only every half second, so poll the window list.
STARTS=()
for _ in $(seq 10); do
    started=$(now_us)
    start_program
    wait_for 10 "window Mn1" main_window_shown
    STARTS+=($((($(now_us) - started) / 1000)))
    stop_program
done
mapfile -t STARTS < <(printf '%s\n' "${STARTS[@]}" | sort -n)
START_MEDIAN=$(((STARTS[4] + STARTS[5]) / 2))

# 2. and 3. One whole run of the drill.
start_program
open_drill wbench.m7

# Question 1: a miss, then the right key; with sound on, the chime plays and the loop runs its 11
# cycles, since Enter is never pressed.
xdotool key 2
sleep 0.2
xdotool key "${KEYS[0]}"
wait_for 5 "Enter button" enter_shown
loop_start=$(now_us)
read_cpu_ticks
loop_ticks=$TICKS
sleep 12.5
read_cpu_ticks
LOOP_CPU=$((TICKS - loop_ticks))
LOOP_MEASURED=$(($(now_us) - loop_start))
wait_for 5 "end of the acknowledgement loop" enter_hidden
LOOP_WALL=$(($(now_us) - loop_start))
wait_for 5 "second question" question_shown

# Questions 2 to 6 answered at once, with sound off, so each is followed by the plain 800 ms pause
# alone; the measurement ends before the pause does.
xdotool mousemove --window "$MAIN_WINDOW" 332 12 click 1 mousemove 0 0
PAUSE_CPU=0
PAUSE_MEASURED=0
for question in 1 2 3 4 5; do
    sleep 0.2
    xdotool key "${KEYS[$question]}"
    pause_start=$(now_us)
    read_cpu_ticks
    pause_ticks=$TICKS
    wait_for 1 "answer mark" answer_marked
    sleep_until $((pause_start + 750000))
    read_cpu_ticks
    PAUSE_CPU=$((PAUSE_CPU + TICKS - pause_ticks))
    PAUSE_MEASURED=$((PAUSE_MEASURED + $(now_us) - pause_start))
    wait_for 5 "next question" question_shown
done

# Question 1 again, the last one pending: its answer ends the run with the congratulation box.
sleep 0.2
xdotool key "${KEYS[0]}"
wait_for 10 "congratulation box" message_box_shown
xdotool windowfocus "$OTHER_WINDOW"
xdotool key Return
wait_for 5 "closed congratulation box" other_window_gone
[[ -s "$WORK/QM7Kekka.DAT" ]] || fail "the run wrote no results log"
PEAK_KIB=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$APP_PID/status")
[[ -n "$PEAK_KIB" ]] || fail "no VmHWM in /proc/$APP_PID/status"
stop_program

echo
echo "=== Figures: the qm7w program under Xvfb"
awk -v median="$START_MEDIAN" -v low="${STARTS[0]}" -v high="${STARTS[9]}" \
    -v loop_cpu="$LOOP_CPU" -v loop_measured="$LOOP_MEASURED" -v loop_wall="$LOOP_WALL" \
    -v pause_cpu="$PAUSE_CPU" -v pause_measured="$PAUSE_MEASURED" \
    -v hz="$TICKS_PER_SECOND" -v peak="$PEAK_KIB" 'BEGIN {
    printf "%-42s %9d ms (median of 10, %d to %d ms)\n", "Start to window shown", median, low, high
    printf "%-42s %9.2f %% of one core (%d ms CPU in %.2f s; the loop lasted %.2f s)\n",
           "Acknowledgement loop, 11 cycles", 100 * loop_cpu / hz / (loop_measured / 1e6),
           1000 * loop_cpu / hz, loop_measured / 1e6, loop_wall / 1e6
    printf "%-42s %9.2f %% of one core (%d ms CPU in %.2f s, 5 pauses)\n",
           "Pause of 800 ms after a completed question", 100 * pause_cpu / hz / (pause_measured / 1e6),
           1000 * pause_cpu / hz, pause_measured / 1e6
    printf "%-42s %9.1f MiB (VmHWM)\n", "Peak memory of a whole run", peak / 1024
}'

echo
echo "=== Figures: the history window, click to shown and painted (201 records)"
"$BUILD/bench/qm7_window_bench"
