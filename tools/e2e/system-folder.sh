#!/usr/bin/env bash
# Started with its current directory inside /usr/, Orbilo says it will not run from the system
# folder in a window titled "myMessage", and ends with status 0 on OK, Escape or closing.
# No data folder is created.
source "$(dirname "$0")/lib.sh"
exe=$(realpath "$1")

e2e_private_home
e2e_start_xvfb 1280x1024

for answer in Return Escape; do
    before=$(find /usr/share -maxdepth 1 -name Orbilo | wc -l)
    (cd /usr/share && exec "$exe") &
    pid=$!
    E2E_PIDS+=("$pid")
    dialog=$(e2e_wait_window myMessage 20) || fail "no myMessage window"
    [[ "$answer" == Return ]] && e2e_screenshot "$E2E_TMP/system-folder.png"
    xdotool windowfocus --sync "$dialog" key "$answer"
    e2e_wait_exit "$pid" 10 || fail "Orbilo did not end after $answer"
    [[ "$E2E_STATUS" == 0 ]] || fail "exit status $E2E_STATUS after $answer"
    after=$(find /usr/share -maxdepth 1 -name Orbilo | wc -l)
    [[ "$before" == "$after" ]] || fail "a data folder appeared in /usr/share"
    [[ -z "$(xdotool search --onlyvisible --name '^Orbilo$' 2>/dev/null || true)" ]] || fail "the strip was shown"
    note "system folder: message shown, $answer ended the program with status 0"
done
