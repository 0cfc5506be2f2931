#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted with the repository's
# .clang-format; names the files that are not.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r -d '' file; do
  clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(find src apps tests bench -name '*.cpp' -print0 -o -name '*.h' -print0)
if ((${#bad[@]})); then
  printf 'not formatted: %s\n' "${bad[@]}" >&2
  exit 1
fi
