#!/usr/bin/env bash
# CPU of the running program with one demo session online and live calculation on (the tariff
# library reads all five data files on every tick), over a given time.
# Usage: bench/online_cpu.sh [path/to/drovik] [seconds]   (needs xvfb, x11-utils, xdotool, perl)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/demo_tree.sh"
program="$(realpath "${1:-$root/build/app/bin/drovik}")"
seconds="${2:-60}"

work="$(mktemp -d)"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
DEMO_PPPD="" pid=""
cleanup() {
    [[ -n "$DEMO_PPPD" ]] && demo_hang_up
    [[ -n "$pid" ]] && kill -TERM "$pid" 2>/dev/null && wait "$pid" || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.05; done
export DISPLAY="$display" VELMORA_SYSROOT="$work/root"

demo_tree "$VELMORA_SYSROOT"
"$(dirname "$program")/seed-data" "$work/data" "${DEMO_ENTRIES[@]}" >/dev/null
mkdir -p "$work/run" && chmod 700 "$work/run"
(cd "$work/data" && XDG_RUNTIME_DIR="$work/run" exec "$program") &
pid=$!
xdotool search --sync --onlyvisible --name '^Velmora XP$' >/dev/null
demo_dial "$VELMORA_SYSROOT" "${DEMO_ENTRIES[2]}"
sleep 5 # the session has started and is priced on every tick

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
c0=$(cpu)
sleep "$seconds"
c1=$(cpu)
awk -v c="$((c1 - c0))" -v t="$ticks" -v s="$seconds" \
    'BEGIN {printf "CPU with one session online over %d s: %.3f%% of one core\n", s, 100 * c / t / s}'
