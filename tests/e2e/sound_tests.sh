# What a learner hears: the real program on a private PulseAudio server whose sink is recorded and
# read back by heard.py. Sourced by run.sh after desktop.sh.
source "$ROOT/tools/sound-server.sh"

# Question 1's own sound, tone01.wav, is a 250 ms tone and silence, so that replays stay apart;
# questions 2 and 3 chime. Choice 1 is right, 2 wrong.
sound_checks() {
    local t=$1 folder=$2 number heard
    if ! start_program "$folder/program" || ! open_file "$folder/drills/sounds.m7" ||
        ! wait_for 10 kakunin_is "$YELLOW" || ! wait_for 10 test -s "$folder/heard.raw"; then
        fail "$t: the drill opens while the sink is recorded"
        return
    fi
    click 452 12 # Listen
    sleep 1
    press 2
    sleep 1
    press 1
    wait_for 10 enter_shown
    sleep 1
    number=$(question_number)
    press Return
    wait_for 20 next_question_since "$number"
    number=$(question_number)
    press 1
    wait_for 10 next_question_since "$number"
    click 332 12 # sound off
    press 2
    sleep 1
    number=$(question_number)
    press 1
    wait_for 10 next_question_since "$number"
    sleep 1
    heard=$(python3 "$HERE/heard.py" "$folder/heard.raw" "$folder/program/"{pinpon,buzz}.wav "$folder/drills/tone01.wav")
    # Listen, a miss, the completion replayed until Enter, a clean completion; with the sound off a
    # miss and a silent completion.
    check "$t: each sound heard whole, in order: $heard" \
        eval '[[ $heard =~ ^tone01\ buzz\ tone01(\ tone01){1,9}\ pinpon\ buzz$ ]]'
    stop_sound_server
    sleep 0.5
    press 2
    check "$t: without a sound server a miss shows an error box" close_box sound-no-server
    check "$t: and the run goes on" program_running
}

test_sounds() {
    local t="sounds" folder=$WORK/sounds recorder=
    install_program "$folder/program"
    mkdir -p "$folder/drills"
    sox -n -r 22050 -b 16 "$folder/drills/tone01.wav" synth 0.25 sine 440 vol 0.5 pad 0 0.15 ||
        fail "$t: sox makes the test sound"
    printf '%s\r\n' Sounds tone /R 'one ___' '#1#2' 1 'two ___' '#1#2' 1 'three ___' '#1#2' 1 \
        >"$folder/drills/sounds.m7"
    trap 'stop_sound_server; cleanup' EXIT
    if start_sound_server "$folder/server"; then
        parec -d out.monitor --raw --format=s16le --rate=48000 --channels=1 >"$folder/heard.raw" &
        recorder=$!
        SOUND_DRIVER=pulseaudio sound_checks "$t" "$folder"
        kill "$recorder"
    else
        fail "$t: the sound server starts"
    fi
    stop_program
    stop_sound_server
    trap cleanup EXIT
}
