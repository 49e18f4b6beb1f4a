#!/usr/bin/env bash
# End-to-end tests of the Windows program and its setup program: the real qm7w.exe under Wine on a virtual
# screen, driven only by clicks and key presses as run.sh drives the Linux one, with the same tests where they apply.
# Builds nothing but the setup program, with cpack: wine_tests.sh [Windows build folder, default build-win]
set -uo pipefail
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
WORK=$(mktemp -d)
source "$HERE/desktop.sh"
source "$HERE/window_tests.sh"
source "$HERE/wine_setup.sh"
trap 'stop_program; stop_sound_server; wineserver -k 2>/dev/null; [[ -n $XVFB_PID ]] && kill $XVFB_PID; rm -rf "$WORK"' EXIT

BUILD=$(cd "${1:-build-win}" 2>/dev/null && pwd) && [[ -f $BUILD/src/platform/win32/qm7w.exe ]] ||
    { fail "a Windows build in ${1:-build-win} (src/platform/win32/qm7w.exe)" && finish; }
for tool in Xvfb xdotool import convert setxkbmap wine localedef pulseaudio parec python3 iconv; do
    command -v "$tool" >/dev/null || fail "the tool $tool is installed"
done
FAKETIME_LIB=$(compgen -G "/usr/lib/*/faketime/libfaketimeMT.so.1" | head -n 1) || fail "faketime is installed"
((FAILED == 0)) || finish

source "$ROOT/tools/wine-prefix.sh"

# Wine draws the frame inside the X window: the client area lies this far in.
CLIENT_LEFT=0 CLIENT_TOP=0
window_up() {
    wait_for 20 find_window Mn1 >/dev/null && W=$(find_window Mn1) || return
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$W" | grep -E '^(WIDTH|HEIGHT)=')"
    CLIENT_LEFT=$(((WIDTH - 646) / 2)) CLIENT_TOP=$((HEIGHT - 408 - (WIDTH - 646) / 2))
}
click() { xdotool mousemove --window "$W" $(($1 + CLIENT_LEFT)) $(($2 + CLIENT_TOP)) click 1; }
window_pixels() { timeout 10 import -window "$W" png:- 2>/dev/null; }
region() {
    window_pixels | convert png:- -crop "${2}x$3+$(($4 + CLIENT_LEFT))+$(($5 + CLIENT_TOP))" +repage -format "$1" info:-
}
kakunin_is() {
    [[ $(window_pixels | convert png:- -crop "1x1+$((600 + CLIENT_LEFT))+$((194 + CLIENT_TOP))" -depth 8 txt:- |
        sed -nE 's/^0,0: *\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/p') == "$1" ]]
}
# Wine draws text without smoothing: a label with text has two colours.
hint_shown() { (($(region %k 300 13 138 363) > 1)); }
windows_name() { echo "Z:${1//\//\\}"; }

# Starts a copy of the program in folder $1, where it keeps its results log; with $2 ("2026-12-06
# 00:50:58") its clock starts at that local time; further arguments go to the program.
start_program() {
    local environment=() offset
    if [[ -n ${2:-} ]]; then
        # Wine's server measures its waits on the same clock as the program, so both run at the same offset;
        # file times stay true, or Wine would find its set-up out of date and make it again.
        offset=$(($(date -d "$2" +%s) - $(date +%s)))
        environment+=(LD_PRELOAD="$FAKETIME_LIB" NO_FAKE_STAT=1 FAKETIME="$( ((offset < 0)) || echo +)$offset")
    fi
    wineserver -k 2>/dev/null
    wineserver -w
    env "${environment[@]}" wineserver -p
    mkdir -p "$1" && cp "$BUILD"/src/platform/win32/{qm7w.exe,pinpon.wav,buzz.wav,Qm7wh.hlp} "$1/"
    (cd "$1" && exec env "${WINE_LOCALE[@]}" "${environment[@]}" wine ./qm7w.exe "${@:3}" >"$WORK/program.out" 2>&1) &
    APP_PID=$!
    window_up || { tail -n 3 "$WORK/program.out" >&2 && false; }
}

# Opens drill $2 through the open button and the dialog, its name typed as a Windows name.
start_drill() {
    start_program "$1" "${3:-}" && click "${OPEN_BUTTON[@]}" && wait_for 10 find_window "$OPEN_DIALOG" >/dev/null &&
        timeout 10 xdotool windowfocus --sync "$(find_window "$OPEN_DIALOG")" type --delay 5 "$(windows_name "$2")" &&
        xdotool key Return && wait_for 5 no_window "$OPEN_DIALOG"
}

# A run left by the exit button writes no record: the log stays byte for byte.
test_exit_button() {
    local t="exit button" folder=$WORK/exit
    mkdir -p "$folder"
    printf '%s\r\n' One one /R "I ___ a ___." "#am#student#is" "1 2" >"$WORK/one.m7"
    printf '%s\r\n' "261205 101010-102010,600020023003020abc" >"$folder/QM7Kekka.DAT"
    cp "$folder/QM7Kekka.DAT" "$WORK/log-before"
    start_program "$folder" "" "$(windows_name "$WORK/one.m7")" && first_question && answer 1 &&
        wait_for 5 kakunin_is "$GREEN" && click "${EXIT_BUTTON[@]}"
    check "$t: the program ends with status 0" ended_well 10
    check "$t: the log is left byte for byte, no temporary or lock file" \
        eval 'cmp -s "$folder/QM7Kekka.DAT" "$WORK/log-before" && [[ $(ls "$folder" | grep -c DAT) == 1 ]]'
}

# A drill "表.m7" (0x95 0x5C) in a folder "ソフト" (0x83 0x5C ...), the program there too, opened from the
# command line: its picture and translation, named with 表 too, show, and its record lands in the folder.
# The sink of the sound server is recorded: the effect sounds beside the program are heard, whole and in order.
test_japanese_folders() {
    local t="表.m7 in ソフト" folder=$WORK/ソフト recorder heard
    mkdir -p "$folder"
    printf '%s\r\n' 表 hyou /G表 /Y表jp.txt /R "I ___ a student." "#am#is" 1 | iconv -t CP932 >"$folder/表.m7"
    printf '%s\r\n' hyou "私は学生です。" | iconv -t CP932 >"$folder/表jp.txt"
    cp "$ROOT/samples/katachi01.bmp" "$folder/表01.bmp"
    parec -d out.monitor --raw --format=s16le --rate=48000 --channels=1 >"$WORK/heard.raw" &
    recorder=$!
    start_program "$folder" "$CLOCK" "$(windows_name "$folder/表.m7")" && first_question ||
        { fail "$t: the drill opens from the command line" && kill $recorder && return; }
    check "$t: the picture shows" eval '(($(region %k 100 80 512 220) > 1))'
    click "${HINT_BUTTON[@]}"
    check "$t: Hint shows the translation line" wait_for 5 hint_shown
    press 2
    wait_for 5 kakunin_is "$RED" && sleep 1
    press 1
    wait_for 10 enter_shown && press Return
    check "$t: the run ends; its record is in the folder" eval 'close_box 20 && appended_one \
        "$folder/QM7Kekka.DAT" /dev/null "261206 005[0-9]{3}-[0-9]{6},[0-9]{3}001001001001hyou"'
    kill $recorder
    heard=$(python3 "$HERE/heard.py" "$WORK/heard.raw" "$folder/"{pinpon,buzz}.wav)
    expect_eq "$t: the buzz of the miss, then the chime of the end, each heard whole" "$heard" "buzz pinpon"
}

# The history window from the toolbar button: a run finished while it is open joins the log's runs, every
# drill is chosen, the chart draws both lines, and "CSVに保存" gives the table's rows back.
test_history_window() {
    local t="history window" folder=$WORK/history history shot=$WORK/windows-history.png rows expected left top WIDTH HEIGHT
    mkdir -p "$folder"
    printf '%s\r\n' 九九 九九 /R "2 x 2 = ___" "#4#5" 1 | iconv -t CP932 >"$folder/kuku.m7"
    printf '%s\r\n' "261205 101010-102010,600020023003020abc" "261206 001000-001130,090010009001010九九" |
        iconv -t CP932 >"$folder/QM7Kekka.DAT"
    start_program "$folder" "$CLOCK" "$(windows_name "$folder/kuku.m7")" && first_question &&
        click "${HISTORY_BUTTON[@]}" && wait_for 10 find_window 成績の記録 >/dev/null ||
        { fail "$t: the toolbar's button opens it" && return; }
    history=$(find_window 成績の記録)
    # Wine draws the frame inside the X window: the client area lies this far in.
    eval "$(xdotool getwindowgeometry --shell "$history" | grep -E '^(WIDTH|HEIGHT)=')"
    left=$(((WIDTH - 760) / 2)) top=$((HEIGHT - 600 - (WIDTH - 760) / 2))
    press 1 && close_box 20
    # "すべて", the last entry of the chooser's list.
    xdotool mousemove --window "$history" $((left + 200)) $((top + 21)) click 1 sleep 0.5 \
        mousemove --window "$history" $((left + 100)) $((top + 65)) sleep 0.3 click 1 && sleep 0.5
    import -window "$history" png:- | convert png:- -strip "$shot"
    check "$t: the chart draws the rate in red and the speed in blue" eval '[[ $(convert "$shot" -crop \
        "600x250+$((left + 80))+$((top + 50))" -format %c histogram:info:- | grep -ciE "#C82828|#1E50C8") == 2 ]]'
    xdotool mousemove --window "$history" $((left + 708)) $((top + 21)) sleep 0.3 click 1
    wait_for 10 find_window CSVに保存 >/dev/null &&
        timeout 10 xdotool windowfocus --sync "$(find_window CSVに保存)" type --delay 5 "$(windows_name "$folder/rows.csv")" &&
        xdotool key Return && wait_for 5 test -s "$folder/rows.csv"
    rows=$(sed '1s/^\xEF\xBB\xBF//; s/\r$//' "$folder/rows.csv" | tr '\n' '|')
    expected='^日付,開始,終了,時間,問題数,正解,誤答,正解率\(%\),分速,問題\|2026/12/05,10:10:10,10:20:10,10:00,20,23,3,'
    expected+='88\.46,2\.30,abc\|2026/12/06,00:10:00,00:11:30,1:30,10,9,1,90\.00,6\.00,九九\|'
    expected+='2026/12/06,00:5[0-9]:[0-9]{2},[0-9:]{8},[0-9]+:[0-9]{2},1,1,0,100\.00,[0-9.]+,九九\|$'
    if [[ $rows =~ $expected ]]; then pass "$t: every drill's rows, the new run last"; else fail "$t: rows $rows"; fi
}

# The retry and the next run's open dialog as on Linux. The retry button's picture is in colour once a
# run with a miss has ended, and greyed, still drawn, while the retry runs.
test_retry_button() {
    local shot crop looks=
    test_retry
    crop="25x23+$((584 + CLIENT_LEFT))+$((1 + CLIENT_TOP))"
    for shot in review run; do
        looks+="$(convert "$WORK/retry-$shot.png" -crop "$crop" +repage -format %c histogram:info:- |
            grep -ciE '#FF0000|#008000'):$(convert "$WORK/retry-$shot.png" -crop "$crop" +repage -format %k info:-) "
    done
    expect_eq "retry: its button's red and green (colours in all), ended run then retry" "$looks" "2:5 0:4 "
}

# The drill check needs no window: its report reaches a pipe in UTF-8, and its status tells.
test_drill_check() {
    local out
    out=$(cd "$ROOT/samples" && wine "$BUILD/src/platform/win32/qm7w.exe" --check directives.m7 joshi.m7 2>/dev/null)
    expect_eq "drill check: samples (status, UTF-8 ones)" "$?:$(grep -c '^文字コード: UTF-8' <<<"$out")" 0:1
    wine "$BUILD/src/platform/win32/qm7w.exe" --check "$(windows_name "$WORK/missing.m7")" >/dev/null 2>&1
    expect_eq "drill check: a file that would not open makes the status 1" "$?" 1
    # A folder stands for its ".m7" files in either case, folders left out, in the order of their characters.
    mkdir -p "$WORK/checks/d.m7"
    for name in b.M7 a.m7 α.m7 あ.m7 x.txt; do printf '%s\r\n' T t "Q ___" "#a#b" 1 >"$WORK/checks/$name"; done
    out=$(wine "$BUILD/src/platform/win32/qm7w.exe" --check "$(windows_name "$WORK/checks")" 2>/dev/null)
    expect_eq "drill check: a folder (status, files, last line)" \
        "$?:$(sed -n 's/^== .*\\//p' <<<"$out" | tr '\n' ' ')$(tail -n 1 <<<"$out")" \
        "0:a.m7 b.M7 α.m7 あ.m7 4 ファイル: 4 開けます, 0 開けません"
}

# The Windows file code killed mid-write, starved and racing itself, as on Linux; fewer kills, as each start
# of a Windows program takes longer.
test_killed_writer() {
    # A server of its own, with the services Wine starts beside it: started by the harness, they would hold
    # its pipes open.
    wineserver -k 2>/dev/null
    wineserver -w
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1
    take_verdicts python3 "$HERE/log_fault.py" 40 env "${WINE_LOCALE[@]}" wine "$BUILD/tests/qm7_log_fault_harness.exe"
}

prepare_wine || fail "Wine and its Japanese locale are set up"
# Every program gets a wave device, a silent one.
if ((FAILED == 0)) && start_screen && start_sound_server "$WORK/sound"; then
    for test in ${WINE_TESTS:-test_full_run test_retry_button test_refused_file test_exit_button test_shift_digits test_japanese_folders test_history_window test_setup}; do
        "$test"
        stop_program
    done

else
    fail "Xvfb and a sound server start"
fi
test_drill_check
test_killed_writer
finish
