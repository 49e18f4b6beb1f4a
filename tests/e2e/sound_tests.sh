# What a learner hears: the real program on a private PulseAudio server whose sink is recorded and
# read back by heard.py. Sourced by run.sh after desktop.sh.

# Question 1's own sound, tone01.wav, is a 250 ms tone and silence, so that replays stay apart;
# questions 2 and 3 chime. Choice 1 is right, 2 wrong.
test_sounds() {
    local t="sounds" folder=$WORK/sounds heard
    mkdir -p "$folder"
    sox -n -r 22050 -b 16 "$folder/tone01.wav" synth 0.25 sine 440 vol 0.5 pad 0 0.15
    printf '%s\r\n' Sounds tone /R 'one ___' '#1#2' 1 'two ___' '#1#2' 1 'three ___' '#1#2' 1 >"$folder/s.m7"
    start_sound_server "$folder/server" || { fail "$t: the sound server starts" && return; }
    # The recorder ends with the server.
    parec -d out.monitor --raw --format=s16le --rate=48000 --channels=1 >"$folder/heard.raw" &
    if ! SOUND_DRIVER=pulseaudio start_drill "$folder/program" "$folder/s.m7" || ! first_question ||
        ! wait_for 10 test -s "$folder/heard.raw"; then
        fail "$t: the drill opens while the sink is recorded"
        return
    fi
    # Listen, a miss, the completion replayed until Enter, a clean completion; with the sound off a
    # miss and a silent completion.
    click "${LISTEN_BUTTON[@]}"
    sleep 1
    press 2
    sleep 1
    press 1
    wait_for 10 enter_shown
    sleep 1
    answer_next Return
    answer_next 1
    click "${SOUND_BUTTON[@]}"
    press 2
    sleep 1
    answer_next 1
    sleep 1
    heard=$(python3 "$HERE/heard.py" "$folder/heard.raw" "$folder/program/"{pinpon,buzz}.wav "$folder/tone01.wav")
    check "$t: each sound heard whole, in order: $heard" \
        eval '[[ $heard =~ ^tone01\ buzz\ tone01(\ tone01){1,9}\ pinpon\ buzz$ ]]'
    stop_sound_server
    sleep 0.5
    press 2
    check "$t: with the server gone a miss shows an error box; the run goes on" eval 'close_box && program_running'
}
