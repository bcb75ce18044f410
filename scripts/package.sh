#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the release configuration and makes the Debian package of it
# with CPack. Prints the .deb's path; install it with: apt install ./sistema-decimale_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
dir=$PWD/$(bash scripts/build.sh release)
report=$(cpack --config "$dir/CPackConfig.cmake" -B "$dir/package")
echo "$report" >&2
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$report"
