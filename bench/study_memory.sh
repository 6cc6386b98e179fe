#!/usr/bin/env bash
# Peak memory of velmar-study uncertainty (without --samples) for growing numbers of samples:
# the statistics stream, so it should not grow with N.
# Usage: bench/study_memory.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
root="$(cd "$(dirname "$0")/.." && pwd)"
peak="$(mktemp)"
trap 'rm -f "$peak"' EXIT
for n in 1000 100000 1000000; do
    /usr/bin/time -f "%M" -o "$peak" "$build/study/velmar-study" uncertainty "$root/examples/typical.inp" \
        --dist 'Vs=lognormal(0.5,2)' --dist 'depth=uniform(0.4,0.6)' -n "$n" -o /dev/null 2>/dev/null
    echo "N = $n: peak $(cat "$peak") KB"
done

# The same for a sweep's steps and a comparison's areas written as CSV: their points are worked
# out as they are run and their rows written as they finish, so neither should grow with the count.
for steps in 10000 1000000; do
    /usr/bin/time -f "%M" -o "$peak" "$build/study/velmar-study" sweep "$root/examples/typical.inp" \
        --vary "depth=0.3:0.9:$steps" -o /dev/null 2>/dev/null
    echo "sweep of $steps steps: peak $(cat "$peak") KB"
done
for areas in 1000 100000; do
    /usr/bin/time -f "%M" -o "$peak" "$build/study/velmar-study" compare "$root/examples/conventional.inp" \
        --areas "1e4:1e6:$areas" -o /dev/null 2>/dev/null
    echo "compare over $areas areas: peak $(cat "$peak") KB"
done
