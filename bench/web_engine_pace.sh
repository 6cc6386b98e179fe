#!/usr/bin/env bash
# The engine's pace in WebAssembly (under node) against the native build's: time per model
# evaluation, from an uncertainty study on one thread, where nearly all the time is the
# engine's. A study of one sample is timed too and taken off, so that starting the program
# (and node) does not count. Rounds alternate and the fastest of each counts, which keeps the
# figures steady on a busy machine.
# Usage: bench/web_engine_pace.sh NATIVE_BUILD_DIR WEB_BUILD_DIR [SAMPLES] [ROUNDS]
set -euo pipefail
native="$(cd "$1" && pwd)/study/velmar-study"
web="$(cd "$2" && pwd)/study/velmar-study.js"
samples="${3:-200000}"
rounds="${4:-3}"
project="$(cd "$(dirname "$0")/.." && pwd)/examples/typical.inp"

# Prints the nanoseconds a study of N samples takes: run_study N PROGRAM...
run_study() {
    local n="$1" start end
    shift
    start=$(date +%s%N)
    "$@" uncertainty "$project" --dist "flow=normal(0.5,0.1)" -n "$n" --threads 1 >/dev/null 2>&1
    end=$(date +%s%N)
    echo $((end - start))
}

best_native=0 best_web=0
for ((r = 0; r < rounds; r++)); do
    n=$(($(run_study "$samples" "$native") - $(run_study 1 "$native")))
    w=$(($(run_study "$samples" node "$web") - $(run_study 1 node "$web")))
    ((best_native == 0 || n < best_native)) && best_native=$n
    ((best_web == 0 || w < best_web)) && best_web=$w
done
awk -v n="$best_native" -v w="$best_web" -v s="$samples" 'BEGIN {
    printf "native:      %.2f us per evaluation\n", n / s / 1000
    printf "WebAssembly: %.2f us per evaluation\n", w / s / 1000
    printf "ratio:       %.2f\n", w / n
}'
