#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
bash tools/deps.sh
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
build_and_test build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVANTORO_SANITIZE=ON -DVANTORO_BENCH=OFF
