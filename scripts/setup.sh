#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing.
set -euo pipefail
PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libepoxy-dev libimgui-dev libfreetype-dev fonts-dejavu-core
  libopenal-dev libsndfile1-dev libmp3lame-dev libstb-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth libgl1-mesa-dri mesa-utils xdg-utils
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
