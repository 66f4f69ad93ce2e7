#!/bin/sh
# Runs a test program as an unprivileged user when started as root, so that
# the permission checks it relies on really happen (root passes them all).
# Exits 77, which the test registers as "skipped", when that user cannot
# reach the program.
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups"
if ! $as_nobody test -x "$1"; then
    echo "skipped: an unprivileged user cannot reach $1" >&2
    exit 77
fi
exec $as_nobody env HOME=/tmp TMPDIR=/tmp "$@"
