#!/usr/bin/env bash
# Throughput of `korvane-tessaly-cli svg` beside zint's SVG batch mode on the same random
# 12-digit codes, each the best of several runs, output to /dev/null.
# Usage: bench/vs-zint.sh [CODES] [RUNS]    (defaults 100000 and 5)
# zint is installed here when missing: a yardstick for this script only, never a dependency
# of the programs or of scripts/setup.
set -euo pipefail
cd "$(dirname "$0")/.."
codes=${1:-100000}
runs=${2:-5}

if ! command -v zint >/dev/null; then
  sudo=(); [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q >/dev/null
  "${sudo[@]}" apt-get install -y -q --no-install-recommends zint >/dev/null
fi

build=build/release
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target korvane-tessaly-cli >/dev/null
cli=$build/src/cli/korvane-tessaly-cli

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
list=$scratch/codes.txt
awk -v n="$codes" 'BEGIN { srand(20240611); for (i = 0; i < n; i++) { s = "";
  for (j = 0; j < 12; j++) s = s int(rand() * 10); print s } }' > "$list"

# The two programs take turns, so that both meet the same load of a shared machine; each
# keeps its fastest run. Times in microseconds, taken by the shell itself.
ours=-1 theirs=-1
for ((run = 0; run < runs; run++)); do
  start=${EPOCHREALTIME/./}
  "$cli" svg "$list" > /dev/null
  end=${EPOCHREALTIME/./}
  (( ours < 0 || end - start < ours )) && ours=$((end - start))
  start=${EPOCHREALTIME/./}
  zint -b EANX --batch --direct --filetype=svg --input="$list" > /dev/null
  end=${EPOCHREALTIME/./}
  (( theirs < 0 || end - start < theirs )) && theirs=$((end - start))
done

awk -v n="$codes" -v runs="$runs" -v ours="$ours" -v theirs="$theirs" 'BEGIN {
  printf "codes:               %d, best of %d runs each\n", n, runs
  printf "korvane-tessaly-cli: %10.0f codes/s  (%.3f s)\n", n / ours * 1e6, ours / 1e6
  printf "zint:                %10.0f codes/s  (%.3f s)\n", n / theirs * 1e6, theirs / 1e6
  printf "ratio:               %.1f\n", theirs / ours
}'
