#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# reproducible_test.sh SOURCE DEB_DIR: builds the packages of SOURCE again, in another folder
# (build/deb-again, where the compiler's cache serves the next run) and later than the .deb in
# DEB_DIR, and finds the two .debs equal byte for byte; else diffoscope says where they differ.
# The second build skips the tests (nocheck): they install nothing.
set -euo pipefail
source=$1 dir=$2 again=$1/build/deb-again
first=$(echo "$dir"/sistema-decimale_*_*.deb)
second=$(SD_DEB_DIR=$again DEB_BUILD_OPTIONS=nocheck bash "$source/scripts/package.sh" -b)
if ! cmp "$first" "$second"; then
  diffoscope --text - "$first" "$second" >&2 || true
  echo "FAIL: $first and the second build's $second differ" >&2
  exit 1
fi
echo "PASS: ${first##*/} built twice, in $dir and in $again, is the same"
