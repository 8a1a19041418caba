#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need.
# Runs apt-get only when something is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n fonts-wqy-microhei
  qt6-svg-dev libqt6svg6 libqt6help6 libqt6sql6-sqlite qt6-documentation-tools
  qt6-webengine-dev libqt6webenginecore6-bin qt6-pdf-dev
  xvfb xauth
  libxml2-dev libxslt1-dev libftdi1-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xdg-utils clang-format
  dpkg-dev appstream librsvg2-bin pandoc imagemagick file man-db bsdextrautils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
