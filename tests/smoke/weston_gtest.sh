#!/usr/bin/env bash
# Runs a test program on a private headless Wayland compositor with no X
# server beside it, on the platform that the program chooses itself.
#
#   bash tests/smoke/weston_gtest.sh TEST_PROGRAM [GTEST ARGS...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=${1:?usage: weston_gtest.sh TEST_PROGRAM [GTEST ARGS...]}
program=$(realpath "$program")
shift
in_weston "$0" "$program" "$@"

exec env -u DISPLAY -u QT_QPA_PLATFORM "$program" "$@"
