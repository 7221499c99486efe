#!/usr/bin/env bash
# Drovik over a made-up machine with a modem and three dial-up entries: a session is dialled a few
# seconds after the start, priced live, and hung up after a minute (or by "Разорвать связь").
# Needs a desktop (DISPLAY). Usage: scripts/demo.sh [seconds online]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$ROOT/scripts/lib/demo_tree.sh"

online_seconds="${1:-60}"
ensure_packages "${BUILD_PACKAGES[@]}" perl
build_tree "$ROOT/build/app" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF >/dev/null
bin="$ROOT/build/app/bin"

work="$(mktemp -d)"
DEMO_PPPD="" DEMO_COUNTER="" program=""
cleanup() {
    [[ -n "$program" ]] && kill -TERM "$program" 2>/dev/null && wait "$program" 2>/dev/null
    [[ -n "$DEMO_PPPD" ]] && demo_hang_up
    rm -rf "$work"
}
trap cleanup EXIT

export VELMORA_SYSROOT="$work/root"
demo_tree "$VELMORA_SYSROOT"
"$bin/seed-data" "$work/data" "${DEMO_ENTRIES[@]}" >/dev/null
mkdir -p "$work/run" && chmod 700 "$work/run"

(cd "$work/data" && XDG_RUNTIME_DIR="$work/run" exec "$bin/drovik") &
program=$!
cat <<TEXT
Drovik runs over a demo machine ($VELMORA_SYSROOT). In 5 seconds "${DEMO_ENTRIES[2]}" connects:
watch the "Модем" page: the session time, the bytes, the balance and the forecast move every
second. The line hangs up after $online_seconds seconds (or press "Разорвать связь"); then the call
appears in the panel ("Число звонков") and the balance is charged. Close the program to end the demo.
TEXT
sleep 5
demo_dial "$VELMORA_SYSROOT" "${DEMO_ENTRIES[2]}"
( sleep "$online_seconds"; demo_hang_up ) &
wait "$program" || true
