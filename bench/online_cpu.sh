#!/usr/bin/env bash
# CPU of the running program with one demo session online and live calculation on (the tariff
# library reads all five data files on every tick), over a given time.
# Usage: bench/online_cpu.sh [path/to/drovik] [seconds]   (needs xvfb, x11-utils, xdotool, perl)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/demo_tree.sh"
source "$root/scripts/lib/xserver.sh"
program="$(realpath "${1:-$root/build/app/bin/drovik}")"
seconds="${2:-60}"

work="$(mktemp -d)"
start_xserver
DEMO_PPPD="" pid=""
cleanup() {
    [[ -n "$DEMO_PPPD" ]] && demo_hang_up
    [[ -n "$pid" ]] && kill -TERM "$pid" 2>/dev/null && wait "$pid" || true
    kill "$XSERVER_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export VELMORA_SYSROOT="$work/root"

demo_tree "$VELMORA_SYSROOT"
"$(dirname "$program")/seed-data" "$work/data" "${DEMO_ENTRIES[@]}" >/dev/null
mkdir -p "$work/run" && chmod 700 "$work/run"
(cd "$work/data" && XDG_RUNTIME_DIR="$work/run" exec "$program") &
pid=$!
xdotool search --sync --onlyvisible --name '^Velmora XP$' >/dev/null
demo_dial "$VELMORA_SYSROOT" "${DEMO_ENTRIES[2]}"
sleep 5 # the session has started and is priced on every tick

echo "CPU with one session online over $seconds s: $(cpu_percent "$pid" "$seconds")% of one core"
