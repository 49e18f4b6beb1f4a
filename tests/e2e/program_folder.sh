# The program copied into folders whose names Shift-JIS cannot hold, or that are not UTF-8 at all:
# a finished run leaves its record there. Sourced by run.sh after desktop.sh.

test_program_folders() {
    local name folder t
    printf '%s\r\n' "One" "one" "I ___ a student." "#am#is" "1" >"$WORK/one.m7"
    # The second name is "あソ" in Shift-JIS bytes, as an old archive unpacks it.
    for name in "josé-Ω" $'\x82\xa0\x83\x5c'; do
        t="program folder $(printf '%q' "$name")"
        folder=$WORK/$name
        install_program "$folder"
        start_program "$folder" "2026-12-06 00:50:58" || { fail "$t: the main window Mn1 appears"; continue; }
        open_file "$WORK/one.m7" && wait_for 10 kakunin_is "$YELLOW" && press 1
        check "$t: the congratulation box ends the run" close_box "folder-$t" 20
        check "$t: the run's record is in the program's folder" \
            grep -qaE $'^261206 0050[0-9]{2}-[0-9]{6},[0-9]{3}001001000001one\r$' "$folder/QM7Kekka.DAT"
        stop_program
    done
}
