#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up benchmark: time to the first pixels of the start window and resident memory of
# sistema-decimale against a bare Qt 6 window (tools/bare-window), under a private Xvfb,
# runs interleaved, medians and ratios printed.
#   bash scripts/bench-startup.sh [RUNS [PROGRAM...]]   RUNS per program, at least 7 (default 9)
# Without PROGRAM, the release build's; each PROGRAM given (another build of it, the installed
# /usr/bin/sistema-decimale) is measured against the same bare window, under the same Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-9}
shift || true
if ! [[ $runs =~ ^[0-9]+$ ]] || [ "$runs" -lt 7 ]; then
  echo "usage: scripts/bench-startup.sh [RUNS]   (RUNS >= 7: a median of fewer says little)" >&2
  exit 2
fi

# shellcheck source=SCRIPTDIR/../tests/e2e/lib.sh
source tests/e2e/lib.sh
programs=()
for program in "$@"; do programs+=("$(e2e_program_or_build "$program")"); done
[ ${#programs[@]} -gt 0 ] || programs=("$(e2e_program_or_build)")
# The yardstick is a project of its own, built with the same compiler and build type.
cmake -S tools/bare-window -B build/tools/bare-window -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/tools/bare-window >&2

# The programs run as in the end-to-end tests, on their private Xvfb, which the measuring script
# finds in DISPLAY. It uses Debian's python3-xlib: the system's Python.
e2e_start_xvfb
for program in "${programs[@]}"; do
  echo "$program:"
  (e2e_exec /usr/bin/python3 scripts/bench-startup.py --runs "$runs" \
    "$program" build/tools/bare-window/bare-window)
done
