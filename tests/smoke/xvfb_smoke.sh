#!/usr/bin/env bash
# Smoke test in a real X server: starts the program under a virtual X server,
# finds its main window by title, takes a screenshot, quits through Ctrl+Q and
# expects exit status 0 within a few seconds.
#
#   bash tests/smoke/xvfb_smoke.sh PROGRAM [SCREENSHOT.png]
#
# The screenshot goes to the given path, by default beside the program.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=${1:?usage: xvfb_smoke.sh PROGRAM [SCREENSHOT.png]}
program=$(realpath "$program")
shot=${2:-$(dirname "$program")/smoke_main_window.png}
in_xvfb "$0" "$program" "$shot"

start_program "$program"
# Give the first paint a moment before the picture is taken.
sleep 1
import -window "$window" "$shot"
colours=$(convert "$shot" -format %k info:)
echo "screenshot $shot ($colours colours)"
if ((colours < 8)); then
    echo "FAIL: the screenshot is blank"
    exit 1
fi
quit_program
echo "PASS: quit through Ctrl+Q with exit status 0"
