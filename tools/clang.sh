#!/usr/bin/env bash
# Builds everything with clang (into build-clang/) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
bash tools/deps.sh clang
build_and_test build-clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release
