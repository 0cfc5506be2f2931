#!/usr/bin/env bash
# Listing a music directory of 20,000 songs into File1 and filling the play list from it
# (`playlist_bench list DIR`, one process that lists once and exits) against
# `find DIR -maxdepth 1 -iname '*.mp3*' | sort -f` on the same directory, measured in one
# run. Target: ours at most 2 times find's.
#
#   bench/playlist_vs_find.sh [DIR]
#
# Without DIR the directory is written by `playlist_bench make`. Both sides first run
# WARMUP times (default 3) so that both read the directory from the page cache, then
# RUNS times (default 21), taking turns so that a change in the machine's load falls on
# both alike; each side's figure is the median wall time of its runs, start-up included.
# sort runs with LC_ALL=C: it then folds case and compares bytes, as the file list does,
# which is also its fastest setting. BUILD names the build directory (default: build).
set -euo pipefail

cd "$(dirname "$0")/.."
build=${BUILD:-build}
runs=${RUNS:-21}
warmup=${WARMUP:-3}
cmake --build "$build" --target playlist_bench >/dev/null
bench="$build/bench/playlist_bench"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=${1:-$work/Music}
[[ -d $dir ]] || "$bench" make "$dir"

ours() { "$bench" list "$dir"; }
theirs() { find "$dir" -maxdepth 1 -iname '*.mp3*' | LC_ALL=C sort -f; }

# Wall time of one run in microseconds, read from the shell's own clock so that no
# process is started to read it.
micros() {
  local start=${EPOCHREALTIME/./} end
  "$@" >/dev/null
  end=${EPOCHREALTIME/./}
  echo $((end - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for ((i = 0; i < warmup; i++)); do
  ours >/dev/null
  theirs >/dev/null
done
: >"$work/ours" >"$work/theirs"
for ((i = 0; i < runs; i++)); do
  micros ours >>"$work/ours"
  micros theirs >>"$work/theirs"
done

listed=$(ours)
found=$(theirs | wc -l)
ours_us=$(median <"$work/ours")
theirs_us=$(median <"$work/theirs")
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) CPUs; $runs runs each"
awk -v o="$ours_us" -v t="$theirs_us" -v l="$listed" -v f="$found" 'BEGIN {
  ratio = o / t
  printf "ours (File1 + FillPlayList): %7.2f ms median, %d songs\n", o / 1000, l
  printf "find | sort -f:              %7.2f ms median, %d names\n", t / 1000, f
  printf "ratio ours/find: %.2f (target <= 2) %s\n", ratio, ratio <= 2 ? "ok" : "OVER"
  exit ratio <= 2 ? 0 : 1
}'
