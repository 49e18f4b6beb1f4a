#!/usr/bin/env bash
# The Debian package: built with cpack, checked with the desktop's own tools, unpacked into a scratch
# root made read-only, and its program used by a learner whose home is a scratch folder.
#
#   tests/e2e/package.sh [build folder, default build]   (configures it with the prefix /usr)
set -uo pipefail
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
source "$HERE/checks.sh"

BUILD=${1:-$ROOT/build}
if ! cmake -S "$ROOT" -B "$BUILD" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null || ! cmake --build "$BUILD" -j2 ||
    ! (cd "$BUILD" && rm -f qm7w_*.deb && cpack -G DEB >/dev/null); then
    fail "cpack -G DEB makes the package"
    finish
fi
VERSION=$(sed -nE 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
DEB=$BUILD/qm7w_${VERSION}_$(dpkg --print-architecture).deb
check "the package is $(basename "$DEB")" test -f "$DEB"

WORK=$(mktemp -d)
SHOTS=$WORK/shots
RUNTIME=$WORK/runtime
XVFB_PID=
mkdir -p "$SHOTS" "$RUNTIME" && chmod 700 "$RUNTIME"
source "$HERE/desktop.sh"
cleanup() {
    stop_program
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null
    chmod -R u+w "$WORK" && rm -rf "$WORK"
}
trap cleanup EXIT

lintian "$DEB" >"$WORK/lintian" 2>&1
grep -E '^[EW]: ' "$WORK/lintian"
check "lintian finds no error" eval '! grep -q "^E: " "$WORK/lintian"'

TREE=$WORK/root
dpkg-deb -x "$DEB" "$TREE"
SHARE=$TREE/usr/share
check "desktop-file-validate passes" desktop-file-validate "$SHARE"/applications/*.desktop
check "appstreamcli validate passes" appstreamcli validate --no-net "$SHARE"/metainfo/*.metainfo.xml

# A data folder as after installing: the shared database's own types and ours.
DATA=$WORK/data
mkdir -p "$DATA/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$SHARE"/mime/packages/*.xml "$DATA/mime/packages/"
update-mime-database "$DATA/mime" 2>/dev/null
printf 'Title\r\nbase\r\n' | tee "$WORK/drill.m7" >"$WORK/notes.txt"
types=$(for file in drill.m7 notes.txt; do XDG_DATA_HOME=$DATA XDG_DATA_DIRS=$DATA xdg-mime query filetype "$WORK/$file"; done)
expect_eq "a .m7 file is a drill, a .txt file plain text" "$(echo $types)" "application/x-qm7-drill text/plain"

QM7W=$TREE/usr/bin/qm7w
out=$(env -u DISPLAY "$QM7W" --version 2>"$WORK/err")
expect_eq "--version, no display needed" "$?:$out:$(cat "$WORK/err")" "0:qm7w $VERSION:"
out=$(env -u DISPLAY "$QM7W" --help 2>"$WORK/err")
check "--help prints the usage to standard output" test "$?" = 0 -a "${out:0:18}" = "Usage: qm7w [FILE]" -a ! -s "$WORK/err"
out=$(env -u DISPLAY "$QM7W" --frobnicate 2>"$WORK/err")
check "an unknown option: usage on standard error, status 2" \
    test "$?" = 2 -a -z "$out" -a "$(grep -c 'Usage: qm7w' "$WORK/err")" = 1

# The learner's drill, without sounds of its own, so every correct answer plays the chime.
mkdir -p "$WORK/drills" "$WORK/home"
cp "$ROOT"/samples/{directives.m7,katachi_yaku.txt} "$ROOT"/samples/katachi0?.bmp "$WORK/drills/"
chmod -R a-w "$TREE"
find "$TREE" -printf '%p %s %m %T@\n' | sort >"$WORK/tree-before"

# Starts the unpacked program with the arguments given, traced for the files it opens.
start_installed() {
    (cd "$WORK/home" && exec env -u XDG_DATA_HOME HOME="$WORK/home" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
        XDG_RUNTIME_DIR="$RUNTIME" strace -f -qq -e trace=openat -o "$WORK/trace" "$QM7W" "$@" >"$WORK/out" 2>&1) &
    # The program itself, not its tracer, is what the helpers wait for and stop.
    local tracer=$!
    wait_for 5 pgrep -P "$tracer" >/dev/null
    APP_PID=$(pgrep -P "$tracer")
    W=
    wait_for 10 find_window Mn1 >/dev/null && W=$(find_window Mn1)
    [[ -n $W ]]
}

opened() {
    grep -v ENOENT "$WORK/trace" | grep -q "\"$SHARE/qm7w/$1\""
}

# Keys written in the file are right (it keeps file order): one blank, then two blanks each.
answer_drill() {
    local keys number
    for keys in "2" "2 4" "1 3" "2 3"; do
        number=$(question_number)
        press "${keys%% *}"
        [[ $keys == *" "* ]] && wait_for 5 kakunin_is "$GREEN" && press "${keys##* }"
        [[ $keys == "2 3" ]] || wait_for 20 next_question_since "$number" || return 1
    done
    close_box package-end 20
}

# 4 questions, 7 blanks answered right at once, base line "shiji".
one_record() {
    [[ $(wc -l <"$1") == 1 ]] && grep -qE $'^[0-9]{6} [0-9]{6}-[0-9]{6},[0-9]{3}004007000004shiji\r$' "$1"
}

start_screen || fail "Xvfb starts: $(cat "$WORK/xvfb.log")"
t="installed program"
if start_installed "$WORK/drills/directives.m7" && wait_for 10 kakunin_is "$YELLOW"; then
    pass "$t: the drill named on the command line shows question 1"
    check "$t: the drill is answered to the end" answer_drill
    check "$t: the chime is found in share/qm7w" opened pinpon.wav
    click 556 12
    check "$t: the help is found in share/qm7w" wait_for 10 opened Qm7wh.hlp
    sleep 0.5
    xdotool windowraise "$W" # above the help window, which may cover the exit button
    click "${EXIT_BUTTON[@]}"
    check "$t: the exit button ends the program" wait_for 10 program_ended
    log=$WORK/home/.local/share/qm7w/QM7Kekka.DAT
    check "$t: exactly one record in ~/.local/share/qm7w/QM7Kekka.DAT" one_record "$log"
    expect_eq "$t: nothing else in the data folder" "$(ls -A "${log%/*}")" QM7Kekka.DAT
    find "$TREE" -printf '%p %s %m %T@\n' | sort >"$WORK/tree-after"
    check "$t: nothing written into the unpacked tree" cmp -s "$WORK/tree-before" "$WORK/tree-after"
else
    fail "$t: the drill named on the command line shows question 1: $(cat "$WORK/out")"
fi
stop_program

t="missing file"
if start_installed "$WORK/drills/missing.m7"; then
    check "$t: a box reports it" close_box package-missing
    sleep 0.5
    check "$t: the window stays, with no run" eval 'program_running && ! kakunin_is "$YELLOW"'
else
    fail "$t: the main window appears"
fi
finish
