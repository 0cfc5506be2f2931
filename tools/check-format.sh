#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted with the repository's
# .clang-format, and names the files that are not.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(find src apps tests bench \( -name '*.cpp' -o -name '*.h' \) -print0)
if ! report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
  grep -o '^[^:]*\.\(cpp\|h\):' <<<"$report" | sort -u | sed 's/:$//; s/^/not formatted: /' >&2
  exit 1
fi
