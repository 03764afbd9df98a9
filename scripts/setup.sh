#!/usr/bin/env bash
# Shared by ./run and ./test: install what is missing (as root), then configure
# and build a preset incrementally. Usage: scripts/setup.sh PRESET [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-default}
shift || true

lists=("$root/scripts/debian-packages.txt")
# ./run also installs what only a player needs (a large soundfont the tests do without).
[[ "${CELLWRIGHT_FOR_PLAYING:-0}" == 1 ]] && lists+=("$root/scripts/debian-packages-play.txt")
mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' "${lists[@]}" | grep -v '^$')
missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
  else
    echo "Some packages are missing. Install them with:" >&2
    echo "  sudo apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
fi

cd "$root"
if [[ ! -f "build/$preset/build.ninja" ]]; then
  cmake --preset "$preset" >/dev/null
fi
jobs=$(nproc 2>/dev/null || echo 2)
if (($#)); then
  cmake --build --preset "$preset" --parallel "$jobs" --target "$@"
else
  cmake --build --preset "$preset" --parallel "$jobs"
fi
