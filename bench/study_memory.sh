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
