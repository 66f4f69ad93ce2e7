#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, and only those
# that are missing: a machine that has them all is left alone (no network).
#   deps.sh           building and testing
#   deps.sh package   and checking the Debian package (scripts/package.sh --check)
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config          # toolchain
    clang libclang-rt-14-dev                  # sanitizer build and libFuzzer
    libgtest-dev libgmock-dev libbenchmark-dev # tests and benchmarks
    libssl-dev                                # reference digest, tests only
    qt6-base-dev                              # Qt Core (platform layer), Qt Widgets (desktop program)
    qt6-multimedia-dev                        # the desktop program's sound cues
    qt6-l10n-tools                            # the desktop program's translations (lrelease, lupdate)
    xvfb xauth xdotool                        # the desktop program driven on a virtual screen, tests only
    pulseaudio pulseaudio-utils               # a silent audio output for the sound cues, tests only
    shared-mime-info                          # the installed file type checked, tests only
    nlohmann-json3-dev                        # JSON of the command-line host
    libzxcvbn-dev                             # the password strength estimate of both hosts
    librsvg2-bin                              # the icons' PNG sizes, rendered from SVG
    dpkg-dev file                             # the Debian package: dependencies from the binaries
    python3                                   # the layer check (scripts/check_layers.py)
)
if [ "${1:-}" = "package" ]; then
    packages+=(lintian desktop-file-utils appstream)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
