#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
# Build: compiler, CMake, Qt, X11 connection, tests and benchmarks. Run: the narrow sans that
# control text is drawn in, the spelling dictionary. Tests: a virtual X server and its tools.
packages=(build-essential cmake pkgconf qt6-base-dev libgl-dev libxcb1-dev libhunspell-dev libgtest-dev libbenchmark-dev
  fonts-liberation2 hunspell-en-us
  xvfb xauth xdotool x11-utils imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
