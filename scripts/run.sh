#!/usr/bin/env bash
# Builds Drovik and starts it in its data folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build_tree "$ROOT/build/app" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF

# The program keeps its five data files in the current directory.
DATA_DIR="${XDG_DATA_HOME:-$HOME/.local/share}/velmora"
mkdir -p "$DATA_DIR"
chmod 700 "$DATA_DIR"
cd "$DATA_DIR"
exec "$ROOT/build/app/bin/drovik"
