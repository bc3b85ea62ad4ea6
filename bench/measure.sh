#!/usr/bin/env bash
# Measures the program and prints every figure in one run:
#   1. start-up to the main window shown, against a bare Qt window with the same
#      87 widgets (vantoro_bare_window), as a ratio;
#   2. peak resident memory (VmHWM) of both, as a ratio;
#   3. one whole tournament through the real handlers (median);
#   4. the bowl game core in games per second;
#   5. resident memory growth from the 10th to the 10,000th tournament;
#   6. resident memory growth over 1,000 Restarts of the main window.
#
#   bash bench/measure.sh [BUILD_DIR]      (default: build, configured as Release)
#
# 1 and 2 run both programs unchanged in a virtual X server: "shown" is the X
# server's map event of the top-level window, read through xev; the program
# quits through Ctrl+Q, the bare window is killed. 3 to 6 come from vantoro_soak.
set -euo pipefail

runs=10
repo=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${VANTORO_MEASURE_INSIDE:-} != 1 ]]; then
    build=$(realpath -m "${1:-$repo/build}")
    bash "$repo/tools/deps.sh"
    # A new build folder is configured as Release; an existing one keeps its build type.
    type=()
    [[ -f $build/CMakeCache.txt ]] || type=(-DCMAKE_BUILD_TYPE=Release)
    cmake -S "$repo" -B "$build" "${type[@]}" -DBUILD_TESTING=ON -DVANTORO_BENCH=ON >/dev/null
    log=$(mktemp)
    if ! cmake --build "$build" -j"$(nproc)" --target vantoro2011 vantoro_bare_window vantoro_soak >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    rm -f "$log"
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
    echo "build folder $build ($type build), $(nproc) processors, $runs runs of each program after one warm-up"
    echo
    # A private auth file and runtime folder, so parallel runs share neither.
    auth=$(mktemp)
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$auth" "$XDG_RUNTIME_DIR"' EXIT
    VANTORO_MEASURE_INSIDE=1 xvfb-run -a -f "$auth" -s "-screen 0 1024x768x24" bash "$0" "$build"
    echo
    # The headless platform's notes go to a log, shown only if the soak fails.
    status=0
    "$build/vantoro_soak" 2>"$XDG_RUNTIME_DIR/soak.log" || status=$?
    ((status == 0)) || cat "$XDG_RUNTIME_DIR/soak.log"
    exit $status
fi

# ---- inside the virtual X server ----
build=$1
program=$build/vantoro2011
bare=$build/vantoro_bare_window

# xev reports every top-level window's map event as it happens.
coproc XEV { exec stdbuf -oL xev -root -event substructure; }
sleep 0.3

now_us() { local t=${EPOCHREALTIME/./}; echo "$((10#$t))"; }

# Starts a program, waits for its first top-level window to be mapped, and
# leaves its pid, the window and the start-up time in microseconds in
# started_pid, started_window and started_us.
start() {
    local t0 line id
    t0=$(now_us)
    "$1" 2>/dev/null &
    started_pid=$!
    while IFS= read -r -t 20 line <&"${XEV[0]}"; do
        if [[ $line == MapNotify* ]]; then
            started_us=$(($(now_us) - t0))
            IFS= read -r -t 5 line <&"${XEV[0]}"
            id=${line##*window }
            started_window=$((${id%%,*}))
            return 0
        fi
    done
    echo "no window of $1 was mapped within 20 s" >&2
    exit 1
}

peak_kb() { # pid
    local line
    while IFS= read -r line; do
        if [[ $line == VmHWM:* ]]; then
            line=${line#VmHWM:}
            echo $((${line%kB}))
            return 0
        fi
    done </proc/"$1"/status
    echo "no peak memory for process $1" >&2
    exit 1
}

finish() { # pid
    local i
    for ((i = 0; i < 100; i++)); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$1" 2>/dev/null && { echo "process $1 did not end" >&2; kill -9 "$1"; }
    wait "$1" 2>/dev/null || true
}

# One run of each: start-up in microseconds and peak memory in kB, appended to
# the arrays of that program. The memory is read after the first paints.
declare -a program_us program_kb bare_us bare_kb
run_program() {
    start "$program"
    local title
    title=$(xdotool getwindowname "$started_window")
    [[ $title == "So You Want A Vantoro?" ]] || { echo "the first window mapped is \"$title\"" >&2; exit 1; }
    sleep 1
    program_us+=("$started_us")
    program_kb+=("$(peak_kb "$started_pid")")
    xdotool windowfocus --sync "$started_window" key --clearmodifiers ctrl+q
    finish "$started_pid"
}
run_bare() {
    start "$bare"
    sleep 1
    bare_us+=("$started_us")
    bare_kb+=("$(peak_kb "$started_pid")")
    kill "$started_pid"
    finish "$started_pid"
}

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

run_program
run_bare
program_us=() program_kb=() bare_us=() bare_kb=()
for ((r = 0; r < runs; r++)); do
    run_program
    run_bare
done

kill "$XEV_PID" 2>/dev/null || true

pu=$(median "${program_us[@]}") bu=$(median "${bare_us[@]}")
pk=$(median "${program_kb[@]}") bk=$(median "${bare_kb[@]}")
awk -v pu="$pu" -v bu="$bu" -v pk="$pk" -v bk="$bk" 'BEGIN {
    su = pu / bu; sk = pk / bk
    printf "%-44s %22s\n", "start-up to window shown, program (median)", sprintf("%.1f ms", pu / 1000)
    printf "%-44s %22s\n", "start-up to window shown, bare window", sprintf("%.1f ms", bu / 1000)
    printf "%-44s %22s   target %-12s %s\n", "start-up ratio", sprintf("%.2f", su), "<= 1.3", su <= 1.3 ? "met" : "MISSED"
    printf "%-44s %22s\n", "peak resident memory, program (median)", sprintf("%d kB", pk)
    printf "%-44s %22s\n", "peak resident memory, bare window", sprintf("%d kB", bk)
    printf "%-44s %22s   target %-12s %s\n", "peak memory ratio", sprintf("%.2f", sk), "<= 1.2", sk <= 1.2 ? "met" : "MISSED"
}'
echo "  start-up runs, program (ms): $(printf '%s ' "${program_us[@]}" | awk '{for (i = 1; i <= NF; i++) printf "%.1f ", $i / 1000}')"
echo "  start-up runs, bare (ms):    $(printf '%s ' "${bare_us[@]}" | awk '{for (i = 1; i <= NF; i++) printf "%.1f ", $i / 1000}')"
