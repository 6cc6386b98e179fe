#!/usr/bin/env bash
# Compares two builds of the engine (and of velmar-study, when both are given) byte for byte
# on the examples, the fuzz corpus and a few thousand projects made by perturbing the examples:
# numbers scaled up and down, choice flags flipped, counts of slots changed. A change that is
# meant to leave every result alone must pass this.
#
#   tools/compare_engines.sh OLD_DIR NEW_DIR [COUNT] [SEED]
#
# OLD_DIR and NEW_DIR each hold `velmar` and, optionally, `velmar-study`. COUNT (default 3000)
# perturbed projects are made; SEED (default 1) makes the same projects again. The engine
# flushes every results file to disk: with TMPDIR=/dev/shm the runs go several times faster.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
old="$(cd "$1" && pwd)"
new="$(cd "$2" && pwd)"
count="${3:-3000}"
seed="${4:-1}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/projects" "$work/old" "$work/new"

cp "$root"/examples/*.inp "$work/projects/"
for f in "$root"/tests/fuzz/corpus/project/*.inp; do cp "$f" "$work/projects/corpus_$(basename "$f")"; done

# perturb SOURCE SEED: the project with about one value in eight changed. A value of 0 or 1
# is a flag and is flipped; a count of slots becomes 0 to 4; other numbers are scaled by a
# factor between 0.2 and 5, now and then negated or set to zero.
perturb() {
    awk -v seed="$2" '
        BEGIN { srand(seed) }
        NR == 1 { print; next }
        NR % 2 == 0 { label = $0; print; next }
        $0 !~ /^-?[0-9.]+([eE][-+]?[0-9]+)?$/ || rand() >= 0.125 { print; next }
        label ~ /^Num(OC_SLR|HM_LLR)/ { print int(rand() * 5); next }
        $0 == "0" || $0 == "1" { print 1 - $0; next }
        {
            u = rand()
            if (u < 0.05) { print 0; next }
            if (u < 0.10) { print -$0; next }
            printf "%.6g\n", $0 * exp((rand() * 2 - 1) * log(5))
        }
    ' "$1"
}

examples=("$root"/examples/*.inp)
for ((i = 0; i < count; ++i)); do
    source="${examples[i % ${#examples[@]}]}"
    perturb "$source" "$((seed * 100000 + i))" >"$work/projects/p$i.inp"
done

# run ENGINE_DIR OUT_DIR: Results.txt of every project (or a note that none was written).
run() {
    local engine="$1/velmar" out="$2" dir="$work/run"
    mkdir -p "$dir"
    for p in "$work"/projects/*.inp; do
        local name
        name="$(basename "$p" .inp)"
        rm -f "$dir/Results.txt"
        (cd "$dir" && "$engine" "$p" >/dev/null 2>&1) || true
        if [ -f "$dir/Results.txt" ]; then mv "$dir/Results.txt" "$out/$name.txt"; else : >"$out/$name.none"; fi
    done
}

run "$old" "$work/old"
run "$new" "$work/new"
status=0
if ! diff -r -q "$work/old" "$work/new"; then status=1; fi

if [ -x "$old/velmar-study" ] && [ -x "$new/velmar-study" ]; then
    "$old/velmar-study" run --threads 1 "$work"/projects/*.inp >"$work/old_study.csv" 2>&1 || true
    "$new/velmar-study" run --threads 1 "$work"/projects/*.inp >"$work/new_study.csv" 2>&1 || true
    if ! cmp -s "$work/old_study.csv" "$work/new_study.csv"; then
        echo "velmar-study run differs"
        status=1
    fi
fi

total=$(find "$work/projects" -name '*.inp' | wc -l)
written=$(find "$work/old" -name '*.txt' | wc -l)
if [ $status -eq 0 ]; then
    echo "identical: $total projects, $written with results"
else
    echo "DIFFERENT"
fi
exit $status
