#!/usr/bin/env bash
# Measures Orbilo's start on a private Xvfb: the time from exec until the strip is mapped, and
# the resident memory once it is shown. Usage: tools/bench/startup.sh [runs] (build first).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/e2e/lib.sh"
runs=${1:-10}

e2e_private_home
e2e_known_user Bench
e2e_start_xvfb 1280x1024
folder=$(e2e_program_folder "$root/build/bin/Orbilo.bin")

times=()
for ((r = 0; r < runs; r++)); do
    start=$(date +%s%N)
    (cd "$folder" && exec ./Orbilo.bin) &
    pid=$!
    for ((w = 0; w < 4000; w++)); do
        xdotool search --onlyvisible --name '^Orbilo$' >/dev/null 2>&1 && break
        sleep 0.005
    done
    ((w < 4000)) || fail "the strip did not appear"
    times+=($((($(date +%s%N) - start) / 1000000)))
    sleep 0.3
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    for ((w = 0; w < 1000; w++)); do
        xdotool search --onlyvisible --name '^Orbilo$' >/dev/null 2>&1 || break
        sleep 0.01
    done
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "exec to strip mapped over $runs runs: median ${median} ms (min $(echo "$sorted" | head -n1), max $(echo "$sorted" | tail -n1))"
echo "resident memory with the strip shown: ${rss} KiB"
