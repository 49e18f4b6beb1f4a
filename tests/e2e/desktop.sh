# Shared by run.sh and package.sh: PASS/FAIL lines, and the real program on a virtual screen driven as
# a learner would and seen through screenshots. Sourced with ROOT and WORK set; BUILD and FAKETIME_LIB
# are needed by start_program alone.
source "$ROOT/tools/sound-server.sh"
PASSED=0 FAILED=0 APP_PID= W= XVFB_PID=
RUNTIME=$WORK/runtime
mkdir -m 700 "$RUNTIME"
trap 'stop_program; stop_sound_server; [[ -n $XVFB_PID ]] && kill $XVFB_PID; chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT

# Places inside the main window's client area.
OPEN_BUTTON=(148 12) EXIT_BUTTON=(188 12) SKIP_BUTTON=(244 12) SOUND_BUTTON=(332 12) HINT_BUTTON=(508 12)
RETRY_BUTTON=(596 12) HISTORY_BUTTON=(388 12) LISTEN_BUTTON=(452 12)
YELLOW=255,255,0 RED=255,0,0 GREEN=0,128,0
# Qt's open dialog is titled "開く", which xdotool reads as Latin-1 bytes: the window named neither Mn1 nor QM7W.
OPEN_DIALOG='[^MQ].*'

pass() { echo "PASS $*" && PASSED=$((PASSED + 1)); }
fail() { echo "FAIL $*" && FAILED=$((FAILED + 1)); }
check() { if "${@:2}"; then pass "$1"; else fail "$1"; fi; }
expect_eq() { if [[ $2 == "$3" ]]; then pass "$1"; else fail "$1: got \"$2\", expected \"$3\""; fi; }
finish() {
    echo "$PASSED passed, $FAILED failed"
    ((FAILED == 0))
    exit
}

# Runs a command that prints PASS and FAIL lines of its own and counts them; other lines go through.
take_verdicts() {
    local verdict text
    while read -r verdict text; do
        case $verdict in
        PASS) pass "$text" ;;
        FAIL) fail "$text" ;;
        *) echo "$verdict $text" ;;
        esac
    done < <("$@" || echo "FAIL $* ended")
}

# Runs a command every tenth of a second until it succeeds or $1 seconds have passed.
wait_for() {
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
no_window() { ! find_window "$1" >/dev/null; }
window_up() { wait_for 10 find_window Mn1 >/dev/null && W=$(find_window Mn1); }

# Starts a copy of the program in folder $1, where it keeps its results log; with $2 ("2026-12-06
# 00:50:58") its clock starts at that local time; further arguments go to the program.
start_program() {
    local environment=(SDL_AUDIODRIVER="${SOUND_DRIVER:-dummy}" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$RUNTIME")
    [[ -n ${2:-} ]] && environment+=(LD_PRELOAD="$FAKETIME_LIB" FAKETIME="@$2")
    mkdir -p "$1" && cp "$BUILD"/src/platform/qt/{qm7w,pinpon.wav,buzz.wav,Qm7wh.hlp} "$1/"
    (cd "$1" && exec env "${environment[@]}" ./qm7w "${@:3}" >"$WORK/program.out" 2>&1) &
    APP_PID=$!
    window_up || { grep -av ALSA "$WORK/program.out" | tail -n 3 >&2 && false; }
}

# Starts the program as start_program does and opens drill $2.
start_drill() { start_program "$1" "${3:-}" && open_drill "$2"; }

# Opens drill $1 through the open button and the dialog.
open_drill() {
    click "${OPEN_BUTTON[@]}" && wait_for 10 find_window "$OPEN_DIALOG" >/dev/null &&
        timeout 10 xdotool windowfocus --sync "$(find_window "$OPEN_DIALOG")" type --delay 5 "$1" && xdotool key Return || return
    wait_for 3 no_window "$OPEN_DIALOG" && return
    xdotool key Return # the file name box's completion list took the first one
    wait_for 5 no_window "$OPEN_DIALOG"
}

program_running() { kill -0 "$APP_PID" 2>/dev/null; }
# Waits up to $1 seconds for the program to end and checks that it ended well.
ended_well() { wait_for "$1" eval '! program_running' && wait "$APP_PID"; }
stop_program() {
    [[ -n $APP_PID ]] && program_running && kill "$APP_PID" && wait "$APP_PID" 2>/dev/null
    APP_PID=
}

click() { xdotool mousemove --window "$W" "$1" "$2" click 1; }
# Keys go where the program has put its keyboard focus (the question memo, or Enter in its loop).
press() { timeout 10 xdotool windowfocus --sync "$W" key "$@"; }

# A region of the main window: "%k" its number of colours, "%#" a signature of its pixels.
region() { timeout 10 import -window "$W" png:- 2>/dev/null | convert png:- -crop "${2}x$3+$4+$5" +repage -format "$1" info:-; }
# The pixel at $1,$2 of the main window has the colour $3 ("255,255,0").
pixel_is() {
    [[ $(timeout 10 import -window "$W" png:- 2>/dev/null | convert png:- -crop "1x1+$1+$2" -depth 8 txt:- |
        sed -nE 's/^0,0: *\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p') == "$3" ]]
}
kakunin_is() { pixel_is 600 194 "$1"; }
# The run has ended: the progress bar is full to its far end.
gauge_full() { pixel_is 550 392 0,255,255; }
first_question() { wait_for 10 kakunin_is "$YELLOW"; }
question_number() { region %# 24 13 109 363; }
hint_shown() { (($(region %k 300 13 138 363) > 2)); }
enter_shown() { (($(region %k 41 37 8 363) > 2)); }
# The next question is on screen, ready for answers.
next_question_since() { kakunin_is "$YELLOW" && [[ $(question_number) != "$1" ]]; }

# Answers the question on screen, one key per blank, each after the previous one was taken.
answer() {
    local key
    press "$1"
    for key in "${@:2}"; do wait_for 5 kakunin_is "$GREEN" && press "$key"; done
}

# Answers as answer does and waits for the next question.
answer_next() {
    local number
    number=$(question_number)
    answer "$@" && wait_for 20 next_question_since "$number"
}

# Waits up to $1 seconds (default 10) for a message box and closes it with Return.
close_box() {
    wait_for "${1:-10}" find_window QM7W >/dev/null || return 1
    sleep 0.3 # mapped a moment before it is ready
    timeout 10 xdotool windowfocus --sync "$(find_window QM7W)" key Return
    wait_for 5 no_window QM7W
}

# Log $1 holds file $2 byte for byte, then one record matching $3 and CR LF.
appended_one() {
    local size added
    size=$(stat -c %s "$2")
    added=$(tail -c +$((size + 1)) "$1" && echo x)
    cmp -s -n "$size" "$1" "$2" && [[ ${added%x} =~ ^$3$'\r\n'$ ]] ||
        { echo "log: $(printf %q "$(cat "$1")")" && false; }
}

# Log $1 holds file $2 byte for byte, then the record of file $3: byte for byte but for the start and end
# times and the seconds taken, which the clock decides.
appended_record() {
    local size
    size=$(stat -c %s "$2")
    cmp -s -n "$size" "$1" "$2" && tail -c +$((size + 1)) "$1" |
        LC_ALL=C sed -E '1s/^(.{6} )[0-9]{6}-[0-9]{6},[0-9]{3}/\1hhmmss-hhmmss,sss/' | cmp -s - "$3" ||
        { echo "log: $(printf %q "$(cat "$1")")" && false; }
}

# Xvfb picks a free display number itself and writes it to file descriptor 3. It must not reset when
# its last client leaves between two programs: a program connecting during the reset cannot start.
start_screen() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    wait_for 10 test -s "$WORK/display" && export DISPLAY=:$(head -n 1 "$WORK/display")
}
