# Drills saved in UTF-8, and the drill check. Sourced by run.sh once the screen is up; runs its tests.

# The UTF-8 sample opens and shows its translation with Hint; the screenshot shows its title and choices.
test_utf8_sample() {
    local t="UTF-8 sample" folder=$WORK/utf8
    install_program "$folder/program"
    mkdir -p "$folder/drills"
    cp "$ROOT"/samples/joshi{.m7,jp.txt} "$folder/drills/"
    start_program "$folder/program" && open_file "$folder/drills/joshi.m7"
    check "$t: the drill opens and shows question 1" wait_for 10 kakunin_is "$YELLOW"
    click "${HINT_BUTTON[@]}"
    check "$t: Hint shows the translation line" wait_for 5 eval '(($(region %k 300 13 138 363) > 2))'
    sleep 0.4
    shot utf8-question1
}

# No display: every sample opens; a missing picture is listed; a refused file names its line.
test_drill_check() {
    local t="drill check" qm7w=$BUILD/src/platform/qt/qm7w out
    out=$(cd "$ROOT/samples" && env -u DISPLAY -u WAYLAND_DISPLAY "$qm7w" --check ./*.m7)
    expect_eq "$t: every sample would open (exit status)" "$?" 0
    check "$t: the UTF-8 sample is found to be UTF-8" grep -q '^文字コード: UTF-8$' <<<"$out"
    check "$t: a missing picture is listed" grep -q '絵: なし (eigo01.bmp)' <<<"$out"
    printf 'T\nq\nQ ___\n#a#b\n1 \xF0\x9F\x98\x80\n' >"$WORK/emoji.m7"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$qm7w" --check "$ROOT/samples/eigo.m7" "$WORK/emoji.m7")
    expect_eq "$t: a refused file makes the exit status 1" "$?" 1
    check "$t: the refusal names line 5" grep -q '^5行目: Shift-JISにない文字 U+1F600' <<<"$out"
}

test_utf8_sample
stop_program
test_drill_check
