# The virtual screen and the waits of the benchmarks that drive a real program, sourced by window.sh,
# sound.sh and wine.sh: they set WORK and XVFB_PID and define fail.

# Wall clock in microseconds, without starting a process.
now_us() {
    local now=$EPOCHREALTIME
    echo $((10#${now//[!0-9]/}))
}

# Runs a command every 20 ms until it succeeds; fails after the given number of seconds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(now_us) + seconds * 1000000))
    until "$@"; do
        (($(now_us) < deadline)) || fail "no $what after $seconds s"
        sleep 0.02
    done
}

# Starts Xvfb on a display number of its own choosing and exports DISPLAY. -noreset: the server would
# otherwise reset whenever its last client goes, and refuse the next one.
start_screen() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    wait_for 10 "Xvfb display" test -s "$WORK/display"
    export DISPLAY=":$(<"$WORK/display")"
}

stop_screen() {
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
