#!/usr/bin/env bash
# Configures and builds one flavour of Fennick.
#   scripts/build.sh debug   -> build/debug
#   scripts/build.sh asan    -> build/asan (AddressSanitizer + UBSan)
#   scripts/build.sh release -> build/release
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
flavour="${1:-debug}"
dir="$root/build/$flavour"
case "$flavour" in
    debug) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
    asan) args=(-DCMAKE_BUILD_TYPE=Debug -DFENNICK_SANITIZE=ON -DFENNICK_BUILD_BENCH=OFF) ;;
    release) args=(-DCMAKE_BUILD_TYPE=Release) ;;
    *) echo "unknown build flavour: $flavour" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
