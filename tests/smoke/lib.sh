# Shared steps of the smoke tests that run the program in a virtual X server.
# Source it, then call in_xvfb "$0" ARGS... first thing: outside the X server it
# starts one and runs the calling script again inside it, then exits.

TITLE='So You Want A Vantoro?'

# Runs the calling script again inside a private virtual X server, unless it
# runs there already. EXTRA_CLEANUP names folders to remove afterwards.
in_xvfb() {
    [[ ${XVFB_SMOKE_INSIDE:-} == 1 ]] && return 0
    for tool in xvfb-run xdotool import convert; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (bash tools/deps.sh installs it)"; exit 1; }
    done
    # A private auth file and runtime folder per run, so parallel test runs share neither.
    local auth status=0
    auth=$(mktemp)
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    XVFB_SMOKE_INSIDE=1 xvfb-run -a -f "$auth" -s "-screen 0 1024x768x24" bash "$@" || status=$?
    rm -rf "$auth" "$XDG_RUNTIME_DIR" ${EXTRA_CLEANUP:-}
    exit "$status"
}

# Runs the calling script again beside a private headless Wayland compositor
# (weston), unless it runs there already; WAYLAND_DISPLAY names it. Called after
# in_xvfb, the script has both servers, as a Wayland desktop with Xwayland has.
in_weston() {
    [[ ${WESTON_SMOKE_INSIDE:-} == 1 ]] && return 0
    command -v weston >/dev/null || { echo "FAIL: weston is missing (bash tools/deps.sh installs it)"; exit 1; }
    local own_runtime='' log socket weston status=0
    # The compositor wants a runtime folder that only its user may enter.
    if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
        export XDG_RUNTIME_DIR
        XDG_RUNTIME_DIR=$(mktemp -d)
        own_runtime=$XDG_RUNTIME_DIR
    fi
    log=$(mktemp)
    socket=vantoro-$$
    weston --backend=headless-backend.so --socket="$socket" --width=1024 --height=768 --idle-time=0 \
        >"$log" 2>&1 &
    weston=$!
    if ! await_true test -S "$XDG_RUNTIME_DIR/$socket"; then
        echo "FAIL: weston did not start within 30 s:"
        cat "$log"
        status=1
    else
        WESTON_SMOKE_INSIDE=1 WAYLAND_DISPLAY=$socket bash "$@" || status=$?
    fi
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    rm -rf "$log" $own_runtime ${EXTRA_CLEANUP:-}
    exit "$status"
}

# Starts the program and finds its main window by title: sets pid and window.
start_program() {
    "$1" &
    pid=$!
    trap 'kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null; true' EXIT
    # xdotool reads the name as a pattern, so the question mark is escaped.
    if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${TITLE//\?/\\?}\$" | head -n 1) ||
        [[ -z $window ]]; then
        echo "FAIL: no window titled \"$TITLE\" within 20 s"
        exit 1
    fi
    echo "found window $window titled \"$(xdotool getwindowname "$window")\""
    # No window manager runs here, so the keyboard focus is given by hand.
    xdotool windowfocus --sync "$window"
}

# Quits through Ctrl+Q as a user would and expects exit status 0 within 10 s.
quit_program() {
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
    local status=0
    wait "$pid" || status=$?
    if ((status != 0)); then
        echo "FAIL: exit status $status after Ctrl+Q"
        exit 1
    fi
}

# Runs a check (a command and its arguments) again until it holds, for 30 s at
# most: a state the program reaches in its own time, or that the last paint
# shows late. False when it never held.
await_true() {
    local deadline=$((SECONDS + 30))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Waits until the main window has its menu bar and sets menubar to its height:
# positions are in the content area, below it.
await_menubar() {
    has_menubar() {
        eval "$(xdotool getwindowgeometry --shell "$window")"
        ((HEIGHT > 650))
    }
    await_true has_menubar || { echo "FAIL: the window has no menu bar"; exit 1; }
    menubar=$((HEIGHT - 650))
}

# Waits until the program shows this many windows: the main window, and a popup
# or menu while one is open.
await_windows() {
    shows_windows() { (($(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l) == $1)); }
    await_true shows_windows "$1" || { echo "FAIL: the program does not show $1 windows within 30 s"; exit 1; }
}

# Opens the File menu and closes it again. Input is handled in its order, so
# once the menu shows, all that was sent before has been handled. It opens by
# its key: under load, a click there a few milliseconds after a double-click
# could leave the menu bar marked open with no menu shown.
# The second Escape leaves the menu bar, which gives the keyboard back.
settle() {
    xdotool key alt+f
    await_windows 2
    xdotool key Escape
    await_windows 1
    xdotool key Escape
}

# Moves to the middle of a control of the main window given as "left top width height".
at() { xdotool mousemove --window "$window" $(($1 + $3 / 2)) $(($2 + $4 / 2 + menubar)); }

# Opens a popup given as "left top width height" and picks the row that many
# steps below the one shown. The next click waits until the popup is gone:
# while it shows, it takes the mouse.
pick() {
    local steps=$5
    at "$1" "$2" "$3" "$4"
    xdotool click 1
    await_windows 2
    for ((i = 0; i < steps; ++i)); do xdotool key Down; done
    xdotool key Return
    await_windows 1
}

# The contrast of a box of a picture as WCAG reckons it: the box's commonest
# colour is the background, and the pixel that stands out from it most is the
# text. Prints "#BACKGROUND #TEXT RATIO", the ratio with a decimal point in
# any locale.
#   contrast PICTURE LEFT TOP WIDTH HEIGHT
contrast() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- | LC_ALL=C awk '
        function linear(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        /^[0-9]/ {
            rgb = $2; gsub(/[()]/, "", rgb); split(rgb, v, ",")
            key = sprintf("%02X%02X%02X", v[1], v[2], v[3])
            count[key]++
            lum[key] = 0.2126 * linear(v[1]) + 0.7152 * linear(v[2]) + 0.0722 * linear(v[3])
        }
        END {
            for (k in count) if (count[k] > most) { most = count[k]; bg = k }
            for (k in count) {
                hi = lum[k] > lum[bg] ? lum[k] : lum[bg]; lo = lum[k] > lum[bg] ? lum[bg] : lum[k]
                r = (hi + 0.05) / (lo + 0.05)
                if (r > best) { best = r; fg = k }
            }
            if (!best) { best = 1; fg = bg }
            printf "#%s #%s %.2f\n", bg, fg, best
        }'
}
