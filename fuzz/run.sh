#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each one for a bounded time on a copy of
# its seed corpus. Usage: fuzz/run.sh [seconds per target, default 60]. Exits non-zero on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH=${1:-60}
BUILD=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQM7_FUZZ=ON -DQM7_WITH_QT=OFF -DQM7_WERROR=ON || exit 1
cmake --build "$BUILD" -j2 --target fuzz_open fuzz_run || exit 1

FAILED=0
SUMMARY=()
for target in open run; do
    # The corpus grows in the build folder from run to run; the seeds in the repository stay as they are.
    corpus=$BUILD/corpus/$target
    findings=$BUILD/findings/$target
    mkdir -p "$corpus" "$findings"
    cp -n fuzz/corpus/$target/* "$corpus"/
    log=$BUILD/fuzz_$target.log
    echo "=== fuzz_$target for $SECONDS_EACH s"
    "$BUILD/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$')
    if ((status == 0)); then
        SUMMARY+=("fuzz_$target: ${runs:-?} runs, ${speed:-?} executions per second, no finding")
    else
        FAILED=1
        SUMMARY+=("fuzz_$target: FINDING (exit $status), see $log and $findings/")
        grep -v '^    #' "$log" | grep -E -A3 'invariant broken|ERROR|runtime error|SUMMARY|Test unit written' | head -40
    fi
done

echo
printf '%s\n' "${SUMMARY[@]}"
exit $FAILED
