#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the program and starts it on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
program=$(bash scripts/build.sh release)/src/app/sistema-decimale
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open: run it on a desktop, or under Xvfb with: xvfb-run -a $program"
  exit 1
fi
exec "$program"
