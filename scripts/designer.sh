#!/usr/bin/env bash
# Installs what is missing, builds, and starts the designer. Without a display
# the designer writes the dialog gallery (PNG screenshots) instead.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${PACKAGES[@]}"
configure_and_build default uieditor-designer
cd "$ROOT"
exec "$ROOT/build/designer/uieditor-designer" "$@"
