#!/usr/bin/env bash
# Installs what Crossmere needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh

ensure_packages
build_preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: Crossmere needs a desktop session (or run it on a virtual one with: xvfb-run ./run.sh)." >&2
  exit 1
fi
exec build/release/app/crossmere "$@"
