#!/usr/bin/env bash
# Builds fuzz/NAME with clang in build/fuzz and runs it for SECONDS on one core.
# New inputs collect in build/fuzz/corpus/NAME (the seeds in fuzz/NAME/corpus
# stay as they are); crashes land in build/fuzz/artifacts/NAME/.
# Usage: fuzz/run.sh NAME SECONDS [extra libFuzzer options...]
set -euo pipefail
if (($# < 2)); then
  echo "usage: $0 NAME SECONDS [libFuzzer options...]" >&2
  exit 2
fi
name=$1
seconds=$2
shift 2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/fuzz"
if [[ ! -d "$root/fuzz/$name" ]]; then
  echo "no fuzz target fuzz/$name" >&2
  exit 2
fi
if [[ ! -f "$build/build.ninja" ]]; then
  CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCELLWRIGHT_FUZZ=ON >/dev/null
fi
ninja -C "$build" -j1 "${name}_fuzzer"
mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
exec "$build/${name}_fuzzer" "$build/corpus/$name" "$root/fuzz/$name/corpus" \
  -max_total_time="$seconds" -artifact_prefix="$build/artifacts/$name/" "$@"
