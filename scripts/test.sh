#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds and runs every test.
#   bash scripts/test.sh             the normal build
#   bash scripts/test.sh --sanitize  the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
# Any sanitizer report fails the run; the leaks the sanitize preset passes over are those inside
# the system's font and X libraries (tests/lsan.supp).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

config=release
[ "${1:-}" = "--sanitize" ] && config=sanitize
bash scripts/build.sh "$config" >/dev/null
ctest --preset "$config" -j "$(nproc)"
