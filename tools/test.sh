#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
bash tools/deps.sh
# tools/run.sh turns the tests off in the same folder: turn them on again.
build_and_test build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DVANTORO_BENCH=ON
