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
    cp "$ROOT"/samples/{directives.m7,katachi_yaku.txt} "$ROOT"/samples/katachi0?.bmp "$ROOT"/samples/koe0?.wav \
        "$folder/drills/"
    local log=$folder/program/QM7Kekka.DAT before=$folder/log-before
    printf '%s\r\n' "261205 101010-102010,600020023003020abc" "261205 111111-111346,125020010000020def" >"$log"
    cp "$log" "$before"
    # What a write killed half-way leaves beside the log; the program must neither read it nor trip over it.
    local leftover=$folder/program/QM7Kekka.DAT.k1LLed
    printf '%s\r\n' "261205 0000" "not a record" >"$leftover"
    cp "$leftover" "$folder/leftover-before"

    if ! start_program "$folder/program" "2026-12-06 00:50:58"; then
        fail "$t: the main window Mn1 appears"
        return
    fi
    expect_eq "$t: window title" "$(window_title)" "Mn1"
    expect_eq "$t: client size" "$(client_size)" "646x408"
    sleep 0.5
    shot full-1-start
    local facts
    read -r -a facts <<<"$(picture_facts full-1-start)"
    check "$t: start screenshot is 646x408 and not blank (${facts[2]} colours)" \
        test "${facts[0]}x${facts[1]}" = 646x408 -a "${facts[2]}" -gt 10

    if ! open_file "$folder/drills/directives.m7" || ! wait_for 10 kakunin_is "$YELLOW"; then
        fail "$t: the drill opens and shows question 1"
        return
    fi
    pass "$t: the drill opens and shows question 1"
    shot full-2-question1

    # Question 1: a hint, a miss by key, a miss by click, then the right key.
    check "$t: translation line empty before the hint" test "$(region %k 300 13 138 363)" -le 1
    click "${HINT_BUTTON[@]}"
    check "$t: Hint shows the translation line" wait_for 5 eval '(($(region %k 300 13 138 363) > 2))'
    sleep 0.4
    shot full-3-hint
    press 1
    check "$t: key 1 is a miss (NG on red)" wait_for 5 kakunin_is "$RED"
    click 28 262
    sleep 0.3
    local number
    number=$(question_number)
    press 2
    check "$t: key 2 is right (OK on green)" wait_for 5 kakunin_is "$GREEN"
    check "$t: after a miss the Enter button waits for the learner" wait_for 10 enter_shown
    shot full-4-enter
    press Return
    check "$t: Return on Enter ends the loop; question 2 follows" wait_for 20 next_question_since "$number"
    check "$t: the Enter button is hidden again" eval '! enter_shown'

    # Question 2: skipped, it comes back last.
    number=$(question_number)
    click "${SKIP_BUTTON[@]}"
    check "$t: Skip shows question 3" wait_for 5 eval '[[ $(question_number) != "$number" ]]'

    # Questions 3 and 4, two blanks each, without a miss; then question 1 again.
    local keys
    for keys in "1 3" "2 3" "2"; do
        number=$(question_number)
        press "${keys%% *}"
        wait_for 5 kakunin_is "$GREEN"
        [[ $keys == *" "* ]] && press "${keys##* }"
        check "$t: keys $keys answer the question; the next one follows" wait_for 20 next_question_since "$number"
    done
    shot full-5-question2-again

    # Question 2, the last one pending, answered by clicks: choice 2, then choice 4.
    click 28 235
    wait_for 5 kakunin_is "$GREEN"
    click 28 290
    check "$t: the congratulation box ends the run" close_box full-6-congratulation 20
    sleep 0.3
    shot full-7-end
    click "${EXIT_BUTTON[@]}"
    check "$t: the exit button ends the program" wait_program_end 10
    expect_eq "$t: exit status" "$APP_STATUS" 0

    # The record: 36 fixed columns, the base line, CR LF, appended to the earlier records.
    local size added
    size=$(stat -c %s "$before")
    check "$t: the earlier records are kept byte for byte" cmp -s -n "$size" "$log" "$before"
    added=$(tail -c +"$((size + 1))" "$log" && echo x)
    added=${added%x}
    local pattern=$'^261206 (005[0-9]{3})-([0-9]{6}),([0-9]{3})004008002004shiji\r\n$'
    if [[ $added =~ $pattern ]]; then
        pass "$t: one record appended: 4 questions, 8 correct, 2 wrong, base line shiji, CR LF"
        local start=${BASH_REMATCH[1]} end=${BASH_REMATCH[2]} elapsed=$((10#${BASH_REMATCH[3]}))
        local wall=$(($(seconds_of "$end") - $(seconds_of "$start")))
        check "$t: stamp opened at $start (the clock started at 005058)" \
            test "$(seconds_of "$start")" -ge "$(seconds_of 005058)" -a "$(seconds_of "$start")" -le "$(seconds_of 005158)"
        check "$t: run time $elapsed s matches the stamp's $start-$end" \
            test "$elapsed" -ge 5 -a "$((wall - elapsed))" -ge -1 -a "$((wall - elapsed))" -le 2
    else
        fail "$t: one record appended as expected, got $(printf '%q' "$added")"
    fi
    check "$t: a temporary file left by a killed write is ignored and left alone" \
        cmp -s "$leftover" "$folder/leftover-before"
}

# A file without any choices line is refused, and the program then ends by itself.
test_refused_file() {
    local t="refused file" folder=$WORK/refused
    install_program "$folder/program"
    mkdir -p "$folder/drills"
    printf '%s\r\n' "No choices here" "nochoices" "This ___ has a blank" "but no line of choices." "1" \
        >"$folder/drills/nochoices.m7"
    local files
    files=$(ls "$folder/program")

    if ! start_program "$folder/program"; then
        fail "$t: the main window Mn1 appears"
        return
    fi
    check "$t: the file is chosen in the open dialog" open_file "$folder/drills/nochoices.m7"
    check "$t: a box reports the wrong format and closes with Return" close_box refused-1-box
    check "$t: the program ends by itself after the box" wait_program_end 10
    expect_eq "$t: exit status" "$APP_STATUS" 0
    expect_eq "$t: no results log, nothing new beside the program" "$(ls "$folder/program")" "$files"
}

# A run left by the exit button writes no record; a full log of 201 records stays byte for byte.
test_abandoned_run() {
    local t="abandoned run" folder=$WORK/abandoned
    install_program "$folder/program"
    mkdir -p "$folder/drills"
    cp "$ROOT"/samples/kanji.m7 "$ROOT"/samples/kanji0?.bmp "$folder/drills/"
    local log=$folder/program/QM7Kekka.DAT i
    for ((i = 0; i < 201; i++)); do
        printf '261205 1010%02d-1020%02d,%03d006%03d001006kanji\r\n' $((i % 60)) $((i % 60)) $((i + 60)) $((i % 13))
    done >"$log"
    cp "$log" "$folder/log-before"

    if ! start_program "$folder/program"; then
        fail "$t: the main window Mn1 appears"
        return
    fi
    if ! open_file "$folder/drills/kanji.m7" || ! wait_for 10 kakunin_is "$YELLOW"; then
        fail "$t: the drill opens and shows question 1"
        return
    fi
    sleep 0.3
    shot abandoned-1-question1
    # Every question has two blanks, so one answer never completes a question.
    press 1
    check "$t: an answer is given" wait_for 5 eval '! kakunin_is "$YELLOW"'
    shot abandoned-2-answered
    click "${EXIT_BUTTON[@]}"
    check "$t: the exit button ends the program mid-run" wait_program_end 10
    expect_eq "$t: exit status" "$APP_STATUS" 0
    check "$t: the results log is left byte for byte" cmp -s "$log" "$folder/log-before"
    expect_eq "$t: no temporary file beside the log" "$(cd "$folder/program" && ls -d QM7Kekka.DAT?* 2>/dev/null)" ""
}
