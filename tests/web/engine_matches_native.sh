#!/usr/bin/env bash
# Runs the WebAssembly engine (under node) and the build machine's engine on every example and
# on spoilt copies of one, and compares what each leaves: the exit status and Results.txt, byte
# for byte (or its absence).
# Usage: engine_matches_native.sh NODE WEB_ENGINE NATIVE_ENGINE EXAMPLES_FOLDER
set -euo pipefail
node="$1" web_engine="$2" native_engine="$3" examples="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Spoilt projects: cut short, a value that is no number, values past any double, empty,
# binary bytes (the start of the native engine), and one that does not exist.
spoilt="$work/spoilt"
mkdir -p "$spoilt"
sample="$examples/typical.inp"
head -n 40 "$sample" > "$spoilt/cut_short.inp"
# Line 355 holds the area, 359 the flow.
awk 'NR == 355 { print "1,5x"; next } { print }' "$sample" > "$spoilt/garbled_value.inp"
awk 'NR == 355 { print "1e999"; next } NR == 359 { print "-4e-400"; next } { print }' "$sample" > "$spoilt/out_of_range.inp"
: > "$spoilt/empty.inp"
head -c 4096 "$native_engine" > "$spoilt/binary.inp"

failed=0
for project in "$examples"/*.inp "$spoilt"/*.inp "$spoilt/missing.inp"; do
    name="$(basename "$(dirname "$project")")-$(basename "$project" .inp)"
    mkdir -p "$work/$name/web" "$work/$name/native"
    web_status=0 native_status=0
    (cd "$work/$name/web" && "$node" "$web_engine" "$project") || web_status=$?
    (cd "$work/$name/native" && "$native_engine" "$project") || native_status=$?
    if [ "$web_status" -ne "$native_status" ]; then
        echo "$name: the WebAssembly engine exits with $web_status, the native one with $native_status"
        failed=1
    fi
    web="$work/$name/web/Results.txt" native="$work/$name/native/Results.txt"
    if [ -e "$web" ] && [ -e "$native" ]; then
        if ! cmp -s "$web" "$native"; then
            echo "$name: the WebAssembly results differ from the native ones:"
            diff "$web" "$native" || true
            failed=1
        fi
    elif [ -e "$web" ] || [ -e "$native" ]; then
        echo "$name: only one engine wrote Results.txt"
        failed=1
    fi
done
exit "$failed"
