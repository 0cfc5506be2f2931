#!/usr/bin/env bash
# Peak resident memory of jelt-sim with a play list of 20,000 songs loaded: the directory
# is written by `playlist_bench make`, stored in a fresh program directory, the copy is
# started, and the member asks "mp3s?" so that the count it answers shows the list really
# loaded. The peak (VmHWM, as /usr/bin/time's %M reports it) is compared with that of the
# same script over an empty directory, which is what the program costs without songs.
# Target: under 30 MB with the songs.
#
#   bench/jelt_sim_rss.sh [DIR]
#
# BUILD names the build directory (default: build).
set -euo pipefail

cd "$(dirname "$0")/.."
build=${BUILD:-build}
if [[ ! -x /usr/bin/time ]]; then
  apt-get install -y -qq time >/dev/null || { apt-get update -qq && apt-get install -y -qq time >/dev/null; }
fi
cmake --build "$build" --target jelt-sim playlist_bench >/dev/null
jelt_sim="$build/apps/jelt-sim/jelt-sim"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=${1:-$work/Music}
[[ -d $dir ]] || "$build/bench/playlist_bench" make "$dir"
mkdir "$work/empty"

# Prints the peak resident set in kilobytes, and the run's output to $work/out.
peak_kb() {
  rm -rf "$work/home"
  mkdir "$work/home"
  cat >"$work/script" <<EOF
ini Dir Dir1 $1
ini Handle handle Joe
start
wait 1
say JoeBloggs: mp3s?
wait 1
EOF
  /usr/bin/time -f %M -o "$work/peak" "$jelt_sim" --home "$work/home" "$work/script" >"$work/out"
  cat "$work/peak"
}

empty_kb=$(peak_kb "$work/empty")
songs_kb=$(peak_kb "$dir")
songs=$(sed -n 's/.*num\. of mp3s: <font color=#98ccff>\([0-9]*\).*/\1/p' "$work/out")
if [[ -z $songs || $songs == 0 ]]; then
  echo "the play list did not load: mp3s? was answered with '${songs:-nothing}'" >&2
  exit 1
fi
awk -v s="$songs_kb" -v e="$empty_kb" -v n="$songs" 'BEGIN {
  mb = s / 1024
  printf "jelt-sim with %s songs: %.1f MB peak resident (%.1f MB with none)\n", n, mb, e / 1024
  printf "target < 30 MB: %s\n", mb < 30 ? "ok" : "OVER"
  exit mb < 30 ? 0 : 1
}'
