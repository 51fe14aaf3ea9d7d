#!/usr/bin/env bash
# Instructions typed into the strip reach the system exactly: recording programs and a recording
# xdg-open stand first on PATH and write down the arguments they were given.
source "$(dirname "$0")/lib.sh"
exe=$(realpath "$1")

e2e_private_home
e2e_known_user Ann
e2e_start_xvfb 1280x1024

records="$E2E_TMP/records"
tools="$E2E_TMP/tools"
mkdir -p "$records" "$tools" "$E2E_TMP/My Folder"
for name in xdg-open recorder zeta-tool; do
    cat >"$tools/$name" <<'SCRIPT'
#!/bin/sh
out="$ORBILO_RECORDS/$(basename "$0")"
: >"$out.tmp"
for word in "$@"; do printf '%s\n' "$word" >>"$out.tmp"; done
mv "$out.tmp" "$out.rec"
SCRIPT
    chmod +x "$tools/$name"
done
export ORBILO_RECORDS="$records" PATH="$tools:$PATH"

folder=$(e2e_program_folder "$exe")
mkdir -p "$folder/Orbilo"
printf '%s\r\n' 3 -1 -1 0 -1 0 0 '""' -1 -1 -1 >"$folder/Orbilo/Set.Korrin"
printf '"%s","%s"\r\n' zeta "$tools/zeta-tool" >"$folder/Orbilo/ListProg.Korrin"

(cd "$folder" && exec ./Orbilo.bin) &
E2E_PIDS+=($!)
strip=$(e2e_wait_window Orbilo 20) || fail "the strip did not appear"

# instruct TEXT: types an Instruction into the box (replacing what is there) and presses Enter.
instruct() {
    xdotool windowfocus --sync "$strip" key F12
    xdotool type --delay 15 -- "$1"
    xdotool key Return
}

# expect_record PROGRAM WORD...: the program was started with exactly these arguments.
expect_record() {
    local program=$1 i
    shift
    for ((i = 0; i < 100; i++)); do
        [[ -f "$records/$program.rec" ]] && break
        sleep 0.05
    done
    [[ -f "$records/$program.rec" ]] || fail "$program was not started"
    local expected
    expected=$(printf '%s\n' "$@")
    [[ $# -eq 0 ]] && expected=""
    [[ "$(cat "$records/$program.rec")" == "$expected" ]] ||
        fail "$program got [$(tr '\n' '|' <"$records/$program.rec")], expected [$(printf '%s|' "$@")]"
    rm -f "$records/$program.rec"
}

instruct "p=recorder one 'two words' \"a&b\""
expect_record recorder one "two words" "a&b"
note "p= started the program with exactly its arguments"

instruct "w;example.org"
expect_record xdg-open "http://www.example.org"
note "w; opened http://www.example.org"

instruct "d=$E2E_TMP/My Folder"
expect_record xdg-open "$E2E_TMP/My Folder"
note "d= opened the folder whose name has a space"

instruct "p-ze"
expect_record zeta-tool
note "p- with a prefix started the completed Launch List item"

instruct "p=no-such-program-here"
message=$(e2e_wait_window "Message For - Ann" 10) || fail "a failing p= showed no message"
e2e_screenshot "$E2E_TMP/failing.png"
xdotool windowfocus --sync "$message" key Return
for ((i = 0; i < 50; i++)); do
    [[ -z "$(xdotool search --onlyvisible --name '^Message For - Ann$' 2>/dev/null || true)" ]] && break
    sleep 0.05
done
# The Instruction stayed in the box: Enter again fails again.
xdotool windowfocus --sync "$strip" key Return
message=$(e2e_wait_window "Message For - Ann" 10) || fail "the failing Instruction did not stay in the box"
xdotool windowfocus --sync "$message" key Return
[[ -z "$(ls "$records")" ]] || fail "something was started: $(ls "$records")"
if [[ -n "${ORBILO_SCREENSHOTS:-}" ]]; then cp "$E2E_TMP/failing.png" "$ORBILO_SCREENSHOTS/failing-p.png"; fi
note "a failing p= showed its message and kept the Instruction"
