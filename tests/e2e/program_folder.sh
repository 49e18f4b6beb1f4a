# The program copied into folders whose names Shift-JIS cannot hold, or that are not UTF-8 at all: a
# finished run leaves its record there, and a run left by the exit button leaves the log byte for byte.
# Sourced by run.sh after desktop.sh.

test_program_folders() {
    local name folder t
    printf '%s\r\n' "One" "one" "/R" "I ___ a ___." "#am#student#is" "1 2" >"$WORK/one.m7"
    # The second name is "あソ" in Shift-JIS bytes, as an old archive unpacks it.
    for name in "josé-Ω" $'\x82\xa0\x83\x5c'; do
        t="program folder $(printf '%q' "$name")"
        folder=$WORK/$name
        install_program "$folder"
        start_program "$folder" "2026-12-06 00:50:58" && open_file "$WORK/one.m7" && wait_for 10 kakunin_is "$YELLOW" &&
            press 1 && wait_for 5 kakunin_is "$GREEN" && press 2
        check "$t: the congratulation box ends the run" close_box "folder-$t" 20
        check "$t: the run's record is in the program's folder" \
            grep -qaE $'^261206 005[0-9]{3}-[0-9]{6},[0-9]{3}001002000001one\r$' "$folder/QM7Kekka.DAT"
        stop_program
        cp "$folder/QM7Kekka.DAT" "$WORK/log-before"
        start_program "$folder" && open_file "$WORK/one.m7" && wait_for 10 kakunin_is "$YELLOW" && press 1 &&
            wait_for 5 kakunin_is "$GREEN" && click "${EXIT_BUTTON[@]}"
        check "$t: the exit button ends a run half-way" ended_well 10
        check "$t: that run leaves the log byte for byte" cmp -s "$folder/QM7Kekka.DAT" "$WORK/log-before"
        expect_eq "$t: no temporary file beside it" "$(cd "$folder" && ls -d QM7Kekka.DAT?* 2>/dev/null)" ""
    done
}
