#!/usr/bin/env bash
# Builds Plotaris (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLOTARIS_TESTS=OFF -DPLOTARIS_BENCH=OFF >/dev/null
cmake --build build-release --target plotaris
exec build-release/app/plotaris "$@"
