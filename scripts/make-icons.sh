#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the program's icon, packaging/icons/sistema-decimale.svg, to the PNG sizes of the hicolor
# theme beside it (packaging/icons/NxN/sistema-decimale.png). Run it after changing the SVG and
# commit the PNGs: the build and the package use them as they are, with no renderer.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" sistema-decimale.svg -o "${size}x${size}/sistema-decimale.png"
done
