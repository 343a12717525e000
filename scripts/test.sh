#!/usr/bin/env bash
# Sets up, builds and runs every test: the full build, each GUI test on an
# Xvfb server of its own (Mesa's software renderer), then the display-free
# engine once more with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

JOBS=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"

# Each GUI test program starts an X server of its own (tests/run_with_xvfb.sh).
export LIBGL_ALWAYS_SOFTWARE=1
export QT_QPA_PLATFORM=xcb
timeout 1500 ctest --test-dir build --output-on-failure -j 4

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQG_SANITIZE=ON -DQG_ENGINE_ONLY=ON
cmake --build build-asan -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  timeout 1200 ctest --test-dir build-asan --output-on-failure -j 4
