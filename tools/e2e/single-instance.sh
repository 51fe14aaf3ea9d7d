#!/usr/bin/env bash
# A second start while Orbilo runs exits 0 within 2 s without mapping a window, and the first
# strip has the keyboard focus afterwards.
source "$(dirname "$0")/lib.sh"
exe=$(realpath "$1")

e2e_private_home
e2e_known_user Ann
e2e_start_xvfb 1280x1024
folder=$(e2e_program_folder "$exe")

(cd "$folder" && exec ./Orbilo.bin) &
E2E_PIDS+=($!)
first=$!
strip=$(e2e_wait_window Orbilo 20) || fail "the strip did not appear"

# Take the keyboard away from the strip, so that getting it back shows the activation.
xmessage -name other -title other "another program" &
E2E_PIDS+=($!)
other=$(e2e_wait_window other 10) || fail "xmessage did not appear"
xdotool windowfocus --sync "$other"
[[ "$(xdotool getwindowfocus)" == "$other" ]] || fail "could not move the focus away from the strip"

start=$(date +%s%N)
(cd "$folder" && exec ./Orbilo.bin) &
second=$!
e2e_wait_exit "$second" 2 || fail "the second instance was still running after 2 s"
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
[[ "$E2E_STATUS" == 0 ]] || fail "the second instance exited with $E2E_STATUS"
e2e_running "$first" || fail "the first instance ended"

count=$(xdotool search --onlyvisible --name '^Orbilo$' | wc -l)
[[ "$count" == 1 ]] || fail "expected one strip, found $count mapped"
for ((i = 0; i < 20; i++)); do
    [[ "$(xdotool getwindowfocus)" == "$strip" ]] && break
    sleep 0.1
done
[[ "$(xdotool getwindowfocus)" == "$strip" ]] || fail "the first strip did not get the keyboard focus back"
note "second instance ended with status 0 after ${elapsed_ms} ms; the first strip has the focus"
