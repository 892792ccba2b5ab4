#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite with ctest.
#   scripts/test.sh             the suite
#   scripts/test.sh --sanitize  the suite under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${PACKAGES[@]}"
build="$ROOT/build"
options=()
if [ "${1:-}" = "--sanitize" ]; then
    build="$ROOT/build-asan"
    options+=(-DUIEDITOR_SANITIZE=ON -DUIEDITOR_BUILD_BENCH=OFF)
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    BUILD_TYPE=Debug
fi
configure_and_build "$build" -DUIEDITOR_BUILD_TESTS=ON "${options[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 600
