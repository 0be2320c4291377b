#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal debug build and a
# build with AddressSanitizer and UndefinedBehaviorSanitizer. A failure in
# either fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Qt's own libraries are not built with the sanitizers; suppress the leaks
# they keep for the process lifetime.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"

for flavour in debug asan; do
    echo "=== $flavour build"
    "$root/scripts/build.sh" "$flavour"
    echo "=== $flavour tests"
    ctest --test-dir "$root/build/$flavour" --output-on-failure -j"$(nproc)" --timeout 300
done
