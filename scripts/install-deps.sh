#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing needs, only when missing.
#   install-deps.sh run    what the program needs to build and start
#   install-deps.sh test   that, plus the tests, sanitizers, fuzzer and benchmarks
set -euo pipefail
what=${1:-run}
pkgs=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-liberation fonts-comic-neue fonts-dejavu-core)
if [ "$what" = test ]; then
  pkgs+=(libgtest-dev libbenchmark-dev libmuparser-dev clang libclang-rt-14-dev)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
