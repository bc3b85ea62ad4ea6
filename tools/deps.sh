#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing;
# packages named as arguments too (CI's second compiler, its locales).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
# Build: compiler, CMake, Qt, X11 connection, tests and benchmarks. Run: the narrow sans that
# control text is drawn in, the spelling dictionary, Qt's Wayland plugin for a Wayland desktop
# without an X server. Tests: a virtual X server and its tools, the desktop themes the windows are
# tried under (GTK's platform theme, qt6ct), and a headless Wayland compositor.
packages=(build-essential cmake pkgconf qt6-base-dev libgl-dev libxcb1-dev libhunspell-dev libgtest-dev libbenchmark-dev
  fonts-liberation2 hunspell-en-us qt6-wayland
  xvfb xauth xdotool x11-utils imagemagick qt6-gtk-platformtheme qt6ct weston "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
