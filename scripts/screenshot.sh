#!/usr/bin/env bash
# Shows Drovik under a private X server and saves a picture of its window.
# Usage: scripts/screenshot.sh [output.png] [path/to/drovik]   (needs xvfb, x11-utils, xdotool, imagemagick)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/screenshot.png}")"
program="$(realpath "${2:-$root/build/app/bin/drovik}")"

work="$(mktemp -d)"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill -TERM "$pid" 2>/dev/null && wait "$pid" || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.05; done
export DISPLAY="$display"

mkdir -p "$work/data" "$work/run" "$(dirname "$out")"
chmod 700 "$work/run"
(cd "$work/data" && XDG_RUNTIME_DIR="$work/run" exec "$program") &
pid=$!
window="$(xdotool search --sync --onlyvisible --name '^Velmora XP$' | head -n 1)"
sleep 1.5 # let the first tick fill the status bar
if [[ -n "${SCREENSHOT_TAB_X:-}" ]]; then xdotool mousemove --window "$window" "$SCREENSHOT_TAB_X" 17 click 1; sleep 0.3; fi
/usr/bin/import -window "$window" "$out"
echo "$out"
