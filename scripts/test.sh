#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
#   scripts/test.sh             optimised build with gcc, in build/release
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer
#                               build with clang (fuzzers included), in build/sanitize
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

# The layer rules first: a wrong-way include fails here in a second.
python3 scripts/check_layers.py

if [ "${1:-}" = "--sanitize" ]; then
    build=build/sanitize
    config=(-DCMAKE_CXX_COMPILER=clang++ -DKORBIT_SANITIZE=ON -DKORBIT_BUILD_BENCH=OFF)
    # Tests labelled slow (processes killed mid-run over large files) run in
    # the optimised build only.
    exclude=(-LE slow)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    build=build/release
    config=()
    exclude=()
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORBIT_WERROR=ON "${config[@]}"
cmake --build "$build"

# The sound cues are played for real: on a machine without an audio server
# (a CI runner), a private one with a silent output runs for the tests.
if ! pactl info >/dev/null 2>&1; then
    pulse_dir=$(mktemp -d "${TMPDIR:-/tmp}/korbit-audio.XXXXXX")
    XDG_RUNTIME_DIR=$pulse_dir pulseaudio --daemonize=yes --exit-idle-time=-1 -n --use-pid-file=yes \
        --load="module-null-sink sink_name=silence" --load=module-native-protocol-unix 2>/dev/null || true
    export PULSE_SERVER="unix:$pulse_dir/pulse/native"
    trap 'XDG_RUNTIME_DIR=$pulse_dir pulseaudio --kill 2>/dev/null; rm -rf "$pulse_dir"' EXIT
fi

ctest --test-dir "$build" --output-on-failure --parallel 2 "${exclude[@]}"
