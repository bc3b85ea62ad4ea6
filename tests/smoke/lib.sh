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
