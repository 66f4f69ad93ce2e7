#!/usr/bin/env bash
# Installs the build into a scratch prefix and uses it as a user would: the
# installed programs find the installed control library without any
# registration, and the desktop entry, icons and file type are in place.
#   install_test.sh BUILD_DIR PRIVATE_LIBDIR
set -euo pipefail

build=$1
private_libdir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" > "$scratch/install.log"

fail() { echo "FAILED: $*" >&2; exit 1; }

app_id=example.velmora_software.Corvane
for file in bin/korbit bin/corvane "share/applications/$app_id.desktop" share/mime/packages/corvane.xml \
            "share/icons/hicolor/256x256/apps/$app_id.png" \
            share/icons/hicolor/256x256/mimetypes/application-x-corvane-encrypted.png \
            "$private_libdir/libkorbit.so.0" share/corvane/translations/corvane_de.qm \
            share/corvane/translations/corvane_fr.qm share/corvane/translations/corvane_es.qm; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
# The desktop's names in the windows' other languages beside the English ones.
grep -q '^Comment\[de\]=' "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry has no German comment"
grep -q '<summary xml:lang="fr">' "$prefix/share/metainfo/$app_id.metainfo.xml" \
    || fail "the AppStream summary has no French"

# A user with no registration at all.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
mkdir -p "$HOME"

out=$("$prefix/bin/korbit" call GetFileExt '"/home/u/report.txt"') || fail "installed korbit could not call the control: $out"
case $out in
    *'"txt"'*) ;;
    *) fail "unexpected answer from the installed control: $out" ;;
esac
[ ! -e "$XDG_DATA_HOME/korbit/registry.ini" ] || fail "the call registered something"

# Encrypt and decrypt with the installed programs.
printf 'installed round trip\n' > "$scratch/note.txt"
cp "$scratch/note.txt" "$scratch/original.txt"
echo 'secret password' | "$prefix/bin/korbit" encrypt --password-stdin --quiet "$scratch/note.txt"
[ "$(head -c 4 "$scratch/note.txt")" = "xjeS" ] || fail "the installed korbit did not encrypt"
echo 'secret password' | "$prefix/bin/korbit" decrypt --password-stdin --quiet "$scratch/note.txt"
cmp -s "$scratch/note.txt" "$scratch/original.txt" || fail "the round trip changed the file"

# The file type: an encrypted file is recognised by its content alone.
if command -v update-mime-database > /dev/null; then
    update-mime-database "$prefix/share/mime" > /dev/null 2>&1
    echo 'secret password' | "$prefix/bin/korbit" encrypt --password-stdin --quiet "$scratch/note.txt"
    magic=$prefix/share/mime/magic
    [ -s "$magic" ] || fail "update-mime-database wrote no magic"
    grep -aq 'application/x-corvane-encrypted' "$magic" || fail "the file type has no magic rule"
    grep -aq 'xjeS' "$magic" || fail "the magic rule does not look for xjeS"
fi

echo "installed into $prefix: programs, library, desktop entry, icons and file type all work"
