#!/usr/bin/env bash
# The library installed into a scratch prefix and used as its users use it.
#   library_use.sh stage   BUILD PREFIX        cmake --install into PREFIX
#   library_use.sh c       SOURCE PREFIX CC    the examples in docs/examples, built with pkg-config, run
#   library_use.sh cmake   SOURCE PREFIX CC    the same, built with the CMake package
#   library_use.sh python  SOURCE PREFIX       the Python module's tests, from the prefix (PYTHONPATH)
#   library_use.sh readme  SOURCE PREFIX CC    every example of the README's "Using the library"
#   library_use.sh clean   PREFIX
# CC may carry flags (a sanitizer build's); KORBIT_PRELOAD names a library
# the system's python3 must load first (the sanitizer's run-time).
set -euo pipefail

step=$1
fail() { echo "FAILED: $*" >&2; exit 1; }

case $step in
    stage)
        rm -rf "$3"
        cmake --install "$2" --prefix "$3" > /dev/null
        exit 0 ;;
    clean)
        rm -rf "$2"
        exit 0 ;;
esac

source=$2
prefix=$3
libdir=$(dirname "$(find "$prefix" -name korbit.pc -path '*/pkgconfig/*' | head -1)")/..
[ -d "$libdir" ] || fail "the prefix $prefix holds no korbit.pc"
libdir=$(cd "$libdir" && pwd)
export PKG_CONFIG_PATH=$libdir/pkgconfig
export LD_LIBRARY_PATH=$libdir
export PYTHONPATH=$prefix/lib/python3/dist-packages
export PATH=$prefix/bin:$PATH
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A user with no registration: the library installed beside libkorbit.so.1.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
mkdir -p "$HOME"

python() {
    if [ -n "${KORBIT_PRELOAD:-}" ]; then
        LD_PRELOAD=$KORBIT_PRELOAD ASAN_OPTIONS=detect_leaks=0 /usr/bin/python3 "$@"
    else
        /usr/bin/python3 "$@"
    fi
}

case $step in
    c)
        cc=$4
        for example in "$source"/docs/examples/*.c; do
            [ "$(wc -l < "$example")" -le 20 ] || fail "$example is longer than 20 lines"
            # shellcheck disable=SC2046,SC2086
            $cc -std=c99 -Wall -Wextra -pedantic -Werror "$example" $(pkg-config --cflags --libs korbit) \
                -o "$scratch/example"
            out=$("$scratch/example" "Annual Report.PDF") || fail "$example failed: $out"
            [ "$out" = "pdf" ] || fail "$example printed '$out'"
        done
        echo "docs/examples built with pkg-config --cflags --libs korbit and run" ;;
    cmake)
        cc=$4
        read -r -a words <<< "$cc"
        cmake -S "$source/tests/library/cmake_package" -B "$scratch/build" -G Ninja \
            "-DCMAKE_C_COMPILER=${words[0]}" "-DCMAKE_C_FLAGS=${words[*]:1}" "-DCMAKE_PREFIX_PATH=$prefix" \
            "-DEXAMPLE=$source/docs/examples/file_extension.c" > "$scratch/configure.log" \
            || { cat "$scratch/configure.log"; fail "find_package(Korbit) failed"; }
        cmake --build "$scratch/build" > "$scratch/build.log" || { cat "$scratch/build.log"; fail "the build failed"; }
        out=$("$scratch/build/file_extension" "notes.Txt") || fail "the program failed: $out"
        [ "$out" = "txt" ] || fail "the program printed '$out'"
        echo "built with find_package(Korbit) and Korbit::korbit, and run" ;;
    python)
        cd "$scratch"
        python -c 'import korbit, os, sys; sys.exit(not korbit.__file__.startswith(os.environ["PYTHONPATH"]))' \
            || fail "python3 imports korbit from elsewhere than the prefix"
        python -m unittest discover -s "$source/tests/library" -p 'test_*.py' -v ;;
    readme)
        python "$source/tests/library/readme_examples.py" "$source/README.md" "$4" ;;
    *)
        fail "unknown step $step" ;;
esac
