#!/usr/bin/env bash
# The Add URL box on the real strip: F1 widens the strip and shows the box, a typed address and
# Launch Name are added with Enter, F10 ends the program, and the Web Site list file holds the
# new line byte for byte. With ORBILO_SCREENSHOTS set, the strip is photographed without and
# with the box (strip.png, strip-addurl.png).
source "$(dirname "$0")/lib.sh"
exe=$(realpath "$1")

e2e_private_home
e2e_known_user Ann
e2e_start_xvfb 1280x1024

folder=$(e2e_program_folder "$exe")
data="$folder/Orbilo"
mkdir -p "$data"
# Always On Top, an empty Launch List, the strip at the top left corner.
printf '%s\r\n' 2 -1 -1 -1 -1 0 0 '""' -1 -1 -1 >"$data/Set.Korrin"

(cd "$folder" && exec ./Orbilo.bin) &
pid=$!
E2E_PIDS+=("$pid")
strip=$(e2e_wait_window Orbilo 20) || fail "the strip did not appear"

# geometry: "WIDTH HEIGHT X Y" of the strip as the X server has it.
geometry() {
    xwininfo -id "$strip" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print w, h, x, y}'
}
# wait_width PIXELS: the strip reaches this width within two seconds.
wait_width() {
    local i
    for ((i = 0; i < 40; i++)); do
        [[ "$(geometry | cut -d' ' -f1)" == "$1" ]] && return 0
        sleep 0.05
    done
    return 1
}
# photograph NAME: the strip's own rectangle of the screen.
photograph() {
    [[ -n "${ORBILO_SCREENSHOTS:-}" ]] || return 0
    local w h x y
    read -r w h x y <<<"$(geometry)"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$ORBILO_SCREENSHOTS/$1"
    note "screenshot $ORBILO_SCREENSHOTS/$1"
}

# 277, 726 and 19 pixels: the design at 96 dpi, which this X server has.
wait_width 277 || fail "the strip is $(geometry | cut -d' ' -f1) pixels wide, not 277"
[[ "$(geometry | cut -d' ' -f2)" == 19 ]] || fail "the strip is not 19 pixels high: $(geometry)"
sleep 0.3
photograph strip.png

xdotool windowfocus --sync "$strip" key F1
wait_width 726 || fail "F1 did not widen the strip: $(geometry)"
note "F1 showed the Add URL box: the strip is 726 pixels wide"

url='https://Example.org/?q=1&x'
name='My Site'
xdotool key Tab
xdotool type --delay 15 -- "$url"
xdotool key Tab
xdotool type --delay 15 -- "$name"
sleep 0.3
photograph strip-addurl.png
xdotool key Return
sleep 0.2

xdotool windowfocus --sync "$strip" key F10
e2e_wait_exit "$pid" 10 || fail "F10 did not end Orbilo"
[[ "$E2E_STATUS" == 0 ]] || fail "exit status $E2E_STATUS"

expected="$E2E_TMP/ListWeb.expected"
printf '"%s","%s"\r\n' "$name" "$url" >"$expected"
[[ -f "$data/ListWeb.Korrin" ]] || fail "ListWeb.Korrin was not written"
cmp "$expected" "$data/ListWeb.Korrin" || fail "ListWeb.Korrin holds: $(od -c "$data/ListWeb.Korrin" | head -n 5)"
note "the site was added and saved byte for byte"
