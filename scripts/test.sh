#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test
# headlessly (widgets on Qt's offscreen platform; X11 tests start their own Xvfb). The logic
# tests run a second time built with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DENABLE_SANITIZERS=ON \
      -DYULAVIN_WERROR=ON >/dev/null
cmake --build build-asan --target core_tests platform_tests pages_tests
for program in core_tests platform_tests pages_tests; do
  echo "Sanitizer run: $program"
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 build-asan/bin/$program --gtest_brief=1
done

cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYULAVIN_WERROR=ON >/dev/null
cmake --build build-tests
cd build-tests
ctest --output-on-failure -j "$(nproc)"
