#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to the program
# (an optional document to open).
set -euo pipefail
cd "$(dirname "$0")/.."

# The program is a window: without a display it cannot start, so say so
# before spending minutes on set-up and building.
ARGS="$*"
no_display() {
  cat >&2 <<MSG
kvrm needs a display (X11, or Wayland with XWayland): ${1}.
On a machine without one, start it on a virtual X server:
    xvfb-run -a bash scripts/run.sh${ARGS:+ $ARGS}
MSG
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
