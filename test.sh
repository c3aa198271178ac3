#!/usr/bin/env bash
# Installs what Crossmere needs, builds it and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh

ensure_packages
build_preset release
QT_QPA_PLATFORM=offscreen ctest --preset release
# The random session's seed and length, for the log.
grep -h "^random session:" build/release/Testing/Temporary/LastTest.log | tail -1
