# The program's real window, used as a learner would. Sourced by run.sh after desktop.sh.
CLOCK="2026-12-06 00:50:58"

# A sample drill kept in file order ("/R"), so the keys written in the file are the right answers:
# question 1 "2", question 2 "2 4", question 3 "1 3", question 4 "2 3". The Windows program's record
# must equal the Linux one's: both are compared with the same file.
test_full_run() {
    local t="full run" folder=$WORK/full number
    local log=$folder/program/QM7Kekka.DAT before=$folder/log-before
    mkdir -p "$folder/program"
    cp "$ROOT"/samples/{directives.m7,katachi_yaku.txt,katachi0?.bmp,koe0?.wav} "$folder/"
    printf '%s\r\n' "261205 101010-102010,600020023003020abc" "261205 111111-111346,125020010000020def" |
        tee "$log" >"$before"
    start_drill "$folder/program" "$folder/directives.m7" "$CLOCK" && first_question ||
        { fail "$t: the drill opens and shows question 1" && return; }
    # Question 1: a hint, a miss by key, a miss by click, the right key, then Enter after the misses.
    click "${HINT_BUTTON[@]}"
    check "$t: Hint shows the translation line" wait_for 5 hint_shown
    click "${LISTEN_BUTTON[@]}"
    press 1
    check "$t: key 1 is a miss (NG on red)" wait_for 5 kakunin_is "$RED"
    click 28 262
    number=$(question_number)
    press 2
    check "$t: after a miss the Enter button waits for the learner" wait_for 10 enter_shown
    press Return
    check "$t: Return on Enter ends the loop; question 2 follows" wait_for 20 next_question_since "$number"
    # Question 2 skipped; questions 3 and 4, question 1 again, then question 2 by clicks.
    click "${SKIP_BUTTON[@]}"
    check "$t: Skip shows question 3" wait_for 5 eval '[[ $(question_number) != "$number" ]]'
    check "$t: keys answer questions 3, 4 and 1" eval 'answer_next 1 3 && answer_next 2 3 && answer_next 2'
    click 28 235
    wait_for 5 kakunin_is "$GREEN"
    click 28 290
    check "$t: the congratulation box ends the run" close_box 20
    click "${EXIT_BUTTON[@]}"
    check "$t: the exit button ends the program" ended_well 10
    check "$t: the earlier records kept, then full-run.record byte for byte but the clock's times and seconds" \
        appended_record "$log" "$before" "$HERE/full-run.record"
}

# A run with a miss ends with the review in the memo; the retry button asks the missed question alone
# and leaves a record of its own, counting one question. The open dialog starts where that drill was.
test_retry() {
    local t="retry" folder=$WORK/retry log=$WORK/retry/program/QM7Kekka.DAT
    mkdir -p "$folder/drills"
    printf '%s\r\n' Retry retry /R "One ___" "#one#two" 1 "Two ___" "#one#two" 1 >"$folder/drills/retry.m7"
    start_drill "$folder/program" "$folder/drills/retry.m7" "$CLOCK" && first_question ||
        { fail "$t: the drill opens and shows question 1" && return; }
    click "${SOUND_BUTTON[@]}" # no Enter to wait for after the miss
    press 2 && wait_for 5 kakunin_is "$RED" && answer_next 1 && answer_next 1 # question 1 comes back
    answer 1
    check "$t: the run ends with the congratulation" close_box 20
    import -window "$W" "$WORK/retry-review.png"
    check "$t: the review fills the memo" eval '(($(region %k 300 40 8 84) > 2))'
    click "${RETRY_BUTTON[@]}"
    check "$t: the retry asks question 1 again" first_question
    import -window "$W" "$WORK/retry-run.png"
    answer 1
    check "$t: the retry ends with the congratulation" close_box 20
    check "$t: two records, the second counting one question" eval \
        '[[ $(grep -c . "$log") == 2 && $(sed -n 2p "$log") =~ ^.{24}001.{6}001retry ]]'
    stop_program
    start_program "$folder/program2" && click "${OPEN_BUTTON[@]}" && wait_for 10 find_window "$OPEN_DIALOG" >/dev/null
    import -window "$(find_window "$OPEN_DIALOG")" "$WORK/retry-dialog.png"
    check "$t: the next program run's open dialog starts in the drill's folder" eval \
        'timeout 10 xdotool windowfocus --sync "$(find_window "$OPEN_DIALOG")" type --delay 5 retry.m7 &&
         xdotool key Return && first_question'
}

# The history's rows saved through "CSVに保存" and the save dialog, read back as a spreadsheet would.
test_history_csv() {
    local folder=$WORK/csv history rows
    mkdir -p "$folder"
    printf '%s\r\n' "261206 005058-010203,600020023003020abc" "261207 011000-011205,125020010000020abc" >"$folder/QM7Kekka.DAT"
    start_program "$folder" && click "${HISTORY_BUTTON[@]}" && wait_for 10 find_window 成績の記録 >/dev/null ||
        { fail "history csv: the history window opens" && return; }
    history=$(find_window 成績の記録)
    xdotool mousemove --window "$history" 708 21 click 1
    wait_for 10 find_window CSVに保存 >/dev/null &&
        timeout 10 xdotool windowfocus --sync "$(find_window CSVに保存)" key ctrl+a type --delay 5 "$folder/history.csv" &&
        xdotool key Return && wait_for 5 test -s "$folder/history.csv"
    rows=$(python3 -c 'import csv, sys
data = open(sys.argv[1], "rb").read()
assert data.startswith(b"\xef\xbb\xbf") and data.count(b"\r\n") == data.count(b"\n") == 3
print("|".join(",".join(row) for row in csv.reader(open(sys.argv[1], encoding="utf-8-sig", newline=""))))' \
        "$folder/history.csv")
    expect_eq "history csv: UTF-8 with BOM, CR LF, the header and the two runs" "$rows" \
        "日付,開始,終了,時間,問題数,正解,誤答,正解率(%),分速|2026/12/06,00:50:58,01:02:03,10:00,20,23,3,88.46,2.30|2026/12/07,01:10:00,01:12:05,2:05,20,10,0,100.00,4.80"
}

# A file without any choices line is refused, and the program then ends by itself.
test_refused_file() {
    local t="refused file" folder=$WORK/refused
    printf '%s\r\n' "No choices here" nochoices "This ___ has a blank" "but no line of choices." 1 >"$WORK/no.m7"
    check "$t: the file is chosen in the open dialog" start_drill "$folder" "$WORK/no.m7"
    check "$t: a box reports the wrong format and closes with Return" close_box
    check "$t: the program ends by itself after the box" ended_well 10
    expect_eq "$t: no results log, nothing new beside the program" "$(ls "$folder" | grep -c .)" 4
}

# Folders whose names Shift-JIS cannot hold, or that are not UTF-8 at all: a finished run leaves its
# record there, and a run left by the exit button leaves the log byte for byte.
test_program_folders() {
    local name folder t
    # Choices in file order ("/R"): shuffled ones would make "1 2" wrong now and then.
    printf '%s\r\n' One one /R "I ___ a ___." "#am#student#is" "1 2" >"$WORK/one.m7"
    # The second name is "あソ" in Shift-JIS bytes, as an old archive unpacks it.
    for name in "josé-Ω" $'\x82\xa0\x83\x5c'; do
        t="program folder $(printf %q "$name")" folder=$WORK/$name
        start_drill "$folder" "$WORK/one.m7" "$CLOCK" && first_question && answer 1 2
        check "$t: the run ends; its record is in the program's folder" eval 'close_box 20 && appended_one \
            "$folder/QM7Kekka.DAT" /dev/null "261206 005[0-9]{3}-[0-9]{6},[0-9]{3}001002000001one"'
        stop_program
        cp "$folder/QM7Kekka.DAT" "$WORK/log-before"
        start_drill "$folder" "$WORK/one.m7" && first_question && answer 1 && wait_for 5 kakunin_is "$GREEN" &&
            click "${EXIT_BUTTON[@]}"
        check "$t: a run left by the exit button leaves the log byte for byte, no temporary file" eval \
            'ended_well 10 && cmp -s "$folder/QM7Kekka.DAT" "$WORK/log-before" && ! ls "$folder" | grep -q "DAT."'
    done
}

# Digits typed with Shift held still answer: the key, not its character, names the choice. Once on the
# US layout and once on the Japanese jp106 one, where Shift+2 types '"' instead of '@'.
test_shift_digits() {
    local t="shift digits"
    printf '%s\r\n' Shift shift /R "One ___" "#one#two" 1 "Two ___" "#one#two" 2 >"$WORK/shift.m7"
    start_drill "$WORK/shift" "$WORK/shift.m7" && first_question ||
        { fail "$t: the drill opens and shows question 1" && return; }
    click "${SOUND_BUTTON[@]}" # Shift itself is a miss, which with the sound off waits for no Enter
    setxkbmap -model pc105 us
    check "$t: Shift+1 on the US layout answers choice 1" answer_next shift+1
    setxkbmap -model jp106 jp
    press shift+2
    check "$t: Shift+2 on the jp106 layout answers choice 2 (OK on green)" wait_for 5 kakunin_is "$GREEN"
    setxkbmap -model pc105 us
}

# A FIFO, and an endless device as a drill and as a picture: the window and --check answer within 2 s,
# in less than 100 MB, and the window opens a good drill after.
test_hostile_files() {
    local folder=$WORK/hostile qm7w=$BUILD/src/platform/qt/qm7w name t out
    mkdir -p "$folder" && mkfifo "$folder/fifo.m7" && ln -s /dev/zero "$folder/zero.m7" && ln -s /dev/zero "$folder/zp01.bmp"
    printf '%s\r\n' Picture zp "A ___" "#a#b" 1 >"$folder/picture.m7"
    printf '%s\r\n' Good good "A ___" "#a#b" 1 >"$folder/good.m7"
    for name in fifo zero picture; do
        t="$name as given"
        out=$(/usr/bin/time -f %M -o "$WORK/peak" timeout 2 env -u DISPLAY "$qm7w" --check "$folder/$name.m7" 2>/dev/null)
        check "$t: --check reports at once in under 100 MB" eval '[[ $out == *結果:* ]] && (($(tail -n 1 "$WORK/peak") < 100000))'
        start_program "$WORK/p-$name" "" "$folder/$name.m7" || { fail "$t: the window starts" && continue; }
        if [[ $name == picture ]]; then
            check "$t: the question is shown at once, without its picture" wait_for 2 kakunin_is "$YELLOW"
        else
            check "$t: a box says so at once" eval 'wait_for 2 find_window QM7W >/dev/null && close_box'
        fi
        check "$t: the window stays under 100 MB" eval '(($(sed -n "s/^VmHWM: *//p" "/proc/$APP_PID/status" | tr -dc 0-9) < 100000))'
        check "$t: the window opens a good drill after" eval 'open_drill "$folder/good.m7" && first_question'
        stop_program
    done
}

# No display, no sound server and a results log that cannot be read: every sample would open, the
# UTF-8 one is found to be so, and nothing is on standard error; no sound configuration, plug-in, device
# or server is opened and no thread started (the libraries the program is linked with are only mapped).
# Waves the player would refuse are named with its reason; a missing file fails.
test_drill_check() {
    local prog=$WORK/check-program out trace=$WORK/check.trace count
    mkdir -p "$prog/QM7Kekka.DAT" "$WORK/runtime" "$WORK/sounds" # a log that is a folder: unreadable even by root
    cp "$BUILD/src/platform/qt/qm7w" "$prog/"
    count=$(ls "$ROOT"/samples/*.m7 | wc -l)
    out=$(cd "$ROOT/samples" && env -u DISPLAY -u WAYLAND_DISPLAY -u PULSE_SERVER -u SDL_AUDIODRIVER \
        XDG_RUNTIME_DIR="$WORK/runtime" strace -f -qq -e trace=openat,connect,clone,clone3 -o "$trace" \
        "$prog/qm7w" --check . 2>"$WORK/check.err")
    expect_eq "drill check: samples (status, UTF-8 ones, last line, standard error)" \
        "$?:$(grep -c '^文字コード: UTF-8$' <<<"$out"):$(tail -n 1 <<<"$out"):$(cat "$WORK/check.err")" \
        "0:1:$count ファイル: $count 開けます, 0 開けません:"
    expect_eq "drill check: no sound library, plug-in, device or server, no thread" \
        "$(grep -cE 'libSDL2|libasound|libpulse|alsa|/dev/snd|/pulse/|connect\(|clone' "$trace")" 0
    printf '%s\r\n' T s "Q ___" "#a#b" 1 "Q ___" "#a#b" 1 >"$WORK/sounds/s.m7"
    printf 'RIFF\x1c\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0' >"$WORK/sounds/s01.wav"
    printf 'RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\0\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x04\0\0\0\x80\x80\x80\x80' \
        >"$WORK/sounds/s02.wav"
    out=$(env -u DISPLAY "$BUILD/src/platform/qt/qm7w" --check "$WORK/sounds" "$WORK/missing.m7")
    expect_eq "drill check: waves without data or channels, a missing file (status, sounds, last line)" \
        "$?:$(grep -o '音声: [^)]*)' <<<"$out" | tr '\n' '|')$(tail -n 1 <<<"$out")" \
        "1:音声: 鳴らせません (s01.wav: ﾌｧｲﾙ s01.wav は WAVE 形式ではありません)|音声: 鳴らせません (s02.wav: ﾌｧｲﾙ s02.wav は鳴らせない WAVE 形式です)|2 ファイル: 1 開けます, 1 開けません"
}
