#!/usr/bin/env bash
# Collects the texts of forms and tr() calls into the .ts files, then fills in
# German and French (and English plurals) from every translation table.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build="${1:-$ROOT/build}"
cmake --build "$build" --target uieditor_lupdate
for table in "$ROOT"/resources/translations/*.tsv; do
    python3 "$ROOT/scripts/ts-fill.py" "$table"
done
