# Drives the real program on the virtual screen as a learner would: clicks, key presses, boxes closed
# with Return, and looks at it through screenshots. Sourced by run.sh, which sets BUILD, WORK, SHOTS,
# RUNTIME and DISPLAY.

# Places of the main window's controls, inside its client area.
OPEN_BUTTON=(148 12)
EXIT_BUTTON=(188 12)
SKIP_BUTTON=(244 12)
HINT_BUTTON=(508 12)
KAKUNIN=(600 194)
WINDOW_BACKGROUND=255,255,225
YELLOW=255,255,0
RED=255,0,0
GREEN=0,128,0

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
    local found
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n $found ]] && echo "$found"
}

no_window() {
    ! find_window "$1" >/dev/null
}

# The program writes its results log beside itself, so every test runs a copy of its own.
install_program() {
    mkdir -p "$1"
    cp "$BUILD"/src/platform/qt/{qm7w,pinpon.wav,buzz.wav,Qm7wh.hlp} "$1/"
}

# Starts the copy in folder $1 and waits for its window. With $2 ("2026-12-06 00:50:58") its clock
# starts at that local time and runs on from there.
start_program() {
    local folder=$1 start=${2:-}
    local environment=(SDL_AUDIODRIVER="${SOUND_DRIVER:-dummy}" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$RUNTIME")
    if [[ -n $start ]]; then
        environment+=(LD_PRELOAD="$FAKETIME_LIB" FAKETIME="@$start")
    fi
    (cd "$folder" && exec env "${environment[@]}" ./qm7w >"$folder.out" 2>&1) &
    APP_PID=$!
    W=
    wait_for 10 find_window Mn1 >/dev/null && W=$(find_window Mn1)
    [[ -n $W ]]
}

program_running() {
    kill -0 "$APP_PID" 2>/dev/null
}

program_ended() {
    ! program_running
}

# Waits up to $1 seconds for the program to end; its exit status is then in APP_STATUS.
wait_program_end() {
    APP_STATUS=
    wait_for "$1" program_ended || return 1
    wait "$APP_PID"
    APP_STATUS=$?
}

stop_program() {
    if [[ -n $APP_PID ]] && program_running; then
        kill "$APP_PID"
        wait "$APP_PID" 2>/dev/null
    fi
    APP_PID=
}

click() {
    xdotool mousemove --window "$W" "$1" "$2" click 1
}

# Keys go where the program has put its keyboard focus (the question memo, or Enter in its loop).
press() {
    xdotool windowfocus --sync "$W"
    xdotool key "$@"
}

client_size() {
    xwininfo -id "$W" | awk '/Width:/ { width = $2 } /Height:/ { height = $2 } END { print width "x" height }'
}

window_title() {
    xwininfo -id "$W" | sed -nE 's/^xwininfo: Window id: [^"]*"(.*)"$/\1/p'
}

# "r,g,b" of one pixel of the main window.
pixel() {
    import -window "$W" png:- 2>/dev/null | convert png:- -crop "1x1+$1+$2" -depth 8 txt:- |
        sed -nE 's/^0,0: *\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p'
}

kakunin_is() {
    [[ $(pixel "${KAKUNIN[@]}") == "$1" ]]
}

# A region of the main window: its number of distinct colours, or a signature of its pixels.
region() {
    local format=$1 width=$2 height=$3 left=$4 top=$5
    import -window "$W" png:- 2>/dev/null | convert png:- -crop "${width}x$height+$left+$top" +repage -format "$format" info:-
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

# Width, height and colours of a screenshot, e.g. "646 408 1036".
picture_facts() {
    convert "$SHOTS/$1.png" -format '%w %h %k' info:-
}

# Opens a question file through the open button and the dialog's file name box.
open_file() {
    click "${OPEN_BUTTON[@]}"
    local dialog
    wait_for 10 find_window Open >/dev/null || return 1
    dialog=$(find_window Open)
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 5 "$1"
    xdotool key Return
    wait_for 5 no_window Open
}

# Waits for a message box, screenshots it as $1 and closes it with Return.
close_box() {
    local box
    wait_for "${2:-10}" find_window QM7W >/dev/null || return 1
    box=$(find_window QM7W)
    # The box is mapped a moment before it is painted.
    sleep 0.3
    shot "$1" "$box"
    xdotool windowfocus --sync "$box"
    xdotool key Return
    wait_for 5 no_window QM7W
}

# Xvfb picks a free display number itself and writes it to file descriptor 3.
start_screen() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    wait_for 10 test -s "$WORK/display" || return 1
    DISPLAY=:$(head -n 1 "$WORK/display")
    export DISPLAY
}
