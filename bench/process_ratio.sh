#!/usr/bin/env bash
# Times `velmar examples/typical.inp` as a whole process against io_floor, a program that
# only reads the project file and writes a results file, and prints the ratio. The two
# are timed in alternating rounds and the fastest round of each counts, which keeps the
# figure steady on a busy machine.
# Usage: bench/process_ratio.sh BUILD_DIR [RUNS_PER_ROUND] [ROUNDS]
set -euo pipefail
build="$(cd "$1" && pwd)"
runs="${2:-300}"
rounds="${3:-7}"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/examples/typical.inp" "$work/"
cd "$work"

# Prints the mean time of one run, in nanoseconds.
time_round() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do "$1" typical.inp; done
    end=$(date +%s%N)
    echo $(((end - start) / runs))
}

engine=0
floor=0
for ((r = 0; r < rounds; r++)); do
    e=$(time_round "$build/model/velmar")
    f=$(time_round "$build/bench/io_floor")
    ((engine == 0 || e < engine)) && engine=$e
    ((floor == 0 || f < floor)) && floor=$f
done
echo "velmar:   $((engine / 1000)) us per run"
echo "io_floor: $((floor / 1000)) us per run"
awk -v e="$engine" -v f="$floor" 'BEGIN { printf "ratio:    %.3f\n", e / f }'
