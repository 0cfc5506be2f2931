#!/usr/bin/env bash
# Runs one scenario through jelt-sim and compares what it printed with its golden file,
# byte for byte. A line "# args: ..." in the scenario gives jelt-sim's options.
# With JELT_UPDATE_GOLDEN=1 the golden file is written instead.
set -euo pipefail
jelt_sim=$1
scenario=$2
golden=${scenario%.scn}.out
args=$(sed -n 's/^# args: //p' "$scenario" | head -n 1)
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
# shellcheck disable=SC2086  # the options are words
"$jelt_sim" $args "$scenario" >"$actual"
if [[ "${JELT_UPDATE_GOLDEN:-}" == 1 ]]; then
  cp "$actual" "$golden"
  exit 0
fi
diff -u "$golden" "$actual"
