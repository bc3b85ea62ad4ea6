#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick pkgconf libhunspell-dev hunspell-en-us)
missing=()
packages+=(fonts-liberation2) # the narrow sans that control text is drawn in
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
