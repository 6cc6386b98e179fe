#!/usr/bin/env bash
# Runs one fuzz target for a while: tools/fuzz.sh TARGET SECONDS
# TARGET is one of engine_input_fuzz, project_file_fuzz, record_fuzz, results_reading_fuzz,
# number_text_fuzz. Builds them into build-fuzz/ with clang first. The corpus grows in
# build-fuzz/corpus/TARGET from run to run, starting from the seeds in tests/fuzz/corpus;
# an input that breaks a check is saved as build-fuzz/TARGET-crash-* (replay it with
# build-fuzz/tests/fuzz/TARGET FILE).
source "$(dirname "$0")/common.sh"
target="${1:?usage: $0 TARGET SECONDS}"
seconds="${2:?usage: $0 TARGET SECONDS}"
dir="$VELMAR_ROOT/build-fuzz"
build_fuzz_targets "$dir"

args="$dir/tests/fuzz/$target.args"
[ -f "$args" ] || { echo "No fuzz target $target" >&2; exit 2; }
{ read -r options; read -r seeds; } <"$args"
work="$dir/corpus/$target"
mkdir -p "$work"
# Scratch files of the targets go to memory where it is available.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
# shellcheck disable=SC2086  # options are separate words
"$dir/tests/fuzz/$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$dir/$target-" $options "$work" "$seeds"
