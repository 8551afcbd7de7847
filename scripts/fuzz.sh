#!/usr/bin/env bash
# Builds the fuzzers of the file readers (clang, address and undefined-behaviour sanitizers) into
# build-fuzz and runs each one over its committed corpus (fuzz/corpus/<target>), then fuzzes for
# SECONDS (default 10) per target. Exits non-zero on any finding; what it found is kept in
# build-fuzz/findings. Run it for ten minutes or more (scripts/fuzz.sh 600) after changing a reader.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DYULAVIN_FUZZ=ON -DYULAVIN_BUILD_TESTS=OFF -DYULAVIN_WERROR=ON >/dev/null
cmake --build build-fuzz --target fuzzers

# Every save syncs to disk: files in memory keep the fuzzers fast.
if [[ -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
# Where the sanitizers find llvm-symbolizer for readable stack traces.
export PATH=/usr/lib/llvm-14/bin:$PATH
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
mkdir -p build-fuzz/findings build-fuzz/logs
failed=0
for target in Settings LanguageFile DesktopEntry; do
  fuzzer=build-fuzz/fuzz/${target}Fuzzer
  seeds=build-fuzz/seeds/$target
  rm -rf "$seeds" && mkdir -p "$seeds" "build-fuzz/corpus/$target"
  for input in fuzz/corpus/"$target"/*; do
    name=${input#fuzz/corpus/}
    log=build-fuzz/logs/${name//\//-}.log
    if "$fuzzer" "$input" >"$log" 2>&1; then
      cp "$input" "$seeds/"
    else
      echo "$name: FAULT ($log)"; tail -n 30 "$log"; failed=1
    fi
  done
  log=build-fuzz/logs/$target-fuzzing.log
  if "$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
       "build-fuzz/corpus/$target" "$seeds" >"$log" 2>&1; then
    echo "$target: fuzzed $(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$') inputs in ${seconds} s, no finding"
  else
    echo "$target: FINDING ($log)"; grep -A12 -m1 -E 'ERROR|runtime error|deadly signal' "$log" || tail -n 30 "$log"; failed=1
  fi
done
exit "$failed"
