#!/usr/bin/env bash
# Delay from a key press to the first sample heard, through a private PulseAudio server: ten misses
# (the buzz), ten completions after a miss and ten clean completions (the chime), with the real qm7w
# under Xvfb. "Heard" is when the server's sink plays the sample, as recorded from its monitor.
# Builds qm7w in build-bench-window/ (Release).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-packages.sh
source tools/sound-server.sh
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
    stop "$XVFB_PID"
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "sound benchmark failed: $*" >&2
    tail -n 20 "$WORK/program.log" >&2 || true
    exit 1
}

# Runs a command every 20 ms until it succeeds; fails after the given number of seconds.
wait_for() {
    local tries=$(($1 * 50)) what=$2
    shift 2
    until "$@"; do
        ((--tries > 0)) || fail "no $what"
        sleep 0.02
    done
}

pixel() {
    import -window "$MAIN_WINDOW" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}
enter_shown() { [[ "$(pixel 12 395)" != FFFFE1 ]]; }
question_shown() { [[ "$(pixel 606 196)" == FFFF00 ]]; }
main_window_shown() {
    MAIN_WINDOW=$(xdotool search --onlyvisible --name '^Mn1$' 2>/dev/null | head -n 1)
    [[ -n "$MAIN_WINDOW" ]]
}
dialog_shown() {
    DIALOG=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -vx "$MAIN_WINDOW" | head -n 1)
    [[ -n "$DIALOG" ]]
}
dialog_gone() { ! dialog_shown; }

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
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
wait_for 10 "Xvfb display" test -s "$WORK/display"
export DISPLAY=":$(<"$WORK/display")" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=pulseaudio
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

python3 bench/sound_delay.py record "$WORK" &
RECORDER_PID=$!
(cd "$WORK" && exec ./qm7w >>"$WORK/program.log" 2>&1) &
APP_PID=$!
wait_for 10 "window Mn1" main_window_shown
xdotool windowfocus "$MAIN_WINDOW"
xdotool mousemove --window "$MAIN_WINDOW" 148 12 click 1 mousemove 0 0
wait_for 10 "open dialog" dialog_shown
xdotool windowfocus "$DIALOG"
xdotool type --delay 5 sbench.m7
xdotool key Return
wait_for 10 "closed open dialog" dialog_gone
xdotool windowfocus "$MAIN_WINDOW"
wait_for 10 "first question" question_shown

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
