#!/usr/bin/env bash
# The windows under a desktop theme, in a real X server: the program starts
# with the theme's platform plugin, eight teams are picked and both DONE boxes
# checked, and a picture of the main window and of the About window shows
# whether their texts read against what lies behind them, measured from the
# pixels: the heading, "Teams:", "UserID:" and the About labels at 4.5:1 or
# more, the links at 3.5:1 or more, and the locked popups' picks at 4.5:1 or
# more while still lighter than an enabled popup's text.
#
#   bash tests/smoke/xvfb_themes.sh PROGRAM THEME [SCREENSHOT.png]
#
# THEME: light (no platform theme), gtk-dark (the GTK platform theme with the
# dark Adwaita theme) or qt6ct-dark (qt6ct's darker scheme, its configuration
# written into a scratch folder).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=${1:?usage: xvfb_themes.sh PROGRAM THEME [SCREENSHOT.png]}
theme=${2:?usage: xvfb_themes.sh PROGRAM THEME [SCREENSHOT.png]}
program=$(realpath "$program")
shot=${3:-$(dirname "$program")/smoke_theme_$theme.png}
about_shot=${shot%.png}_about.png
if [[ ${XVFB_SMOKE_INSIDE:-} != 1 ]]; then
    scratch=$(mktemp -d)
    SCRATCH=$scratch EXTRA_CLEANUP=$scratch in_xvfb "$0" "$program" "$theme" "$shot"
fi

# Only the theme under test may choose the look.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_THEME
export XDG_CONFIG_HOME=$SCRATCH/config
mkdir -p "$XDG_CONFIG_HOME"
case $theme in
light) plugin= ;;
gtk-dark)
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    plugin=libqgtk3.so
    ;;
qt6ct-dark)
    export QT_QPA_PLATFORMTHEME=qt6ct
    plugin=libqt6ct.so
    mkdir -p "$XDG_CONFIG_HOME/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n' \
        >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
    ;;
*)
    echo "FAIL: no theme named $theme"
    exit 1
    ;;
esac

# The toolkit names each plugin it loads: a theme that silently failed to load
# would test nothing.
log=$SCRATCH/program.log
QT_DEBUG_PLUGINS=1 start_program "$program" 2>"$log"
if [[ -n $plugin ]] && ! grep -q "platformthemes/$plugin\" loaded library" "$log"; then
    echo "FAIL: the platform theme $plugin did not load (bash tools/deps.sh installs it)"
    exit 1
fi

await_menubar

left=23
for k in 1 2 3 4 5 6 7 8; do
    pick "$left" 47 80 20 "$k"
    left=$((left + 92))
done
at 759 44 58 20
xdotool click 1
settle
at 758 88 58 20
xdotool click 1
settle

# name, left, top, width, height, least ratio: the box of a text in the
# content area. A popup's box is the face left of its arrow, inside its frame.
main_checks=(
    "heading 204 3 445 39 4.5"
    "Teams: 23 15 100 20 4.5"
    "UserID: 536 510 53 20 4.5"
    "contact-link 536 590 214 20 3.5"
    "locked-team-pick 26 50 50 14 4.5"
    "locked-strength-pick 32 90 50 14 4.5"
)
# The empty combo box reaches into Label1's box: its part right of the box is measured.
about_checks=(
    "About-Label1 101 25 130 53 4.5"
    "About-Label2 11 116 188 35 4.5"
    "About-link 11 160 178 20 3.5"
)
# Prints a line per check and the faults; true when there are none.
measure() { # picture, offset of the content area, checks...
    local picture=$1 offset=$2 faults=0 name l t w h least result
    shift 2
    for check in "$@"; do
        read -r name l t w h least <<<"$check"
        result=$(contrast "$picture" "$l" $((t + offset)) "$w" "$h")
        if LC_ALL=C awk -v r="${result##* }" -v least="$least" 'BEGIN { exit !(r >= least) }'; then
            echo "  $name: $result"
        else
            echo "  FAIL: $name: $result, less than $least:1"
            faults=$((faults + 1))
        fi
    done
    ((faults == 0))
}

# Takes a picture of the main window and sets report; true when every text reads.
main_window_reads() {
    local fine=0 locked enabled
    import -window "$window" "$shot"
    report=$(measure "$shot" "$menubar" "${main_checks[@]}") || fine=1
    # A locked pick still looks disabled: it stands out less than the enabled
    # pairing popup's "Choose".
    locked=$(contrast "$shot" 26 $((50 + menubar)) 50 14)
    enabled=$(contrast "$shot" 26 $((196 + menubar)) 50 14)
    report+=$'\n'"  enabled-pairing-popup: $enabled"
    if ! LC_ALL=C awk -v a="${enabled##* }" -v b="${locked##* }" 'BEGIN { exit !(a >= 2 * b) }'; then
        report+=$'\n'"  FAIL: a locked pick ($locked) does not look disabled beside an enabled popup ($enabled)"
        fine=1
    fi
    return "$fine"
}
# The same for the About window.
about_reads() {
    eval "$(xdotool getwindowgeometry --shell "$about")"
    import -window "$about" "$about_shot"
    report=$(measure "$about_shot" $((HEIGHT - 200)) "${about_checks[@]}")
}

# The pictures are taken again while the last paint may lag.
failed=0
await_true main_window_reads || failed=1
echo "main window under $theme ($shot):"
echo "$report"

xdotool key alt+f Down Return
if ! about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Vantoro$' | head -n 1) ||
    [[ -z $about ]]; then
    echo "FAIL: no About window within 20 s"
    exit 1
fi
await_true about_reads || failed=1
echo "About window under $theme ($about_shot):"
echo "$report"

quit_program
((failed == 0)) || exit 1
echo "PASS: the windows read under the $theme theme"
