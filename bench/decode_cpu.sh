#!/usr/bin/env bash
# Total CPU time of decoding one 5-minute MP3 on the real media engine with libout123's
# dummy output, against `mpg123 -q -o dummy` on the same file, measured in one run.
# Target: at most 1.1 times mpg123's figure.
#
#   bench/decode_cpu.sh [--paced] [FILE]
#
# Without FILE it writes a silent 5-minute CBR file. The engine decodes as fast as it can
# (as mpg123 does with the dummy output); --paced plays it in real time instead, as the
# engine does in use, which takes the five minutes. BUILD names the build directory
# (default: build). Each program runs RUNS times (default 5); the least CPU of each counts.
set -euo pipefail

cd "$(dirname "$0")/.."
build=${BUILD:-build}
runs=${RUNS:-5}
paced=""
if [[ ${1:-} == --paced ]]; then
  paced="--paced"
  runs=1
  shift
fi

if ! command -v mpg123 >/dev/null; then
  apt-get install -y -qq mpg123 >/dev/null || { apt-get update -qq && apt-get install -y -qq mpg123 >/dev/null; }
fi
cmake --build "$build" --target decode_cpu_bench >/dev/null
bench="$build/bench/decode_cpu_bench"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file=${1:-$work/five-minutes.mp3}
[[ -f $file ]] || "$bench" write "$file" 300

# The least user + system CPU seconds of the command over the runs.
least_cpu() {
  local best="" t
  for ((i = 0; i < runs; i++)); do
    t=$({ TIMEFORMAT='%U %S'; time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ print $1 + $2 }')
    if [[ -z $best ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
  done
  echo "$best"
}

reference=$(least_cpu mpg123 -q -o dummy "$file")
engine=$(least_cpu "$bench" play "$file" $paced)
awk -v r="$reference" -v e="$engine" 'BEGIN {
  ratio = r > 0 ? e / r : 0
  printf "mpg123 -q -o dummy: %.3f s CPU\nRealMediaEngine:    %.3f s CPU\nratio: %.2f (target <= 1.10) %s\n",
         r, e, ratio, ratio <= 1.10 ? "ok" : "OVER"
  exit ratio <= 1.10 ? 0 : 1
}'
