#!/usr/bin/env bash
# Start-up to the window shown, peak memory after start-up, and idle CPU of the running program,
# over a seeded data folder.
# Usage: bench/frame_startup.sh [path/to/drovik] [idle seconds]   (needs xvfb, x11-utils, xdotool)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/xserver.sh"
program="$(realpath "${1:-$root/build/test/bin/drovik}")"
idle_seconds="${2:-60}"
runs=5

work="$(mktemp -d)"
start_xserver
cleanup() {
    kill "$XSERVER_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Starts the program in a fresh data folder and waits until its window is mapped.
start() {
    local data="$work/data-$1" runtime="$work/run-$1"
    mkdir -p "$runtime"
    chmod 700 "$runtime"
    # A data folder this machine takes for its own, so no first-run question holds the start.
    "$(dirname "$program")/seed-data" "$data" >/dev/null
    local t0
    t0=$(date +%s%N)
    (cd "$data" && XDG_RUNTIME_DIR="$runtime" exec "$program") &
    pid=$!
    until xdotool search --onlyvisible --name '^Velmora XP$' >/dev/null 2>&1; do :; done
    startup_ms=$((($(date +%s%N) - t0) / 1000000))
}

stop() {
    kill -TERM "$pid"
    wait "$pid" || true
}

echo "start-up to window shown (ms), $runs runs:"
for i in $(seq "$runs"); do
    start "$i"
    echo "  $startup_ms"
    stop
done

start idle
sleep 1
echo "peak RSS after start-up: $(awk '/VmHWM/ {printf "%.1f MB", $2 / 1024}' "/proc/$pid/status")"
echo "idle CPU over $idle_seconds s: $(cpu_percent "$pid" "$idle_seconds")% of one core"
stop
