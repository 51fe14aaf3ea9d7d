#!/usr/bin/env bash
# A portable folder with prepared data files is started and closed with F10; every data file must
# come back byte for byte. Run through with-private-tmpfs.sh, the same is done from a private
# tmpfs mount, where Orbilo runs in removable mode and keeps on-media paths as "#/...".
source "$(dirname "$0")/lib.sh"
exe=$(realpath "$1")

e2e_private_home
e2e_start_xvfb 1280x1024
e2e_known_user Ann

crlf() { printf '%s\r\n' "$@"; }

# run_and_compare FOLDER REWRITTEN...: starts Orbilo there, closes it with F10 and compares the
# data files; the named ones must have been written anew at the exit (not merely left alone).
run_and_compare() {
    local folder=$1 data="$1/Orbilo" before="$E2E_TMP/before-$RANDOM"
    shift
    cp -a "$data" "$before"
    touch -d '2001-01-01 00:00' "$data"/*
    touch -d '2001-01-02 00:00' "$E2E_TMP/reference"
    (cd "$folder" && exec ./Orbilo.bin) &
    local pid=$!
    E2E_PIDS+=("$pid")
    local strip
    strip=$(e2e_wait_window Orbilo 20) || fail "the strip did not appear in $folder"
    xdotool windowfocus --sync "$strip" key F10
    e2e_wait_exit "$pid" 10 || fail "F10 did not end Orbilo"
    [[ "$E2E_STATUS" == 0 ]] || fail "exit status $E2E_STATUS"
    local name
    for name in "$before"/*; do
        name=$(basename "$name")
        cmp "$before/$name" "$data/$name" || fail "$name changed: $(od -c "$data/$name" | head -n 5)"
    done
    for name in "$@"; do
        [[ "$data/$name" -nt "$E2E_TMP/reference" ]] || fail "$name was not written at the exit"
    done
    note "$(ls "$data" | wc -l) data files came back byte for byte from $folder ($# of them rewritten)"
}

# Fixed disk: items on this computer; a name with a double quote and one with an accent.
docs="$E2E_TMP/docs"
mkdir -p "$docs/Sub Folder"
echo one >"$docs/a.txt"
echo two >"$docs/b b.txt"
folder=$(e2e_program_folder "$exe" fixed)
mkdir -p "$folder/Orbilo"
crlf 3 1 0 2 1 150 300 "\"$docs\"" -1 -1 -1 >"$folder/Orbilo/Set.Korrin"
crlf "\"notes\",\"$docs/a.txt\"" "\"Éditeur\",\"$docs/b b.txt\"" >"$folder/Orbilo/ListFile.Korrin"
crlf "\"sub\",\"$docs/Sub Folder\"" >"$folder/Orbilo/ListFold.Korrin"
crlf '"env","/usr/bin/env"' '"shell","/bin/sh"' '"me","'"$folder"'/Orbilo.bin"' >"$folder/Orbilo/ListProg.Korrin"
crlf '"Ann""s site","http://example.org/?q=""x"""' '"wiki","https://en.wikipedia.org"' >"$folder/Orbilo/ListWeb.Korrin"
run_and_compare "$folder" Set.Korrin ListFile.Korrin ListFold.Korrin ListProg.Korrin ListWeb.Korrin

if [[ -z "${ORBILO_TMPFS:-}" ]]; then
    note "removable case skipped: needs root for a private tmpfs mount (with-private-tmpfs.sh)"
    exit 0
fi

# Removable media: the program and one item on the medium, one item on this computer's disk is
# a machine item (kept apart, not loaded without a home machine).
media="$ORBILO_TMPFS"
mkdir -p "$media/Apps/Orbilo/Orbilo" "$media/Docs"
cp "$exe" "$media/Apps/Orbilo/Orbilo.bin"
echo tool >"$media/Docs/tool.txt"
data="$media/Apps/Orbilo/Orbilo"
crlf 2 0 -1 0 0 0 0 '""' 0 -1 -1 >"$data/Set.Korrin"
crlf '"Important - Do Not Edit."' '"Nick Name - Ann"' >"$data/MediaSet.Korrin"
crlf '"tool","#/Docs/tool.txt"' >"$data/ListFile.Korrin"
crlf '"orbilo","#/Apps/Orbilo/Orbilo.bin"' >"$data/ListProg.Korrin"
crlf '"site","http://example.org"' >"$data/ListWeb.Korrin"
crlf "\"home notes\",\"$docs/a.txt\"" >"$data/MachineFile.Korrin"
run_and_compare "$media/Apps/Orbilo" Set.Korrin ListFile.Korrin ListProg.Korrin ListWeb.Korrin
