# Digits typed with Shift held still answer: the key, not its character, names the choice (Shift itself
# goes down first and counts a miss, as every other key does). Once on the US layout and once on the
# Japanese jp106 one, where Shift+2 types '"' instead of '@'. Sourced by run.sh while the screen runs;
# the screen keeps the US layout afterwards.
test_shift_digits() {
    local t="shift digits" folder=$WORK/shift number
    if ! command -v setxkbmap >/dev/null; then
        fail "$t: the tool setxkbmap is installed"
        return
    fi
    install_program "$folder/program"
    mkdir -p "$folder/drills"
    printf '%s\r\n' "Shift" "shift" "/R" "One ___" "#one#two#three" "1" "Two ___" "#one#two#three" "2" \
        >"$folder/drills/shift.m7"
    if ! start_program "$folder/program" || ! open_file "$folder/drills/shift.m7" ||
        ! wait_for 10 kakunin_is "$YELLOW"; then
        fail "$t: the drill opens and shows question 1"
        return
    fi
    click 332 12 # sound off: a miss then waits for Enter no longer
    setxkbmap -display "$DISPLAY" -model pc105 us
    number=$(question_number)
    press shift+1
    check "$t: Shift+1 on the US layout answers choice 1 (OK on green)" wait_for 5 kakunin_is "$GREEN"
    check "$t: question 2 follows" wait_for 20 next_question_since "$number"
    setxkbmap -display "$DISPLAY" -model jp106 jp
    press shift+2
    check "$t: Shift+2 on the jp106 layout answers choice 2 (OK on green)" wait_for 5 kakunin_is "$GREEN"
    shot shift-jp106
    setxkbmap -display "$DISPLAY" -model pc105 us
}

test_shift_digits
stop_program
