#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to the program
# (an optional document to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target kvrm
exec ./build/kvrm "$@"
