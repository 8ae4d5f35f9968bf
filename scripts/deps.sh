#!/usr/bin/env bash
# Installs the Debian packages that building and testing Mirel need, and only
# those that are missing. Runs apt-get through sudo when not root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang-format
  qt6-base-dev libqt6opengl6-dev libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libmpv-dev libcurl4-openssl-dev
  python3-pyftpdlib xvfb xauth x11-apps xdotool fonts-dejavu-core locales
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "deps: everything is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "deps: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
