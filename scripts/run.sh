#!/usr/bin/env bash
# Builds and starts the program; arguments pass through (for example -S in.pelx out.pelx).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" >&2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
# The device search sends its request to loopback (the simulator) unless a target is given.
export PELANDRIX_DEVICE_SEARCH_TARGET="${PELANDRIX_DEVICE_SEARCH_TARGET:-127.0.0.1}"
exec "$root/build/bin/pelandrix" "$@"
