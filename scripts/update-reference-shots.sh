#!/bin/sh
# Regenerates the reference screenshots the end-to-end tests compare against.
# Run it on purpose, after a change that is meant to alter what the player
# sees, and look at every image before committing them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/default"}
cmake --build "$build" --target cellwright-play
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$build/tools/play/cellwright-play" --demo --data "$build/gamedata" \
  --script "$root/tests/e2e/demo_tour.txt" --shots "$out" --log "$out/log.jsonl"
mkdir -p "$root/tests/golden/demo"
rm -f "$root/tests/golden/demo/"*.png
cp "$out"/*.png "$root/tests/golden/demo/"
ls -l "$root/tests/golden/demo"
