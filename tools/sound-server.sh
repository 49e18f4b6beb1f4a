# A private PulseAudio server with one silent sink, "out", whose monitor "out.monitor" can be recorded.
# Sourced by the sound tests and the sound benchmark:
#
#   start_sound_server <folder>   starts it; exports PULSE_SERVER and PULSE_COOKIE for what runs next
#   stop_sound_server
#
# It keeps everything in <folder> and needs no session bus, display or XDG_RUNTIME_DIR, so it also
# starts from a bare root shell. 48 kHz stereo, the rate most desktops run at.
SOUND_SERVER_PID=

start_sound_server() {
    local folder=$1 tries
    mkdir -p -m 700 "$folder/runtime" "$folder/home"
    # Without rewinds: a stream that starts empty, as Wine's do, would otherwise make the sink render again
    # what its monitor has already recorded, and the recording would lose part of the sound.
    env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$folder/home" XDG_RUNTIME_DIR="$folder/runtime" \
        pulseaudio --daemonize=no --exit-idle-time=-1 -n --disallow-exit --use-pid-file=no \
        --load="module-null-sink sink_name=out rate=48000 channels=2 format=s16le norewinds=1" \
        --load="module-native-protocol-unix socket=$folder/socket auth-anonymous=1" >"$folder/server.log" 2>&1 &
    SOUND_SERVER_PID=$!
    export PULSE_SERVER=unix:$folder/socket PULSE_COOKIE=$folder/cookie
    for ((tries = 0; tries < 100; tries++)); do
        pactl info >/dev/null 2>&1 && return 0
        kill -0 "$SOUND_SERVER_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "The sound server did not start:" >&2
    tail -n 5 "$folder/server.log" >&2
    return 1
}

stop_sound_server() {
    if [[ -n $SOUND_SERVER_PID ]]; then
        kill "$SOUND_SERVER_PID" 2>/dev/null
        wait "$SOUND_SERVER_PID" 2>/dev/null
    fi
    SOUND_SERVER_PID=
    unset PULSE_SERVER PULSE_COOKIE
}
