#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to the program
# (an optional document to open).
set -euo pipefail
cd "$(dirname "$0")/.."

# The arguments as they have to be typed for the shell to pass them back
# unchanged, so the suggested command can be pasted as it is: plain words
# bare, others in double quotes, or in single quotes when double quotes would
# still expand something.
ARGS=""
for arg in "$@"; do
  if [[ $arg =~ ^[A-Za-z0-9_./:@%+,=-]+$ ]]; then
    ARGS+=" $arg"
  elif [[ $arg != *[\"\$\`\\!]* ]]; then
    ARGS+=" \"$arg\""
  else
    quoted=${arg//\'/\'\\\'\'}
    ARGS+=" '$quoted'"
  fi
done

# The program is a window: without a display it cannot start, so say so
# before spending minutes on set-up and building.
no_display() {
  cat >&2 <<MSG
kvrm needs a display (X11, or Wayland with XWayland): ${1}.
On a machine without one, start it on a virtual X server:
    xvfb-run -a bash scripts/run.sh${ARGS}
MSG
  # On a fresh machine xvfb-run is not there yet: say how to get it.
  if ! command -v xvfb-run >/dev/null; then
    cat >&2 <<MSG
xvfb-run is not installed yet: first run \`bash scripts/deps.sh\` (it installs
what is missing), or \`sudo apt-get install xvfb xauth\`.
MSG
  fi
  exit 1
}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  no_display "neither DISPLAY nor WAYLAND_DISPLAY is set"
fi
if [ -z "${WAYLAND_DISPLAY:-}" ] && command -v xdpyinfo >/dev/null &&
   ! xdpyinfo >/dev/null 2>&1; then
  no_display "the X display ${DISPLAY} does not answer"
fi

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target kvrm
exec ./build/kvrm "$@"
