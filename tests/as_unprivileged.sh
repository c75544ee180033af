#!/bin/sh
# Runs test cases that mean nothing to root (a read-only or unreadable file, a
# read-only folder) as an unprivileged user, so they never skip in CI, which
# runs as root. scripts/test creates the user; WHISKERDASH_TEST_USER names
# another; without either, "nobody" serves. A skipped case fails here.
# Usage: as_unprivileged.sh TEST_BINARY CASE...
set -eu
binary=$1
shift
user=${WHISKERDASH_TEST_USER:-whiskerdash-test}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ "$(id -u)" -eq 0 ]; then
    if ! id "$user" > /dev/null 2>&1 && [ -z "${WHISKERDASH_TEST_USER:-}" ]; then
        user=nobody
    fi
    if ! id "$user" > /dev/null 2>&1; then
        echo "no user $user to run these cases as: scripts/test creates one, or set WHISKERDASH_TEST_USER" >&2
        exit 1
    fi
    # The build folder may be closed to that user: run a copy from a folder of its own.
    cp "$binary" "$scratch/"
    chmod 755 "$scratch" "$scratch/$(basename "$binary")"
    chown "$user" "$scratch"
    set -- setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --init-groups \
        env HOME="$scratch" TMPDIR="$scratch" "$scratch/$(basename "$binary")" "$@"
else
    set -- "$binary" "$@"
fi
"$@" > "$scratch/out" 2>&1 && status=0 || status=$?
cat "$scratch/out"
if grep -q '^SKIP' "$scratch/out"; then
    echo "a case skipped: it must run as an unprivileged user" >&2
    exit 1
fi
exit "$status"
