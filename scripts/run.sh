#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the current X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DYULAVIN_BUILD_TESTS=OFF >/dev/null
cmake --build build
exec build/bin/yulavin "$@"
