#!/usr/bin/env bash
# The Debian package: built with cpack, checked with the desktop's own tools, unpacked into a scratch
# root made read-only, and its program used by a learner whose home is a scratch folder.
#
#   tests/e2e/package.sh [build folder, default build-package]   (configures it with the prefix /usr)
set -uo pipefail
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
WORK=$(mktemp -d)
source "$HERE/desktop.sh"

BUILD=${1:-$ROOT/build-package}
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DQM7_WERROR=ON >/dev/null && cmake --build "$BUILD" -j2 &&
    (cd "$BUILD" && rm -f qm7w_*.deb && cpack -G DEB >/dev/null) || { fail "cpack -G DEB makes the package" && finish; }
VERSION=$(sed -nE 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
DEB=$BUILD/qm7w_${VERSION}_$(dpkg --print-architecture).deb
lintian "$DEB" >"$WORK/lintian" 2>&1
grep -E '^[EW]: ' "$WORK/lintian"
check "lintian finds no error and no warning in $(basename "$DEB")" eval 'test -f "$DEB" && ! grep -qE "^[EW]: " "$WORK/lintian"'

TREE=$WORK/root SHARE=$WORK/root/usr/share QM7W=$WORK/root/usr/bin/qm7w
dpkg-deb -x "$DEB" "$TREE"
check "desktop-file-validate passes" desktop-file-validate "$SHARE"/applications/*.desktop
check "appstreamcli validate passes" appstreamcli validate --no-net "$SHARE"/metainfo/*.metainfo.xml

# A data folder as after installing: the shared database's own types and ours.
DATA=$WORK/data
mkdir -p "$DATA/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$SHARE"/mime/packages/*.xml "$DATA/mime/packages/"
update-mime-database "$DATA/mime" 2>/dev/null
printf 'Title\r\nbase\r\n' | tee "$WORK/drill.m7" >"$WORK/notes.txt"
types=$(export XDG_DATA_HOME=$DATA XDG_DATA_DIRS=$DATA && xdg-mime query filetype "$WORK/drill.m7" &&
    xdg-mime query filetype "$WORK/notes.txt")
expect_eq "a .m7 file is a drill, a .txt file plain text" "$(echo $types)" "application/x-qm7-drill text/plain"

# "status:standard output:standard error" of the program given options, with no display.
options() {
    local out
    out=$(env -u DISPLAY "$QM7W" "$@" 2>"$WORK/err")
    echo "$?:$out:$(cat "$WORK/err")"
}
expect_eq "--version" "$(options --version)" "0:qm7w $VERSION:"
check "--help prints the usage to standard output" eval '[[ $(options --help) == "0:Usage: qm7w [FILE]"*: ]]'
check "an unknown option: usage on standard error, status 2" eval '[[ $(options --frobnicate) == 2::*"Usage: qm7w"* ]]'

# The learner's drill, without sounds of its own, so every correct answer plays the chime.
mkdir -p "$WORK/drills" "$WORK/home"
cp "$ROOT"/samples/{directives.m7,katachi_yaku.txt,katachi0?.bmp} "$WORK/drills/"
chmod -R a-w "$TREE"
find "$TREE" -printf '%p %s %m %T@\n' | sort >"$WORK/tree-before"

# Starts the unpacked program with the arguments given, traced for the files it opens and its end.
start_installed() {
    (cd "$WORK/home" && exec env -u XDG_DATA_HOME HOME="$WORK/home" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
        XDG_RUNTIME_DIR="$RUNTIME" strace -f -q -e trace=openat -o "$WORK/trace" "$QM7W" "$@" >"$WORK/out" 2>&1) &
    # The program itself, not its tracer, is what the helpers look at and stop.
    local tracer=$!
    wait_for 5 pgrep -P "$tracer" >/dev/null && APP_PID=$(pgrep -P "$tracer") && window_up
}
ended_well() { wait_for "$1" grep -q "^$APP_PID .*+++ exited with 0 +++" "$WORK/trace"; }
# Not "grep | grep -q": under pipefail the first grep, cut off by the early exit of the second, fails the check.
opened() { [[ $(grep -F "\"$SHARE/qm7w/$1\"" "$WORK/trace" | grep -v ENOENT) ]]; }

start_screen || fail "Xvfb starts: $(cat "$WORK/xvfb.log")"
t="installed program"
check "$t: the drill named on the command line shows question 1" \
    eval 'start_installed "$WORK/drills/directives.m7" && first_question'
# Keys written in the file are right (it keeps file order).
check "$t: the drill is answered to the end" \
    eval 'answer_next 2 && answer_next 2 4 && answer_next 1 3 && answer 2 3 && close_box 20'
check "$t: the chime is found in share/qm7w" opened pinpon.wav
click 556 12
check "$t: the help is found in share/qm7w" wait_for 10 opened Qm7wh.hlp
sleep 0.5
xdotool windowraise "$W" # above the help window, which may cover the exit button
click "${EXIT_BUTTON[@]}"
check "$t: the exit button ends the program" ended_well 10
log=$WORK/home/.local/share/qm7w/QM7Kekka.DAT
check "$t: one record in ~/.local/share/qm7w, nothing else there" eval '[[ $(ls -A "${log%/*}") == QM7Kekka.DAT ]] &&
    appended_one "$log" /dev/null "[0-9]{6} [0-9]{6}-[0-9]{6},[0-9]{3}004007000004shiji"'
find "$TREE" -printf '%p %s %m %T@\n' | sort >"$WORK/tree-after"
check "$t: nothing written into the unpacked tree" cmp -s "$WORK/tree-before" "$WORK/tree-after"
stop_program

check "missing file: a box reports it" eval 'start_installed "$WORK/drills/missing.m7" && close_box'
sleep 0.5
check "missing file: the window stays, with no run" eval 'program_running && ! kakunin_is "$YELLOW"'
finish
