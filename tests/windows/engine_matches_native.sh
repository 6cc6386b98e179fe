#!/usr/bin/env bash
# Runs the Windows engine (under wine) and the build machine's engine on every example and
# compares their results files, which differ only in line ends: CR LF on Windows.
# Usage: engine_matches_native.sh WINE WINDOWS_ENGINE NATIVE_ENGINE EXAMPLES_FOLDER
set -euo pipefail
wine="$1" windows_engine="$2" native_engine="$3" examples="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failed=0
for project in "$examples"/*.inp; do
    name="$(basename "$project" .inp)"
    mkdir -p "$work/$name/windows" "$work/$name/native"
    (cd "$work/$name/windows" && "$wine" "$windows_engine" "$project") || { echo "$name: the Windows engine failed"; failed=1; continue; }
    (cd "$work/$name/native" && "$native_engine" "$project") || { echo "$name: the native engine failed"; failed=1; continue; }
    windows="$work/$name/windows/Results.txt" native="$work/$name/native/Results.txt"
    if [ "$(grep -c $'\r$' "$windows")" -ne "$(wc -l < "$windows")" ]; then
        echo "$name: the Windows results do not end every line in CR LF"
        failed=1
    fi
    if ! diff <(tr -d '\r' < "$windows") "$native" >"$work/$name.diff"; then
        echo "$name: the Windows results differ from the native ones:"
        cat "$work/$name.diff"
        failed=1
    fi
done
exit "$failed"
