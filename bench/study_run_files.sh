#!/usr/bin/env bash
# velmar-study run over 10,000 project files (the examples, copied round), against reading
# the same files and nothing more: with the engine in process, run should be about as fast
# as the reading. Prints files per second; the best of a few rounds counts.
# Usage: bench/study_run_files.sh BUILD_DIR [FILES] [ROUNDS]
set -euo pipefail
build="$(cd "$1" && pwd)"
count="${2:-10000}"
rounds="${3:-3}"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

examples=("$root"/examples/*.inp)
for ((i = 0; i < count; i++)); do
    cp "${examples[i % ${#examples[@]}]}" "$work/p$i.inp"
done
cd "$work"
cores="$(nproc)"

# Prints the files per second of one command over all the files.
rate() {
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    echo $((count * 1000000000 / (end - start)))
}

best() {
    local top=0 r
    for ((k = 0; k < rounds; k++)); do
        r=$("$@")
        ((r > top)) && top=$r
    done
    echo "$top"
}

read_only=$(best "$build/bench/read_projects" p*.inp)
cat_rate=$(best rate cat p*.inp)
run_one=$(best rate "$build/study/velmar-study" run --threads 1 -o /dev/null p*.inp)
run_all=$(best rate "$build/study/velmar-study" run --threads "$cores" -o /dev/null p*.inp)
echo "files:                          $count"
echo "cat (bytes only):               $cat_rate files/s"
echo "read into a record, 1 thread:   $read_only files/s"
echo "velmar-study run, 1 thread:     $run_one files/s"
echo "velmar-study run, $cores threads:    $run_all files/s"
