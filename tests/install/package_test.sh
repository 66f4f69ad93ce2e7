#!/usr/bin/env bash
# Makes the Debian packages from the build, unpacks them into a scratch
# folder (never installing them) and uses what they hold: the layout a
# distribution expects, each file in its package, the unpacked korbit
# encrypting and decrypting with the private library of libkorbit1, the
# unpacked Python module calling it, and the unpacked corvane starting.
#   package_test.sh BUILD_DIR LIBDIR APP_ID
set -euo pipefail

build=$1
libdir=$2
app_id=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; fail "cpack could not make the package"; }
deb=$(ls "$scratch"/out/corvane_*.deb)
root=$scratch/root
for package in "$scratch"/out/*.deb; do
    dpkg-deb -x "$package" "$root"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == "xdg-utils, bash-completion, qt6-translations-l10n" ]] \
    || fail "Recommends is not xdg-utils, bash-completion, qt6-translations-l10n: $recommends"

# Dependencies come from the binaries themselves, and the programs need the
# control library of their own build.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6widgets6 libqt6dbus6 libzxcvbn0 "libkorbit1 (= $(dpkg-deb -f "$deb" Version))"; do
    [[ "$depends," == *"$library"[\ ,]* ]] || fail "Depends lacks $library: $depends"
done

# Each file in the package Debian would put it in.
holds() {
    local listing
    listing=$(dpkg-deb -c "$(ls "$scratch"/out/"$1"_*.deb)")
    grep -q " \./$2\( \|$\)" <<< "$listing" || fail "$1 lacks $2"
}
holds libkorbit1 "usr/$libdir/libkorbit.so.1"
holds libkorbit1 "usr/$libdir/korbit/libkorbit.so.0"
holds libkorbit-dev "usr/$libdir/libkorbit.so"
holds libkorbit-dev usr/include/korbit/korbit.h
holds libkorbit-dev "usr/$libdir/pkgconfig/korbit.pc"
holds libkorbit-dev "usr/$libdir/cmake/Korbit/KorbitConfig.cmake"
holds python3-korbit usr/lib/python3/dist-packages/korbit/__init__.py
[ "$(dpkg-deb -f "$(ls "$scratch"/out/python3-korbit_*.deb)" Architecture)" = all ] \
    || fail "python3-korbit is not architecture-independent"

for file in usr/bin/korbit usr/bin/corvane \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/applications/$app_id.Encrypt.desktop" \
            "usr/share/applications/$app_id.Decrypt.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            usr/share/mime/packages/corvane.xml \
            "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            "usr/share/icons/hicolor/16x16/apps/$app_id.png" \
            "usr/share/icons/hicolor/512x512/mimetypes/application-x-corvane-encrypted.png" \
            usr/share/man/man1/korbit.1.gz usr/share/man/man1/corvane.1.gz usr/share/man/man7/korbit-methods.7.gz \
            usr/share/bash-completion/completions/korbit \
            usr/share/zsh/vendor-completions/_korbit \
            usr/share/fish/vendor_completions.d/korbit.fish \
            "usr/share/Thunar/sendto/$app_id.Encrypt.desktop" \
            usr/share/kio/servicemenus/corvane.desktop \
            usr/share/nemo/actions/corvane-encrypt.nemo_action \
            usr/share/corvane/translations/corvane_de.qm usr/share/korbit/translations/korbit_de.qm \
            usr/share/doc/corvane/copyright usr/share/doc/corvane/changelog.Debian.gz \
            usr/share/doc/libkorbit1/copyright usr/share/doc/python3-korbit/copyright; do
    [ -e "$root/$file" ] || fail "the package lacks $file"
done

# The control library is private: nothing of it in the public library
# folder, no development link to it. What is public there is the C
# interface, libkorbit.so.1, whose development link names it.
if ls "$root/usr/$libdir"/libkorbit.so.0* > /dev/null 2>&1 || [ -e "$root/usr/$libdir/korbit/libkorbit.so" ]; then
    fail "the control library is installed as a public library"
fi
[ "$(readlink "$root/usr/$libdir/libkorbit.so")" = libkorbit.so.1 ] || fail "libkorbit.so does not name libkorbit.so.1"
# Nor may a package built against libkorbit1 come to depend on it: the shlibs
# file names the C interface alone.
shlibs=$(dpkg-deb --ctrl-tarfile "$(ls "$scratch"/out/libkorbit1_*.deb)" | tar -xO ./shlibs)
[ "$shlibs" = "libkorbit 1 libkorbit1 (>= $(dpkg-deb -f "$deb" Version))" ] \
    || fail "libkorbit1's shlibs names more than libkorbit.so.1: $shlibs"
for binary in usr/bin/korbit usr/bin/corvane "usr/$libdir/korbit/libkorbit.so.0" "usr/$libdir/libkorbit.so.1"; do
    if readelf -S "$root/$binary" | grep -q '\.debug_info'; then
        fail "$binary is not stripped"
    fi
done

# Every file-manager action starts the program on the files chosen, in one start.
grep -q '^Exec=corvane %F$' "$root/usr/share/applications/$app_id.Encrypt.desktop" \
    || fail "the Encrypt action does not run corvane on the file"
! grep -q '^NoDisplay' "$root/usr/share/Thunar/sendto/$app_id.Decrypt.desktop" \
    || fail "Thunar's Send To entry hides itself"
grep -q '^Exec=corvane %F$' "$root/usr/share/nemo/actions/corvane-decrypt.nemo_action" \
    || fail "Nemo's Decrypt action does not run corvane on the file"
[ "$(grep -c '^Exec=corvane %F$' "$root/usr/share/kio/servicemenus/corvane.desktop")" = 2 ] \
    || fail "Dolphin's two actions do not run corvane on the file"

# One version everywhere: the package, the changelog, the metadata, the programs.
version=$(dpkg-deb -f "$deb" Version)
upstream=${version%-*}
zcat "$root/usr/share/doc/corvane/changelog.Debian.gz" | head -1 | grep -q "^corvane ($version) " \
    || fail "the changelog's latest entry is not $version"
grep -q "<release version=\"$upstream\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" \
    || fail "the metadata has no release $upstream"
zcat "$root/usr/share/man/man1/korbit.1.gz" | grep -q "^\\.TH KORBIT 1 .*\"korbit $upstream\"" \
    || fail "korbit(1) is not the page of $upstream"

# A user with no registration, nothing of the build tree within reach.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
mkdir -p "$HOME"
korbit=$root/usr/bin/korbit
[ "$("$korbit" --version)" = "korbit $upstream" ] || fail "the unpacked korbit reports another version"

printf 'packaged round trip\n' > "$scratch/note.txt"
cp "$scratch/note.txt" "$scratch/original.txt"
echo 'secret password' | "$korbit" encrypt --password-stdin --quiet "$scratch/note.txt" \
    || fail "the unpacked korbit could not encrypt"
[ "$(head -c 4 "$scratch/note.txt")" = "xjeS" ] || fail "the unpacked korbit did not encrypt"
echo 'secret password' | "$korbit" decrypt --password-stdin --quiet "$scratch/note.txt" \
    || fail "the unpacked korbit could not decrypt"
cmp -s "$scratch/note.txt" "$scratch/original.txt" || fail "the round trip changed the file"

# Registration finds the private library beside the installation.
out=$("$korbit" register) || fail "the unpacked korbit could not register: $out"
[[ $out == *"/usr/$libdir/korbit/libkorbit.so.0" ]] || fail "registered something else: $out"
"$korbit" unregister > /dev/null || fail "the unpacked korbit could not unregister"

# The unpacked Python module, through the unpacked C interface and its
# private library.
# (A sanitizer build's library needs its run-time loaded first: KORBIT_PRELOAD.)
out=$(cd "$scratch" && PYTHONPATH=$root/usr/lib/python3/dist-packages LD_PRELOAD=${KORBIT_PRELOAD:-} \
    ASAN_OPTIONS=detect_leaks=0 /usr/bin/python3 -c \
    'import korbit; print(korbit.__version__, korbit.Control().GetFileExt("a.TXT"))') \
    || fail "the unpacked python3-korbit could not call the control: $out"
[ "$out" = "$upstream txt" ] || fail "the unpacked python3-korbit answered '$out'"

out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/corvane" --version) || fail "the unpacked corvane did not start"
[ "$out" = "corvane $upstream" ] || fail "the unpacked corvane reports '$out'"

echo "unpacked $(cd "$scratch/out" && echo *.deb): layout, korbit round trip, registration, python3 and corvane all work"
