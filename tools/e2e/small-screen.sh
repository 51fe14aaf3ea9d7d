#!/usr/bin/env bash
# On a 640 x 480 screen Orbilo shows the small-screen message and ends on OK.
source "$(dirname "$0")/lib.sh"
exe=$(realpath "$1")

e2e_private_home
e2e_start_xvfb 640x480
folder=$(e2e_program_folder "$exe")

(cd "$folder" && exec ./Orbilo.bin) &
pid=$!
E2E_PIDS+=("$pid")
dialog=$(e2e_wait_window myMessage 20) || fail "no message on the small screen"
geometry=$(xwininfo -id "$dialog" | awk '/Width:|Height:/ {printf "%s ", $2}')
read -r width height <<<"$geometry"
((width <= 640 && height <= 480)) || fail "the message (${width}x${height}) does not fit the screen"
xdotool windowfocus --sync "$dialog" key Return
e2e_wait_exit "$pid" 10 || fail "Orbilo did not end after OK"
[[ "$E2E_STATUS" == 0 ]] || fail "exit status $E2E_STATUS"
[[ ! -e "$folder/Orbilo" ]] || fail "a data folder was created"
note "small screen: message shown (${width}x${height}), OK ended the program"
