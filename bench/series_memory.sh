#!/usr/bin/env bash
# Peak memory of velmar-study series over hourly records of growing length, up to a million
# rows (114 years): rows are read and written as they are run and periods are summed as they
# close, so it should not grow with the record.
# Usage: bench/series_memory.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
root="$(cd "$(dirname "$0")/.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for rows in 10000 1000000; do
    awk -v rows="$rows" 'BEGIN {
        print "date,flow [cfs],temperature,TPinConc"
        split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
        y = 1911; m = 1; d = 1; h = 0
        for (i = 0; i < rows; i++) {
            printf "%04d-%02d-%02dT%02d:00,%.4g,%.3g,%.3g\n", y, m, d, h,
                10 + 30 * (i % 240 < 12), 15 + 10 * sin(i / 1395.0), 0.1 + 0.1 * (i % 240 < 12)
            if (++h == 24) {
                h = 0
                leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0
                if (++d > days[m] + (m == 2 && leap)) { d = 1; if (++m > 12) { m = 1; y++ } }
            }
        }
    }' >"$scratch/record.csv"
    /usr/bin/time -f "%M %e" -o "$scratch/peak" "$build/study/velmar-study" series "$root/examples/typical.inp" \
        "$scratch/record.csv" -o /dev/null --summary "$scratch/summary.csv" 2>/dev/null || true
    read -r kb seconds <"$scratch/peak"
    echo "$rows hourly rows: peak $kb KB, $seconds s, $(($(wc -l <"$scratch/summary.csv") - 1)) summary rows"
done
