#!/usr/bin/env bash
# Smoke test in a real X server: starts the program under a virtual X server,
# finds its main window by title, takes a screenshot, checks that the window
# manager is told the window's size is fixed, pastes nothing into the
# Instructions text by each of the ways a user pastes, quits through Ctrl+Q and
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
# The picture is taken again until the first paint shows, for 30 s at most.
for _ in $(seq 60); do
    import -window "$window" "$shot"
    colours=$(convert "$shot" -format %k info:)
    ((colours < 8)) || break
    sleep 0.5
done
echo "screenshot $shot ($colours colours)"
if ((colours < 8)); then
    echo "FAIL: the screenshot is blank"
    exit 1
fi

# One size as minimum and maximum, and the Motif functions offer neither
# resizing (0x2) nor maximising (0x10).
command -v xprop >/dev/null || { echo "FAIL: xprop is missing (bash tools/deps.sh installs it)"; exit 1; }
hints=$(xprop -id "$window" WM_NORMAL_HINTS _MOTIF_WM_HINTS)
min=$(sed -n 's/.*minimum size: //p' <<<"$hints")
max=$(sed -n 's/.*maximum size: //p' <<<"$hints")
functions=$(sed -n 's/^_MOTIF_WM_HINTS.* = [^,]*, *\([^,]*\),.*/\1/p' <<<"$hints")
if [[ -z $min || $min != "$max" || -z $functions ]] || ((functions & 0x12)); then
    echo "FAIL: the window's size is not fixed for the window manager:"
    echo "$hints"
    exit 1
fi
echo "fixed size $min, Motif functions $functions"
# Nothing owns the clipboard or the selection in a fresh X server: Ctrl+V,
# Shift+Insert and a middle click into the Instructions text paste nothing.
xdotool key alt+f Right Right Return
if ! instructions=$(timeout 20 xdotool search --sync --onlyvisible --name '^Instructions$' | head -n 1) ||
    [[ -z $instructions ]]; then
    echo "FAIL: no Instructions window within 20 s"
    exit 1
fi
xdotool windowfocus --sync "$instructions"
eval "$(xdotool getwindowgeometry --shell "$instructions")"
# The text area's middle, below the window's menu bar.
xdotool mousemove --window "$instructions" 268 $((HEIGHT - 361 + 153)) click 1
xdotool key ctrl+v shift+Insert
xdotool click 2
# Still answering: a menu opened after the pastes shows. Its window bears the
# program's name.
xdotool key alt+f
if ! timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name "^$(basename "$program")\$" >/dev/null; then
    echo "FAIL: the program does not answer after the pastes into the Instructions text"
    exit 1
fi
xdotool key Escape Escape
echo "pasted nothing into the Instructions text three ways; the program answers"
quit_program
echo "PASS: quit through Ctrl+Q with exit status 0"
