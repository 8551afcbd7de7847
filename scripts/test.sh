#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test
# headlessly (widgets on Qt's offscreen platform; X11 tests start their own Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYULAVIN_WERROR=ON >/dev/null
cmake --build build-tests
cd build-tests
ctest --output-on-failure -j "$(nproc)"
