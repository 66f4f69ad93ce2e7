#!/bin/sh
# Runs a test program as an unprivileged user when started as root, so that
# the permission checks it relies on really happen (root passes them all).
# That user gets a home folder of its own for the run (a shared one would
# hold whatever another run left there). Exits 77, which the test registers
# as "skipped", when that user cannot reach the program.
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups"
if ! $as_nobody test -x "$1"; then
    echo "skipped: an unprivileged user cannot reach $1" >&2
    exit 77
fi
home=$(mktemp -d "${TMPDIR:-/tmp}/korbit-unprivileged.XXXXXX") || exit 1
chown nobody:nogroup "$home"
$as_nobody env HOME="$home" TMPDIR=/tmp "$@"
status=$?
rm -rf "$home"
exit $status
