#!/usr/bin/env bash
# Sets up, builds and starts Quotara.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/presets.sh
scripts/setup.sh
scripts/build.sh >/dev/null
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Quotara needs a graphical desktop: no display is set (DISPLAY or WAYLAND_DISPLAY)." >&2
  exit 1
fi
exec "$(preset_binary_dir "$quotara_preset")/app/quotara"
