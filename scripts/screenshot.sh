#!/usr/bin/env bash
# Runs Drovik under a private X server with a tray, over the demo machine and a seeded throwaway
# data folder, and saves a picture of each page, of the "Модем" page during and after a session,
# and of the tray menu.
# Usage: scripts/screenshot.sh [output folder]        (default: docs/screenshots)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$ROOT/scripts/lib/demo_tree.sh"
source "$ROOT/scripts/lib/xserver.sh"

out="$(realpath -m "${1:-$ROOT/docs/screenshots}")"
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth x11-utils xdotool imagemagick trayer perl
build_tree "$ROOT/build/app" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF >/dev/null
bin="$ROOT/build/app/bin"

work="$(mktemp -d)"
pids=()
DEMO_PPPD=""
cleanup() {
    [[ -n "$DEMO_PPPD" ]] && demo_hang_up
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill -TERM "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

start_xserver
pids+=("$XSERVER_PID")
trayer --edge bottom --align right --widthtype request --height 28 --SetDockType false >/dev/null 2>&1 &
pids+=($!)

mkdir -p "$work/run" "$out"
chmod 700 "$work/run"
export VELMORA_SYSROOT="$work/root"
demo_tree "$VELMORA_SYSROOT"
# start_program [seed-data options]: a fresh seeded data folder each time.
start_program() {
    rm -rf "$work/data"
    "$bin/seed-data" "$@" "$work/data" "${DEMO_ENTRIES[@]}" >/dev/null
    (cd "$work/data" && XDG_RUNTIME_DIR="$work/run" exec "$bin/drovik") &
    program=$!
    pids+=("$program")
}

start_program
window="$(xdotool search --sync --onlyvisible --name '^Velmora XP$' | head -n 1)"
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 1.5 # the first tick fills the status bar

for page in modem network mail settings about; do
    /usr/bin/import -window "$window" "$out/$page.png"
    xdotool key --window "$window" ctrl+Tab
    sleep 0.3
done

# The "Модем" page during a session and after its hang-up.
demo_dial "$VELMORA_SYSROOT" "${DEMO_ENTRIES[2]}"
sleep 6
/usr/bin/import -window "$window" "$out/modem-online.png"
demo_hang_up
DEMO_PPPD=""
sleep 3
/usr/bin/import -window "$window" "$out/modem-after.png"

# Again, started in the tray (without a window manager nothing else can minimise it), then the
# tray icon's menu: the icon sits at the right end of the tray panel.
kill -TERM "$program"
wait "$program" || true
start_program --start-in-tray
sleep 2
panel="$(xdotool search --name '^panel$' | head -n 1)"
eval "$(xdotool getwindowgeometry --shell "$panel")"
xdotool mousemove $((X + WIDTH - 14)) $((Y + HEIGHT / 2)) click 3
sleep 0.7
/usr/bin/import -window root -crop 320x260+$((1024 - 320))+$((768 - 260)) "$out/tray-menu.png"
echo "$out"
