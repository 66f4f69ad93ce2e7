#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program. Arguments
# go to the program (a file to select, say).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release
exec build/release/corvane/corvane "$@"
