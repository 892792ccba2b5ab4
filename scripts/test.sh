#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite with ctest.
#   scripts/test.sh             the suite
#   scripts/test.sh --sanitize  the suite built by clang under AddressSanitizer
#                               and UndefinedBehaviorSanitizer (this build also
#                               holds the fuzz targets: scripts/fuzz.sh)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

preset=default
packages=("${PACKAGES[@]}")
if [ "${1:-}" = "--sanitize" ]; then
    preset=sanitize
    packages+=("${FUZZ_PACKAGES[@]}")
fi
ensure_packages "${packages[@]}"
python3 "$ROOT/scripts/check-layering.py"
configure_and_build "$preset"
cd "$ROOT"
ctest --preset "$preset"
