#!/usr/bin/env bash
# Runs studies with velmar-study in WebAssembly (under node) and with the build machine's, and
# compares what each writes (standard output and error) and its exit status. The studies run on
# several threads and write many numbers in their shortest form. The projects' own results
# must be the same bytes; over a range of inputs the C libraries' exp and pow may round a
# value differently in its last bit, which same_numbers.py lets pass.
# Usage: study_matches_native.sh NODE WEB_STUDY NATIVE_STUDY EXAMPLES_FOLDER
set -euo pipefail
node="$1" web_study="$2" native_study="$3" examples="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
typical="$examples/typical.inp"
printf 'not a project\n' > "$work/not_a_project.inp"

same_numbers="$(dirname "$0")/same_numbers.py"

# How the outputs must agree (bytes, or numbers), then the study.
studies=(
    "bytes run --format csv $(echo "$examples"/*.inp)"
    "bytes run --format json $examples/organics_metals.inp"
    "numbers sweep $typical --vary area=1e3:1e7:60 --log --threads 3"
    "numbers sweep $typical --vary flow=0.1:2:12 --vary depth=0.2:1.5:7 --threads 2 --format json"
    "numbers uncertainty $typical --dist flow=normal(0.5,0.1) --dist area=uniform(5e4,2e5) -n 3000 --seed 7 --threads 3"
    "numbers size $typical --target RE_TSS=80 --vary area"
    "bytes run --format csv $work/not_a_project.inp"
    "bytes sweep $typical --vary area=1,5:2:3"
)
failed=0
for i in "${!studies[@]}"; do
    read -r agreement study <<< "${studies[$i]}"
    read -r -a arguments <<< "$study"
    web_status=0 native_status=0
    "$node" "$web_study" "${arguments[@]}" > "$work/web.out" 2> "$work/web.err" || web_status=$?
    "$native_study" "${arguments[@]}" > "$work/native.out" 2> "$work/native.err" || native_status=$?
    if [ "$web_status" -ne "$native_status" ]; then
        echo "velmar-study $study: exits with $web_status in WebAssembly, $native_status natively"
        failed=1
    fi
    if ! cmp -s "$work/web.err" "$work/native.err"; then
        echo "velmar-study $study: its messages differ in WebAssembly from the native ones:"
        diff "$work/web.err" "$work/native.err" || true
        failed=1
    fi
    if [ "$agreement" = bytes ] && ! cmp -s "$work/web.out" "$work/native.out"; then
        echo "velmar-study $study: its output differs in WebAssembly from the native one:"
        diff "$work/web.out" "$work/native.out" | head -20 || true
        failed=1
    elif [ "$agreement" = numbers ] && ! difference="$(python3 "$same_numbers" "$work/web.out" "$work/native.out")"; then
        echo "velmar-study $study: its output differs in WebAssembly from the native one: $difference"
        failed=1
    fi
done
exit "$failed"
