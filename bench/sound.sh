#!/usr/bin/env bash
# Delay from a key press to the first sample heard, through a private PulseAudio server: ten misses
# (the buzz), ten completions after a miss and ten clean completions (the chime), with the real qm7w
# under Xvfb. "Heard" is when the server's sink plays the sample, as recorded from its monitor.
# Builds qm7w in build-bench-window/ (Release).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-packages.sh
source tools/sound-server.sh
source bench/screen.sh
ensure_packages

BUILD=build-bench-window
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 --target qm7w >/dev/null

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=
RECORDER_PID=

stop() {
    if [[ -n $1 ]]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}

cleanup() {
    stop "$APP_PID"
    stop "$RECORDER_PID"
    stop_sound_server
    stop_screen
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "sound benchmark failed: $*" >&2
    tail -n 20 "$WORK/program.log" >&2 || true
    exit 1
}

source bench/window-view.sh

press() {
    python3 bench/sound_delay.py press "$WORK" "$@"
}

PROGRAM_DIR="$BUILD/src/platform/qt"
cp "$PROGRAM_DIR/qm7w" "$PROGRAM_DIR/pinpon.wav" "$PROGRAM_DIR/buzz.wav" "$WORK/"
# Thirty questions of two choices in file order, "1" right and "2" wrong; no sounds of their own.
{
    printf '%s\r\n' 'Sound bench' 'sbench' '/R'
    for _ in $(seq 30); do printf '%s\r\n' 'one = ___' '#1#2' '1'; done
} >"$WORK/sbench.m7"

start_sound_server "$WORK/server" || fail "the sound server does not start"
start_screen
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=pulseaudio
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

python3 bench/sound_delay.py record "$WORK" &
RECORDER_PID=$!
(cd "$WORK" && exec ./qm7w >>"$WORK/program.log" 2>&1) &
APP_PID=$!
open_drill sbench.m7

for _ in $(seq 10); do
    sleep 0.3
    press 2 "miss"
    sleep 0.8
    press 1 "completion-after-a-miss"
    wait_for 5 "Enter button" enter_shown
    xdotool key Return
    wait_for 5 "next question" question_shown
    sleep 0.3
    press 1 "clean-completion"
    sleep 0.2
    wait_for 5 "next question" question_shown
done
sleep 0.5
stop "$RECORDER_PID"
RECORDER_PID=

echo
echo "=== Figures: key press to the first sample heard, through PulseAudio"
python3 bench/sound_delay.py report "$WORK" "$WORK/pinpon.wav" "$WORK/buzz.wav"
