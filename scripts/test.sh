#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds and runs every test.
#   bash scripts/test.sh             the normal build
#   bash scripts/test.sh --sanitize  the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

config=release
[ "${1:-}" = "--sanitize" ] && config=sanitize
dir=$(bash scripts/build.sh "$config")

if [ "$config" = sanitize ]; then
  # Any sanitizer report fails the run. Leaks inside the system's font and X libraries are theirs.
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
fi
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 300
