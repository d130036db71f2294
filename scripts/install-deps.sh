#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev qt6-qpa-plugins
  libgtest-dev libbenchmark-dev
  mdbtools mdbtools-dev sqlite3 libsqlite3-dev
  libxlsxwriter-dev rapidjson-dev unzip
  xvfb xauth fonts-dejavu-core poppler-utils
  qt6-translations-l10n
  clang clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
