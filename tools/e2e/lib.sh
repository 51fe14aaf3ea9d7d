# Shared helpers of the end-to-end checks: a private Xvfb, a private HOME, the real executable
# copied into a folder of its own, and waiting for windows.
# shellcheck shell=bash
set -euo pipefail

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/orbilo-e2e-XXXXXX")
E2E_PIDS=()
XVFB_PID=""

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "e2e: $*"; }

# A private HOME and XDG folders, so no check touches the real user's files.
e2e_private_home() {
    export HOME="$E2E_TMP/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER
}

# e2e_known_user NAME: a user who has run Orbilo before (no name prompt, no first-start notice).
e2e_known_user() {
    mkdir -p "$XDG_CONFIG_HOME/RavuVod"
    printf '[NidraBhanga]\nNickName=%s\n' "$1" >"$XDG_CONFIG_HOME/RavuVod/RavuVod.ini"
}

# e2e_start_xvfb WIDTHxHEIGHT: a private X server; -noreset keeps it alive between clients.
e2e_start_xvfb() {
    local size=${1:-1280x1024} fifo="$E2E_TMP/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -noreset -nolisten tcp 3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
    XVFB_PID=$!
    local display
    read -r -t 20 display <"$fifo" || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
}

# e2e_program_folder: a folder holding a copy of the executable, as a user would install it.
e2e_program_folder() {
    local exe=$1 folder="$E2E_TMP/${2:-apps}/Orbilo"
    mkdir -p "$folder"
    cp "$exe" "$folder/Orbilo.bin"
    echo "$folder"
}

# e2e_wait_window NAME [SECONDS]: prints the id of a mapped window whose title is exactly NAME.
e2e_wait_window() {
    local name=$1 limit=${2:-20} id="" i
    for ((i = 0; i < limit * 10; i++)); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# e2e_running PID: the process exists and has not ended (an ended child stays a zombie until
# it is collected, and kill -0 still finds it).
e2e_running() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n "$state" && "$state" != Z ]]
}

# e2e_wait_exit PID SECONDS: waits for a child of this shell to end and sets E2E_STATUS to its
# exit status; fails when it is still running after SECONDS. (Not for use inside $(...): only
# the shell that started the process can collect its status.)
e2e_wait_exit() {
    local pid=$1 limit=$2 i
    for ((i = 0; i < limit * 20; i++)); do
        if ! e2e_running "$pid"; then
            E2E_STATUS=0
            wait "$pid" || E2E_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
    return 1
}

e2e_screenshot() { import -window root "$1"; }
