# PASS/FAIL lines and their count, for the end-to-end scripts.

PASSED=0
FAILED=0

pass() {
    echo "PASS $*"
    PASSED=$((PASSED + 1))
}

fail() {
    echo "FAIL $*"
    FAILED=$((FAILED + 1))
}

# check <description> <command...>: passes when the command succeeds.
check() {
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

expect_eq() {
    if [[ $2 == "$3" ]]; then pass "$1"; else fail "$1: got \"$2\", expected \"$3\""; fi
}

finish() {
    echo "$PASSED passed, $FAILED failed"
    ((FAILED == 0))
    exit
}
