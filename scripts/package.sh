#!/usr/bin/env bash
# Builds the Debian packages as a packager would: an optimised build with
# Debian's hardening flags, installed under /usr, packed by CPack into
# corvane, libkorbit1, libkorbit-dev and python3-korbit.
#   scripts/package.sh          the packages in build/package/
#   scripts/package.sh --check  and, as CI does, warnings as errors, lintian,
#                               the desktop files, the AppStream metadata and
#                               the packages' contents listed
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
if [ "${1:-}" = "--check" ]; then
    check=true
    bash scripts/deps.sh package
else
    bash scripts/deps.sh
fi

build=build/package
# Every hardening option (bindnow too). CMake reads no CPPFLAGS; Debian's own
# CMake builds fold them into CXXFLAGS. Given on the command line, not through
# the environment, so that a build folder made before takes them too.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" \
    -DKORBIT_BUILD_TESTS=OFF -DKORBIT_BUILD_BENCH=OFF -DKORBIT_WERROR="$($check && echo ON || echo OFF)"
cmake --build "$build"
rm -f "$build"/*.deb "$build"/*.ddeb
(cd "$build" && cpack -G DEB)
debs=("$build"/*.deb)

if $check; then
    echo "== lintian ${debs[*]}"
    # Errors fail the check; warnings and notes are shown.
    lintian --fail-on error --display-info "${debs[@]}"
    echo "== desktop-file-validate"
    # As installed: with the names in the windows' other languages.
    l10n=$build/resources/l10n/desktop
    desktop-file-validate "$l10n"/*.Corvane.desktop "$l10n"/*.Encrypt.desktop "$l10n"/*.Decrypt.desktop
    echo "== appstreamcli validate"
    appstreamcli validate --no-net "$l10n"/*.metainfo.xml
    for deb in "${debs[@]}"; do
        echo "== contents of $deb"
        dpkg-deb --info "$deb"
        dpkg-deb --contents "$deb"
    done
fi
printf '%s\n' "${debs[@]}"
