#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs every Debian package that building, testing and running the program need.
# Safe to run twice: it asks apt only for what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools libgl-dev libxcb1-dev libxcb-xkb-dev
  libfontconfig-dev
  libgtest-dev libgmock-dev googletest
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool x11-utils x11-apps imagemagick python3 python3-xlib
  clang-format
  cups cups-client cups-bsd poppler-utils libcups2-dev tesseract-ocr tesseract-ocr-eng
  dpkg-dev file desktop-file-utils appstream librsvg2-bin
  dbus-daemon at-spi2-core python3-pyatspi
  weston qt6-wayland libwayland-dev wayland-protocols
  kwin-wayland xwayland xfwm4 openbox mutter
  lintian reuse debhelper autopkgtest diffoscope-minimal reprepro gnupg
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
