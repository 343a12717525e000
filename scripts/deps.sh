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

# Runs an apt-get command, waiting up to five minutes in all while another
# package manager (an update that starts at boot, say) holds apt's or dpkg's
# lock. The bound is on the clock: apt waits on the lock itself for the time
# that is left, and a try that fails at once is followed by a short pause and
# another try, as long as time is left. QG_APT_LOCK_WAIT (seconds) changes the
# bound, so a test need not wait five minutes.
apt_get() {
  local limit=${QG_APT_LOCK_WAIT:-300} start=$SECONDS left log status lock
  [[ $limit =~ ^[0-9]+$ ]] || limit=300
  log=$(mktemp)
  while true; do
    left=$((limit - (SECONDS - start)))
    if [ "$left" -lt 0 ]; then left=0; fi
    status=0
    # apt's error output goes to the user and, through tee, to the log. As
    # one pipeline, it ends only when tee has written all of it, so the log
    # is whole when it is read (bash does not wait for a process
    # substitution started for a program). pipefail (set above) makes a
    # failing apt fail the pipeline; its own status is taken.
    { $SUDO apt-get -o DPkg::Lock::Timeout="$left" "$@" 2>&1 >&3 3>&- |
        tee "$log" >&2 3>&- || status=${PIPESTATUS[0]}; } 3>&1
    if [ "$status" -eq 0 ]; then rm -f "$log"; return 0; fi
    if ! grep -qiE 'could not get lock|unable to lock|unable to acquire' "$log"; then
      rm -f "$log"
      return "$status"
    fi
    left=$((limit - (SECONDS - start)))
    if [ "$left" -le 0 ]; then
      # apt names the lock, as a path, on the line that says it is held.
      lock=$(grep -iE 'could not get lock|unable to lock|unable to acquire' "$log" |
             grep -oE "/[^ ()',]+" | head -n 1 || true)
      lock=${lock%.}
      echo "apt-get $1: gave up after waiting $limit s for apt's lock${lock:+ $lock}:" \
           "another package manager holds it. Try again when it has finished." >&2
      rm -f "$log"
      return "$status"
    fi
    echo "apt is busy: waiting for its lock ($((SECONDS - start)) s so far)..." >&2
    sleep $((left < 10 ? left : 10))
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
