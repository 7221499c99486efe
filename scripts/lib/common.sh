# Shared by the README's two commands: installing what is missing and building a tree.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev fonts-dejavu-core)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev dbus-daemon python3-dbusmock iproute2 perl)

# Installs the Debian packages that are not installed yet; quick when all are there.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if [[ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]]; then
            missing+=("$pkg")
        fi
    done
    ((${#missing[@]} == 0)) && return 0

    echo "Installing: ${missing[*]}" >&2
    local sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || { echo "Run as root or install sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build_tree DIR [cmake options...]: configures once, then builds incrementally.
build_tree() {
    local dir="$1"
    shift
    if [[ ! -f "$dir/build.ninja" ]]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja -Wno-dev "$@" >/dev/null
    fi
    cmake --build "$dir"
}
