#!/usr/bin/env bash
# Smoke test in a real X server: starts the program under a virtual X server,
# finds its main window by title, takes a screenshot, quits through Ctrl+Q and
# expects exit status 0 within a few seconds.
#
#   bash tests/smoke/xvfb_smoke.sh PROGRAM [SCREENSHOT.png]
#
# The screenshot goes to the given path, by default beside the program.
set -euo pipefail

program=${1:?usage: xvfb_smoke.sh PROGRAM [SCREENSHOT.png]}
program=$(realpath "$program")
shot=${2:-$(dirname "$program")/smoke_main_window.png}
title='So You Want A Vantoro?'

if [[ ${XVFB_SMOKE_INSIDE:-} != 1 ]]; then
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (bash tools/deps.sh installs it)"; exit 1; }
    done
    # A private auth file and runtime folder per run, so parallel test runs share neither.
    auth=$(mktemp)
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$auth" "$XDG_RUNTIME_DIR"' EXIT
    XVFB_SMOKE_INSIDE=1 xvfb-run -a -f "$auth" -s "-screen 0 1024x768x24" bash "$0" "$program" "$shot"
    exit $?
fi

"$program" &
pid=$!
stop() { kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null; true; }
trap stop EXIT

# xdotool reads the name as a pattern, so the question mark is escaped.
if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${title//\?/\\?}\$" | head -n 1) || [[ -z $window ]]; then
    echo "FAIL: no window titled \"$title\" within 20 s"
    exit 1
fi
echo "found window $window titled \"$(xdotool getwindowname "$window")\""

# Give the first paint a moment before the picture is taken.
sleep 1
import -window "$window" "$shot"
colours=$(convert "$shot" -format %k info:)
echo "screenshot $shot ($colours colours)"
if ((colours < 8)); then
    echo "FAIL: the screenshot is blank"
    exit 1
fi

# No window manager runs here, so the keyboard focus is given by hand first.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q

for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: still running 10 s after Ctrl+Q"
    exit 1
fi
status=0
wait "$pid" || status=$?
if ((status != 0)); then
    echo "FAIL: exit status $status after Ctrl+Q"
    exit 1
fi
echo "PASS: quit through Ctrl+Q with exit status 0"
