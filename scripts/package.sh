#!/usr/bin/env bash
# Builds Crossmere's Debian package in build/release and checks it: the
# desktop entry and the metainfo validate, and the package holds the program,
# the entry, the icon and the metainfo.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/prepare.sh

ensure_packages desktop-file-utils appstream dpkg-dev
build_preset release
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls build/release/crossmere_*.deb)
bash packaging/check.sh "$deb"
echo "package: $deb"
