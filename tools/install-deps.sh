#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
# Run by `make run` and `make test`; does nothing when everything is there.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libmpg123-dev
  libtag1-dev
  clang-format
  # The sample music of `make run`.
  lame python3
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "installing: ${missing[*]}" >&2
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
