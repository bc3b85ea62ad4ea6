#!/usr/bin/env bash
# Which window system the program connects through on a desktop that offers
# Wayland, with a virtual X server and a headless Wayland compositor side by
# side: the X server when both are there (the window is found there by title
# and quits through Ctrl+Q with status 0), Wayland when only it is there or
# the X server does not answer, the one the user names in QT_QPA_PLATFORM
# always. A window on Wayland is seen in the program's own protocol trace
# (WAYLAND_DEBUG), titled as designed, and not in the X server. Where the
# Wayland desktop answers but Qt's Wayland plugin is missing, the program says
# so and ends with status 1.
#
#   bash tests/smoke/wayland_platform.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=${1:?usage: wayland_platform.sh PROGRAM}
program=$(realpath "$program")
in_xvfb "$0" "$program"
in_weston "$0" "$program"

failures=0
fail() {
    echo "FAIL ($1): $2"
    failures=$((failures + 1))
}

# The X server's windows with the main window's title.
x_windows() { xdotool search --name "^${TITLE//\?/\\?}\$" 2>/dev/null | wc -l; }

# A platform named from outside would decide every case below.
unset QT_QPA_PLATFORM

echo "== both servers: the X server"
start_program "$program"
quit_program
echo "PASS (both servers): the window is on the X server; quit with status 0"

# Starts the program with the given environment and expects its main window
# on the Wayland compositor, not on the X server; then ends it.
expect_wayland() {
    local what=$1 trace status=0
    shift
    trace=$(mktemp)
    env "$@" WAYLAND_DEBUG=client "$program" 2>"$trace" &
    local started=$!
    on_wayland() { grep -q "xdg_toplevel@[0-9]*\.set_title(\"$TITLE\")" "$trace"; }
    if ! await_true on_wayland; then
        fail "$what" "no window titled \"$TITLE\" on Wayland within 30 s"
        tail -n 5 "$trace"
    elif (($(x_windows) != 0)); then
        fail "$what" "the window is on the X server"
    else
        echo "PASS ($what): the window is on Wayland"
    fi
    kill "$started" 2>/dev/null || true
    wait "$started" 2>/dev/null || status=$?
    rm -f "$trace"
}

# A display number far above those that xvfb-run -a hands out, with no server.
display=7391
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done

echo "== Wayland"
expect_wayland "both servers, QT_QPA_PLATFORM=wayland" QT_QPA_PLATFORM=wayland
expect_wayland "Wayland alone" -u DISPLAY
expect_wayland "both named, no X server at DISPLAY" DISPLAY=":$display"

echo "== a Wayland desktop, and no Wayland plugin"
# Qt reads where its plugins lie from a qt.conf beside the program: here only
# the X11 plugin is there.
appdir=$(mktemp -d)
plugins=$(dirname "$(find /usr/lib -path '*/qt6/plugins/platforms/libqxcb.so' -print -quit)")
mkdir -p "$appdir/plugins/platforms"
ln -s "$plugins/libqxcb.so" "$appdir/plugins/platforms/"
printf '[Paths]\nPlugins=%s\n' "$appdir/plugins" >"$appdir/qt.conf"
cp "$program" "$appdir/"
err=$(mktemp)
status=0
env -u DISPLAY timeout 20 "$appdir/$(basename "$program")" >/dev/null 2>"$err" || status=$?
if ((status != 1)); then
    fail "no Wayland plugin" "exit status $status, expected 1"
elif ! grep -q "qt6-wayland" "$err" || grep -q "xvfb-run" "$err"; then
    fail "no Wayland plugin" "the message does not name the Wayland plugin"
else
    echo "PASS (no Wayland plugin): status 1"
fi
sed 's/^/    /' "$err"
rm -rf "$appdir" "$err"

((failures == 0))
