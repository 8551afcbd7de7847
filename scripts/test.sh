#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and with the address and
# undefined-behaviour sanitizers, and runs every test headlessly (widgets on Qt's offscreen
# platform; X11 tests start their own Xvfb, and the program they start is sanitized too); then the
# fuzzers of the file readers go over their corpus and fuzz briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh

cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENABLE_SANITIZERS=ON \
      -DYULAVIN_WERROR=ON >/dev/null
cmake --build build-tests

# Every test program, and the program the desktop tests start, stops at the first fault.
# Memory that system libraries keep to the end is listed in scripts/lsan.supp.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
cd build-tests
ctest --output-on-failure -j "$(nproc)"
cd ..
bash scripts/fuzz.sh 15
