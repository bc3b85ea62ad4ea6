#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVANTORO_SANITIZE=ON -DVANTORO_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$(nproc)"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
