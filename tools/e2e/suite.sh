#!/usr/bin/env bash
# The suite registry as a user meets it: started once from its folder, Orbilo is found again when
# a shortcut starts it elsewhere; a first-ever start from a wrong folder says why and ends; the
# first start from a medium (a private tmpfs mount, as root) writes the maker's records exactly.
source "$(dirname "$0")/lib.sh"
exe=$(realpath "$1")

e2e_private_home
e2e_known_user Ann
e2e_start_xvfb 1280x1024
folder=$(e2e_program_folder "$exe" installed)

# start_and_close DIR [ORBILO]: starts Orbilo with DIR as current directory, dismisses a
# first-start notice if one comes, closes the strip with F10 and waits for a clean exit.
start_and_close() {
    local dir=$1 program=${2:-./Orbilo.bin}
    (cd "$dir" && exec "$program") &
    local pid=$!
    E2E_PIDS+=("$pid")
    local strip
    strip=$(e2e_wait_window Orbilo 20) || fail "the strip did not appear when started from $dir"
    local notice
    if notice=$(e2e_wait_window "Message For - Ann" 2); then
        xdotool windowfocus --sync "$notice" key Return
    fi
    xdotool windowfocus --sync "$strip" key F10
    e2e_wait_exit "$pid" 10 || fail "F10 did not end Orbilo"
    [[ "$E2E_STATUS" == 0 ]] || fail "exit status $E2E_STATUS"
}

start_and_close "$folder"
mkdir -p "$E2E_TMP/desktop"
start_and_close "$E2E_TMP/desktop" "$folder/Orbilo.bin"
[[ -f "$folder/Orbilo/Set.Korrin" ]] || fail "the data was not kept beside the program"
[[ ! -e "$E2E_TMP/desktop/Orbilo" ]] || fail "a data folder appeared in the shortcut's folder"
note "a start from another folder found the recorded program folder"

# A user who never ran Orbilo starts it from a folder without it.
rm -rf "$XDG_CONFIG_HOME/RavuVod"
(cd "$E2E_TMP/desktop" && exec "$folder/Orbilo.bin") &
pid=$!
E2E_PIDS+=("$pid")
message=$(e2e_wait_window myMessage 20) || fail "no message for a start from a wrong folder"
xdotool windowfocus --sync "$message" key Return
e2e_wait_exit "$pid" 10 || fail "OK did not end Orbilo"
[[ "$E2E_STATUS" == 0 ]] || fail "exit status $E2E_STATUS"
note "a first-ever start from a folder without the program showed its message and ended"

if [[ -z "${ORBILO_TMPFS:-}" ]]; then
    note "removable case skipped: needs root for a private tmpfs mount (with-private-tmpfs.sh)"
    exit 0
fi
e2e_known_user Ann
media="$ORBILO_TMPFS"
mkdir -p "$media/Apps"
cp "$exe" "$media/Apps/Orbilo.bin"
start_and_close "$media/Apps"
expected_count=$(printf '0\r\n-1\r\n')
expected_record=$(printf '"Orbilo","%s/Apps/"\r\n' "$media")
[[ "$(cat "$media/Korrin/SankhyaGuru.Korrin")" == "$expected_count" ]] ||
    fail "SankhyaGuru.Korrin: $(od -c "$media/Korrin/SankhyaGuru.Korrin")"
[[ "$(cat "$media/Korrin/VajanGuru.Korrin")" == "$expected_record" ]] ||
    fail "VajanGuru.Korrin: $(od -c "$media/Korrin/VajanGuru.Korrin")"
cmp <(printf '0\r\n-1\r\n') "$media/Korrin/SankhyaGuru.Korrin" || fail "SankhyaGuru.Korrin bytes differ"
cmp <(printf '"Orbilo","%s/Apps/"\r\n' "$media") "$media/Korrin/VajanGuru.Korrin" || fail "VajanGuru.Korrin bytes differ"
note "the first start from a medium wrote the maker's records byte for byte"
