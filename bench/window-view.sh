# The main window of qm7w as the window benchmarks see it, sourced by window.sh and sound.sh: they
# define wait_for <seconds> <what> <command...> and start the program with APP_PID set.

# Colour of one pixel of the main window's client area, as RRGGBB.
pixel() {
    import -window "$MAIN_WINDOW" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}
# The Enter button covers this point while the acknowledgement loop runs; otherwise the window's
# background shows there.
enter_shown() { [[ "$(pixel 12 395)" != FFFFE1 ]]; }
enter_hidden() { [[ "$(pixel 12 395)" == FFFFE1 ]]; }
# The answer mark is "--" on yellow from the moment a question is presented until it is answered.
question_shown() { [[ "$(pixel 606 196)" == FFFF00 ]]; }
answer_marked() { ! question_shown; }

main_window_shown() {
    MAIN_WINDOW=$(xdotool search --onlyvisible --name '^Mn1$' 2>/dev/null | head -n 1)
    [[ -n "$MAIN_WINDOW" ]]
}
# The open dialog has no fixed title: it is the one visible window beside the main window.
other_window_shown() {
    OTHER_WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -vx "$MAIN_WINDOW" | head -n 1)
    [[ -n "$OTHER_WINDOW" ]]
}
other_window_gone() { ! other_window_shown; }
message_box_shown() {
    OTHER_WINDOW=$(xdotool search --onlyvisible --name '^QM7W$' 2>/dev/null | head -n 1)
    [[ -n "$OTHER_WINDOW" ]]
}

# Waits for the main window, opens the question file $1 (in the program's folder) through the open
# dialog, and waits for its first question.
open_drill() {
    wait_for 10 "window Mn1" main_window_shown
    xdotool windowfocus "$MAIN_WINDOW"
    # The pointer leaves the window after each click, so that no tool tip comes up as a window of its own.
    xdotool mousemove --window "$MAIN_WINDOW" 148 12 click 1 mousemove 0 0
    wait_for 10 "open dialog" other_window_shown
    xdotool windowfocus "$OTHER_WINDOW"
    xdotool type --delay 5 "$1"
    xdotool key Return
    wait_for 10 "closed open dialog" other_window_gone
    # With no window manager, the keyboard focus does not come back to the main window by itself.
    xdotool windowfocus "$MAIN_WINDOW"
    wait_for 10 "first question" question_shown
}
