#!/usr/bin/env bash
# Runs a command with ORBILO_TMPFS naming a private tmpfs mount (a RAM disk, which Orbilo treats
# as removable media), made inside a private mount namespace so nothing leaks to the system.
# Without root (or without unshare) the command runs without it and says so.
set -euo pipefail
if [[ $(id -u) -ne 0 ]] || ! command -v unshare >/dev/null; then
    echo "with-private-tmpfs: not root; the tmpfs cases are skipped" >&2
    exec "$@"
fi
media=$(mktemp -d "${TMPDIR:-/tmp}/orbilo-media-XXXXXX")
status=0
unshare -m --propagation private bash -c \
    'mount -t tmpfs -o size=32m,mode=0755 orbilo-media "$0" && ORBILO_TMPFS="$0" "$@"' "$media" "$@" || status=$?
rmdir "$media" 2>/dev/null || true
exit "$status"
