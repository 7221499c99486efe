#!/usr/bin/env bash
# Builds and runs every test: the normal build, the sanitizer build and a bounded fuzz run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
jobs="$(nproc)"

echo "== build and test" >&2
build_tree "$ROOT/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON
ctest --test-dir "$ROOT/build/test" -j "$jobs" --output-on-failure

echo "== address and undefined-behaviour sanitizers" >&2
build_tree "$ROOT/build/asan" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF
ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$ROOT/build/asan" -j "$jobs" --output-on-failure

echo "== fuzz: replay of the corpus, then a fixed number of runs" >&2
build_tree "$ROOT/build/fuzz" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++-14
# run_quietly WHAT COMMAND...: shows the fuzzer's output only when it fails.
run_quietly() {
    local what="$1" out
    shift
    if ! out="$("$@" 2>&1)"; then
        echo "$out" >&2
        echo "fuzz $what failed" >&2
        exit 1
    fi
    echo "fuzz $what: ok" >&2
}
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Each target with the longest input it reads: the five records, or the tariff library's three.
for target_len in records:280000 tariffs:6000; do
    target="${target_len%%:*}"
    fuzzer="$ROOT/build/fuzz/bin/fuzz_$target"
    run_quietly "$target: replay" "$fuzzer" "$ROOT"/fuzz/corpus/"$target"/*
    mkdir -p "$work/$target"
    cp "$ROOT"/fuzz/corpus/"$target"/* "$work/$target"/
    run_quietly "$target: 4000 runs, seed 1" "$fuzzer" -seed=1 -runs=4000 -max_len="${target_len##*:}" "$work/$target"
done

echo "All tests passed." >&2
