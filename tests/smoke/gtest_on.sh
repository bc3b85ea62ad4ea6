#!/usr/bin/env bash
# Runs a test program beside a private window server of its own:
#   xvfb    a virtual X server, on the toolkit's X11 platform, for tests that
#           need a real X server (real pointer clicks through xdotool);
#   weston  a headless Wayland compositor with no X server beside it, on the
#           platform that the program chooses itself.
#
#   bash tests/smoke/gtest_on.sh xvfb|weston TEST_PROGRAM [GTEST ARGS...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

usage='usage: gtest_on.sh xvfb|weston TEST_PROGRAM [GTEST ARGS...]'
server=${1:?$usage}
program=${2:?$usage}
program=$(realpath "$program")
shift 2
case $server in
xvfb)
    in_xvfb "$0" "$server" "$program" "$@"
    QT_QPA_PLATFORM=xcb exec "$program" "$@"
    ;;
weston)
    in_weston "$0" "$server" "$program" "$@"
    exec env -u DISPLAY -u QT_QPA_PLATFORM "$program" "$@"
    ;;
*)
    echo "FAIL: $usage"
    exit 1
    ;;
esac
