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

# Runs an apt-get command, waiting up to five minutes while another package
# manager (an update that starts at boot, say) holds apt's or dpkg's lock.
apt_get() {
  local waited=0 log status
  log=$(mktemp)
  while true; do
    status=0
    $SUDO apt-get -o DPkg::Lock::Timeout=300 "$@" 2> >(tee "$log" >&2) || status=$?
    wait # for tee
    if [ "$status" -eq 0 ]; then rm -f "$log"; return 0; fi
    if ! grep -qiE 'could not get lock|unable to lock|unable to acquire' "$log" ||
       [ "$waited" -ge 300 ]; then
      rm -f "$log"
      return "$status"
    fi
    echo "apt is busy: waiting for its lock ($waited s so far)..." >&2
    sleep 10
    waited=$((waited + 10))
  done
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the tests can show that number text never
# follows the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: de_DE.UTF-8 locale not generated"
fi
