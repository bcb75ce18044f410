#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Key-response benchmark: from a key going down (XTEST) to the first changed pixels, on the start
# window's menu and the exercise window's keypad of sistema-decimale against a Qt window whose
# label changes on every key (tools/key-window), under a private Xvfb, in alternating blocks;
# min, median and p90 and the ratios printed. A measurement, never a pass or fail: it exits 0
# whatever the figures, unless something broke.
#   bash scripts/bench-keys.sh [PRESSES]    timed PRESSES per measurement, at least 10 (default 40)
set -euo pipefail
cd "$(dirname "$0")/.."

presses=${1:-40}
if ! [[ $presses =~ ^[0-9]+$ ]] || [ "$presses" -lt 10 ]; then
  echo "usage: scripts/bench-keys.sh [PRESSES]   (PRESSES >= 10: a p90 of fewer says little)" >&2
  exit 2
fi

# shellcheck source=SCRIPTDIR/../tests/e2e/lib.sh
source tests/e2e/lib.sh
program=$(e2e_program_or_build)
# The yardstick is a project of its own, built with the same compiler and build type.
cmake -S tools/key-window -B build/tools/key-window -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/tools/key-window >&2

# The programs run as in the end-to-end tests, on their private Xvfb, which the measuring script
# finds in DISPLAY. It uses Debian's python3-xlib: the system's Python.
e2e_start_xvfb
(e2e_exec /usr/bin/python3 scripts/bench-keys.py --presses "$presses" \
  "$program" build/tools/key-window/key-window)
