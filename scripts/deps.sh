#!/usr/bin/env bash
# Installs (with apt-get) everything needed to build, run and test the program.
# Packages already present are skipped, so a second run does nothing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-translations-l10n
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libfreetype-dev fonts-liberation fonts-wqy-microhei
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  xvfb xauth locales x11-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the tests can show that number text never
# follows the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: de_DE.UTF-8 locale not generated"
fi
