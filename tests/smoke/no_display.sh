#!/usr/bin/env bash
# The program where no window can be shown: a display that no X server serves,
# a window system that cannot be loaded, no display at all. Each time it must
# say what to do and end with status 1: no abort, none of the toolkit's notes.
#
#   bash tests/smoke/no_display.sh PROGRAM
set -uo pipefail

program=${1:?usage: no_display.sh PROGRAM}
ulimit -c 0

# A display number far above those that xvfb-run -a hands out, with no server.
display=7391
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done

failures=0
check() { # description, then environment assignments
    local what=$1 err status
    shift
    err=$(mktemp)
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$program" >/dev/null 2>"$err"
    status=$?
    if ((status != 1)); then
        echo "FAIL ($what): exit status $status, expected 1"
        failures=$((failures + 1))
    elif ! grep -q 'xvfb-run build/vantoro2011' "$err"; then
        echo "FAIL ($what): the message is missing"
        failures=$((failures + 1))
    elif (($(wc -l <"$err") != 3)); then
        echo "FAIL ($what): more than the message on the error output"
        failures=$((failures + 1))
    else
        echo "PASS ($what)"
    fi
    sed 's/^/    /' "$err"
    rm -f "$err"
}

check "DISPLAY=:$display, no server there" DISPLAY=":$display"
check "QT_QPA_PLATFORM=nonsense" QT_QPA_PLATFORM=nonsense
check "no display at all"
((failures == 0))
