#!/usr/bin/env bash
# The main window during a 1 GiB encryption and decryption: its progress poll
# must tick with no gap over 20 ms, and its percentage label must repaint.
# The file lies in memory (/dev/shm) unless TMPDIR names another folder.
# Runs on a virtual X server when Xvfb is installed (real repaints), else on
# the offscreen platform.
#   bench/window_ticks.sh [BUILD_DIR] [SIZE_MIB]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
mib=${2:-1024}
cmake --build "$build" --target window_ticks korbit > /dev/null
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

if command -v xvfb-run > /dev/null; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$build/bench/window_ticks" "$mib"
fi
exec env QT_QPA_PLATFORM=offscreen "$build/bench/window_ticks" "$mib"
