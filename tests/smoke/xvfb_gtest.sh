#!/usr/bin/env bash
# Runs a test program that needs a real X server (real pointer clicks through
# xdotool) under a private virtual X server, on the toolkit's X11 platform.
#
#   bash tests/smoke/xvfb_gtest.sh TEST_PROGRAM [GTEST ARGS...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=${1:?usage: xvfb_gtest.sh TEST_PROGRAM [GTEST ARGS...]}
program=$(realpath "$program")
shift
in_xvfb "$0" "$program" "$@"

QT_QPA_PLATFORM=xcb exec "$program" "$@"
