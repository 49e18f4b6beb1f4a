# Drives the real program on the virtual screen as a learner would and looks at it through screenshots.
# Sourced by run.sh, which sets BUILD, WORK, SHOTS, RUNTIME and DISPLAY.

# Places inside the main window's client area.
OPEN_BUTTON=(148 12)
EXIT_BUTTON=(188 12)
SKIP_BUTTON=(244 12)
HINT_BUTTON=(508 12)
KAKUNIN=(600 194)
YELLOW=255,255,0
RED=255,0,0
GREEN=0,128,0
# Qt's open dialog is titled "開く", which xdotool reads as Latin-1 bytes: the window named neither Mn1 nor QM7W.
OPEN_DIALOG='[^MQ].*'
APP_PID=
W=

# Runs a command every tenth of a second until it succeeds or $1 seconds have passed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

find_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .
}

no_window() {
    ! find_window "$1" >/dev/null
}

# The program keeps its results log beside itself, so every test runs a copy of its own in folder $1.
install_program() {
    mkdir -p "$1"
    cp "$BUILD"/src/platform/qt/{qm7w,pinpon.wav,buzz.wav,Qm7wh.hlp} "$1/"
}

# Starts the copy in folder $1 and waits for its window; with $2 ("2026-12-06 00:50:58") its clock
# starts at that local time.
start_program() {
    local environment=(SDL_AUDIODRIVER="${SOUND_DRIVER:-dummy}" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$RUNTIME")
    [[ -n ${2:-} ]] && environment+=(LD_PRELOAD="$FAKETIME_LIB" FAKETIME="@$2")
    (cd "$1" && exec env "${environment[@]}" ./qm7w >"$WORK/program.out" 2>&1) &
    APP_PID=$!
    W=
    wait_for 10 find_window Mn1 >/dev/null && W=$(find_window Mn1)
}

program_running() {
    kill -0 "$APP_PID" 2>/dev/null
}

program_ended() {
    ! program_running
}

# Waits up to $1 seconds for the program to end and checks that it ended well.
ended_well() {
    wait_for "$1" program_ended && wait "$APP_PID"
}

stop_program() {
    [[ -n $APP_PID ]] && ! program_ended && kill "$APP_PID" && wait "$APP_PID" 2>/dev/null
    APP_PID=
}

click() {
    xdotool mousemove --window "$W" "$1" "$2" click 1
}

# Keys go where the program has put its keyboard focus (the question memo, or Enter in its loop).
press() {
    xdotool windowfocus --sync "$W" key "$@"
}

# A region of the main window: "%k" its number of colours, "%#" a signature of its pixels.
region() {
    import -window "$W" png:- 2>/dev/null | convert png:- -crop "${2}x$3+$4+$5" +repage -format "$1" info:-
}

kakunin_is() {
    [[ $(import -window "$W" png:- 2>/dev/null | convert png:- -crop "1x1+${KAKUNIN[0]}+${KAKUNIN[1]}" -depth 8 txt:- |
        sed -nE 's/^0,0: *\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p') == "$1" ]]
}

question_number() {
    region %# 24 13 109 363
}

enter_shown() {
    (($(region %k 41 37 8 363) > 2))
}

# After an answer that completes the question: the next question is on screen, ready for answers.
next_question_since() {
    kakunin_is "$YELLOW" && [[ $(question_number) != "$1" ]]
}

shot() {
    import -window "${2:-$W}" "$SHOTS/$1.png" 2>/dev/null
}

# Opens a question file through the open button and the dialog's file name box.
open_file() {
    click "${OPEN_BUTTON[@]}"
    wait_for 10 find_window "$OPEN_DIALOG" >/dev/null || return 1
    xdotool windowfocus --sync "$(find_window "$OPEN_DIALOG")" type --delay 5 "$1"
    xdotool key Return
    wait_for 3 no_window "$OPEN_DIALOG" && return
    # The file name box's completion list took the first Return.
    xdotool key Return
    wait_for 5 no_window "$OPEN_DIALOG"
}

# Waits for a message box, screenshots it as $1 and closes it with Return.
close_box() {
    wait_for "${2:-10}" find_window QM7W >/dev/null || return 1
    local box
    box=$(find_window QM7W)
    sleep 0.3 # mapped a moment before it is painted
    shot "$1" "$box"
    xdotool windowfocus --sync "$box" key Return
    wait_for 5 no_window QM7W
}

# Xvfb picks a free display number itself and writes it to file descriptor 3.
start_screen() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    wait_for 10 test -s "$WORK/display" || return 1
    DISPLAY=:$(head -n 1 "$WORK/display")
    export DISPLAY
}
