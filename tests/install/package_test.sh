#!/usr/bin/env bash
# Makes the Debian package from the build, unpacks it into a scratch folder
# (never installing it) and uses what it holds: the layout a distribution
# expects, the unpacked korbit encrypting and decrypting with its own private
# library, and the unpacked corvane starting.
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
dpkg-deb -x "$deb" "$root"

# Dependencies come from the binaries themselves.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6widgets6 libqt6dbus6 libzxcvbn0; do
    [[ $depends == *"$library "* ]] || fail "Depends lacks $library: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == "xdg-utils, bash-completion, qt6-translations-l10n" ]] \
    || fail "Recommends is not xdg-utils, bash-completion, qt6-translations-l10n: $recommends"

for file in usr/bin/korbit usr/bin/corvane \
            "usr/$libdir/korbit/libkorbit.so.0" \
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
            usr/share/corvane/translations/corvane_de.qm \
            usr/share/doc/corvane/copyright usr/share/doc/corvane/changelog.Debian.gz; do
    [ -e "$root/$file" ] || fail "the package lacks $file"
done

# The library is private: nothing of it in a public library folder, and no
# development link anywhere.
if find "$root" -name 'libkorbit.so' | grep -q . || ls "$root/usr/$libdir"/libkorbit* > /dev/null 2>&1; then
    fail "libkorbit is installed as a public development library"
fi
for binary in usr/bin/korbit usr/bin/corvane "usr/$libdir/korbit/libkorbit.so.0"; do
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

out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/corvane" --version) || fail "the unpacked corvane did not start"
[ "$out" = "corvane $upstream" ] || fail "the unpacked corvane reports '$out'"

echo "unpacked $(basename "$deb"): layout, korbit round trip, registration and corvane all work"
