#!/usr/bin/env bash
# Builds one fuzz target with clang's libFuzzer (instrumented, with
# AddressSanitizer and UndefinedBehaviorSanitizer), runs it for the given
# number of seconds from its seed corpus, then merges the corpus and what the
# run found into a fresh corpus that replaces the seed corpus: the
# hand-written seeds and the fewest found inputs that reach new edges.
# An input that breaks a property is kept in fuzz/findings/<target>/.
#
#   fuzz/run.sh <number_from_text|text_from_number|session> <seconds> [libFuzzer options...]
#   nice -n 19 fuzz/run.sh session 600 -max_len=2048
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 <number_from_text|text_from_number|session> <seconds> [libFuzzer options...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2

root=$(cd "$(dirname "$0")/.." && pwd)
corpus=$root/fuzz/corpus/$target
if [ ! -d "$corpus" ]; then
  echo "no corpus for '$target' in fuzz/corpus/" >&2
  exit 2
fi
build=${TAVRO_FUZZ_BUILD:-$root/build-fuzz}
findings=$root/fuzz/findings/$target
mkdir -p "$findings"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTAVRO_LIBFUZZER=ON -DTAVRO_BUILD_DESKTOP=OFF -DTAVRO_BUILD_TESTS=OFF \
  -DTAVRO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j 2 --target "tavro_fuzz_$target"
fuzzer=$build/bin/tavro_fuzz_$target

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/found" "$work/merged"

dictionary=()
if [ -f "$root/fuzz/$target.dict" ]; then dictionary=(-dict="$root/fuzz/$target.dict"); fi

status=0
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
  "${dictionary[@]}" "$@" "$work/found" "$corpus" || status=$?

# The hand-written seeds (readable names) stay as they are; what the fuzzer
# finds (SHA-1 names) is merged in only where it reaches new edges. Edges
# only, without hit counts, keep the corpus at a few dozen inputs.
find "$corpus" -type f ! -regex '.*/[0-9a-f]\{40\}' -exec cp {} "$work/merged"/ \;
"$fuzzer" -merge=1 -use_counters=0 "$work/merged" "$corpus" "$work/found" 2>"$work/merge.log" || {
  cat "$work/merge.log" >&2
  exit 1
}
grep -E '^MERGE-OUTER: [0-9]+ new files' "$work/merge.log" || true
rm -f "$corpus"/*
cp "$work/merged"/* "$corpus"/
echo "corpus $target: $(ls "$corpus" | wc -l) files"
exit "$status"
