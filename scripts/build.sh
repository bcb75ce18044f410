#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds one configuration of CMakePresets.json: "release" (the default) or
# "sanitize" (AddressSanitizer and UndefinedBehaviorSanitizer). Prints the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

config=${1:-release}
case "$config" in
  release | sanitize) ;;
  *) echo "usage: scripts/build.sh [release|sanitize]" >&2; exit 2 ;;
esac

export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
cmake --preset "$config" >/dev/null
cmake --build --preset "$config" -j "$(nproc)" >&2
echo "build/$config"
