# The program's real window, used as a learner would. Sourced by run.sh after desktop.sh.

seconds_of() {
    echo $((10#${1:0:2} * 3600 + 10#${1:2:2} * 60 + 10#${1:4:2}))
}

# A sample drill kept in file order ("/R"), so the keys written in the file are the right answers:
# question 1 "2", question 2 "2 4", question 3 "1 3", question 4 "2 3".
test_full_run() {
    local t="full run" folder=$WORK/full
    install_program "$folder/program"
    mkdir -p "$folder/drills"
    cp "$ROOT"/samples/{directives.m7,katachi_yaku.txt,katachi0?.bmp,koe0?.wav} "$folder/drills/"
    local log=$folder/program/QM7Kekka.DAT before=$folder/log-before
    printf '%s\r\n' "261205 101010-102010,600020023003020abc" "261205 111111-111346,125020010000020def" >"$log"
    cp "$log" "$before"

    start_program "$folder/program" "2026-12-06 00:50:58" || { fail "$t: the main window Mn1 appears"; return; }
    if ! open_file "$folder/drills/directives.m7" || ! wait_for 10 kakunin_is "$YELLOW"; then
        fail "$t: the drill opens and shows question 1"
        return
    fi
    # Question 1: a hint, a miss by key, a miss by click, then the right key.
    check "$t: translation line empty before the hint" test "$(region %k 300 13 138 363)" -le 1
    click "${HINT_BUTTON[@]}"
    check "$t: Hint shows the translation line" wait_for 5 eval '(($(region %k 300 13 138 363) > 2))'
    shot full-1-hint
    press 1
    check "$t: key 1 is a miss (NG on red)" wait_for 5 kakunin_is "$RED"
    click 28 262
    local number keys
    number=$(question_number)
    press 2
    check "$t: key 2 is right (OK on green)" wait_for 5 kakunin_is "$GREEN"
    check "$t: after a miss the Enter button waits for the learner" wait_for 10 enter_shown
    press Return
    check "$t: Return on Enter ends the loop; question 2 follows" wait_for 20 next_question_since "$number"
    check "$t: the Enter button is hidden again" eval '! enter_shown'

    # Question 2 skipped; questions 3 and 4 without a miss, question 1 again, then question 2 by clicks.
    number=$(question_number)
    click "${SKIP_BUTTON[@]}"
    check "$t: Skip shows question 3" wait_for 5 eval '[[ $(question_number) != "$number" ]]'
    for keys in "1 3" "2 3" "2"; do
        number=$(question_number)
        press "${keys%% *}"
        wait_for 5 kakunin_is "$GREEN"
        [[ $keys == *" "* ]] && press "${keys##* }"
        check "$t: keys $keys answer the question; the next one follows" wait_for 20 next_question_since "$number"
    done
    click 28 235
    wait_for 5 kakunin_is "$GREEN"
    click 28 290
    check "$t: the congratulation box ends the run" close_box full-2-congratulation 20
    sleep 0.3
    shot full-3-end
    click "${EXIT_BUTTON[@]}"
    check "$t: the exit button ends the program" ended_well 10

    # The record: 36 fixed columns, the base line, CR LF, appended to the earlier records.
    local size added
    size=$(stat -c %s "$before")
    check "$t: the earlier records are kept byte for byte" cmp -s -n "$size" "$log" "$before"
    added=$(tail -c +"$((size + 1))" "$log" && echo x)
    added=${added%x}
    local pattern=$'^261206 (005[0-9]{3})-([0-9]{6}),([0-9]{3})004008002004shiji\r\n$'
    if [[ $added =~ $pattern ]]; then
        local start=$(seconds_of "${BASH_REMATCH[1]}") end=$(seconds_of "${BASH_REMATCH[2]}")
        local elapsed=$((10#${BASH_REMATCH[3]}))
        check "$t: one record appended, opened after the clock's 005058, its run time $elapsed s that of the stamp" \
            test "$start" -ge 3058 -a "$start" -le 3118 -a "$elapsed" -ge 5 -a "$((end - start - elapsed))" -ge -1 \
            -a "$((end - start - elapsed))" -le 2
    else
        fail "$t: one record appended as expected, got $(printf '%q' "$added")"
    fi
}

# A file without any choices line is refused, and the program then ends by itself.
test_refused_file() {
    local t="refused file" folder=$WORK/refused
    install_program "$folder/program"
    printf '%s\r\n' "No choices here" "nochoices" "This ___ has a blank" "but no line of choices." "1" \
        >"$folder/nochoices.m7"
    local files
    files=$(ls "$folder/program")
    start_program "$folder/program" || { fail "$t: the main window Mn1 appears"; return; }
    check "$t: the file is chosen in the open dialog" open_file "$folder/nochoices.m7"
    check "$t: a box reports the wrong format and closes with Return" close_box refused-box
    check "$t: the program ends by itself after the box" ended_well 10
    expect_eq "$t: no results log, nothing new beside the program" "$(ls "$folder/program")" "$files"
}
