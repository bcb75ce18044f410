#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds one configuration: "release" (the default) or "sanitize"
# (AddressSanitizer and UndefinedBehaviorSanitizer). Prints the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

config=${1:-release}
case "$config" in
  release)  dir=build/release; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir=build/sanitize; flags=(-DCMAKE_BUILD_TYPE=Debug -DSD_SANITIZE=ON) ;;
  *) echo "usage: scripts/build.sh [release|sanitize]" >&2; exit 2 ;;
esac

export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" >&2
echo "$dir"
