#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing TINTLACE need.
# Idempotent: does nothing when every package is already installed.
set -eu
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-l10n-tools libgl-dev
  zlib1g-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core fonts-urw-base35
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
$sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
