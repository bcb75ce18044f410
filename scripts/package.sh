#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing and makes the Debian packages (source and binary) with
# dpkg-buildpackage; prints the .deb's path (install it with apt install ./build/deb/...deb).
#   bash scripts/package.sh [DPKG-BUILDPACKAGE OPTION...]    e.g. -b for the binary packages only
# dpkg-buildpackage writes beside the tree it builds and cleans that tree first, so it builds a
# copy of this one (what git knows of it, as it is now) in SD_DEB_DIR, build/deb by default, where
# the packages land. DEB_BUILD_OPTIONS reaches it (nocheck, parallel=N).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >&2

out=$(realpath -m "${SD_DEB_DIR:-build/deb}")
tree=$out/sistema-decimale
rm -rf "$tree" "$out"/sistema-decimale_* "$out"/sistema-decimale-dbgsym_*
mkdir -p "$tree"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done
else # an unpacked source package
  find . -path ./build -prune -o ! -type d -printf '%P\0'
fi | tar --null -T - -cf - | tar -xf - -C "$tree"

# The compiler's cache, named here since debhelper gives the build a home of its own. It serves
# builds in the same folder only: its base_dir, which would serve any folder, hands the compiler
# relative paths, which reach the debug information and the build ID, and the .deb would differ
# from one built without the cache.
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
case " ${DEB_BUILD_OPTIONS:-} " in
  *" parallel="*) ;;
  *) export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
(cd "$tree" && dpkg-buildpackage -us -uc "$@") >&2

debs=("$out"/sistema-decimale_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no one .deb in $out" >&2; exit 1; }
echo "${debs[0]}"
