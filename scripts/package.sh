#!/usr/bin/env bash
# Builds the Debian package velacps_<version>_<arch>.deb in build-package/
# (a Release build of its own) and prints its path. Install it with
#   sudo apt install ./build-package/velacps_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset package >/dev/null
cmake --build --preset package
(cd build-package && cpack -G DEB >/dev/null)
ls -1 build-package/velacps_*.deb
