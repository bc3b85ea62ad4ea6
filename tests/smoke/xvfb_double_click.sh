#!/usr/bin/env bash
# Smoke test in a real X server: a whole tournament played with fast
# double-clicks (no delay between the two clicks) on the second DONE box, on
# all seven Play buttons and on Save_List. Expects eight different teams, one
# winner per game, one win for the one final and one block in the results file.
#
#   bash tests/smoke/xvfb_double_click.sh PROGRAM [SCREENSHOT.png]
set -euo pipefail

source "$(dirname "$0")/lib.sh"

program=${1:?usage: xvfb_double_click.sh PROGRAM [SCREENSHOT.png]}
program=$(realpath "$program")
shot=${2:-$(dirname "$program")/smoke_double_click.png}
if [[ ${XVFB_SMOKE_INSIDE:-} != 1 ]]; then
    # The results file goes beside the executable: a private copy keeps it
    # out of the build folder.
    appdir=$(mktemp -d)
    cp "$program" "$appdir/"
    EXTRA_CLEANUP=$appdir in_xvfb "$0" "$appdir/$(basename "$program")" "$shot"
fi

start_program "$program"

await_menubar
settle

click() { at "$@"; xdotool click 1; settle; }
double_click() { at "$@"; xdotool click --repeat 2 --delay 0 1; settle; }

team_popups=("23 47" "115 47" "207 47" "299 47" "391 47" "483 47" "575 47" "667 47")
for k in "${!team_popups[@]}"; do pick ${team_popups[$k]} 80 20 $((k + 1)); done
click 759 44 58 20
double_click 758 88 58 20
for left in 23 106 207 290 391 477 579 668; do pick "$left" 193 80 20 1; done

plays=("66 215" "250 215" "427 215" "625 215" "194 349" "564 349" "361 472")
for play in "${plays[@]}"; do double_click $play 80 20; done

click 592 505 80 22
xdotool type --delay 20 smoke
double_click 536 539 99 20

# One winner per game: exactly one of its two score fields on the winner colour.
# The picture is taken again until it shows that, as the last paint may lag.
fields=("29 159" "126 159" "213 159" "310 159" "402 159" "497 159" "587 159" "687 159"
        "146 315" "233 315" "511 315" "609 315" "320 442" "401 442")
for _ in $(seq 60); do
    import -window "$window" "$shot"
    faults=()
    for ((g = 0; g < 7; ++g)); do
        winners=0
        for side in 0 1; do
            read -r left top <<<"${fields[$((2 * g + side))]}"
            colour=$(convert "$shot" -format "%[hex:p{$((left + 37)),$((top + 11 + menubar))}]" info:)
            [[ ${colour:0:6} == FF9833 ]] && winners=$((winners + 1))
        done
        ((winners == 1)) || faults+=("FAIL: game $((g + 1)) shows $winners winner fields")
    done
    ((${#faults[@]} == 0)) && break
    sleep 0.5
done
echo "screenshot $shot"
failed=0
if ((${#faults[@]})); then
    printf '%s\n' "${faults[@]}"
    failed=1
fi

shopt -s nullglob
files=("$(dirname "$program")"/smoke-*.txt)
if ((${#files[@]} != 1)); then
    echo "FAIL: expected one results file, found ${#files[@]}"
    exit 1
fi
file=${files[0]}
lines=$(wc -l <"$file")
teams=$(sed -n '2,9p' "$file" | cut -f1 | sort -u | wc -l)
wins=$(sed -n '2,9p' "$file" | awk -F'\t\\|\\| ' '{ s += $2 } END { print s }')
echo "results file: $lines lines, $teams different teams, $wins wins"
if ((lines != 10)); then echo "FAIL: $lines lines, not one block of 10"; failed=1; fi
if ((teams != 8)); then echo "FAIL: $teams different teams, not 8"; failed=1; fi
if ((wins != 1)); then echo "FAIL: $wins wins for one final"; failed=1; fi

quit_program
((failed == 0)) || exit 1
echo "PASS: double-clicks confirmed, played, counted and saved once each"
