#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# install_test.sh WAY SOURCE DEB_DIR: installs the package of DEB_DIR on this machine, as root,
# then purges every package it installed. WAY autopkgtest: autopkgtest runs SOURCE/debian/tests
# on it. WAY school_repo: scripts/school-repo.sh puts it into a new signed repository, from which
# apt, given that source alone, installs it once the signature is checked.
set -euo pipefail
way=$1 source=$2 dir=$3
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing packages takes root"; exit 77; }
! dpkg-query -W -f='${Status}' sistema-decimale 2>/dev/null | grep -q 'ok installed' ||
  { echo "SKIP: sistema-decimale is installed already, and would not be left so"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '/^ii/ {print $2}' | sort; }
tmp=$(mktemp -d "${TMPDIR:-/tmp}/sd-install.XXXXXX")
installed >"$tmp/before"
trap 'installed | comm -13 "$tmp/before" - | xargs -r apt-get purge -y -qq >/dev/null
  rm -rf "$tmp"' EXIT
deb=$(echo "$dir"/sistema-decimale_*_*.deb)

if [ "$way" = autopkgtest ]; then
  autopkgtest "$dir"/sistema-decimale_*_*.changes -- null || fail "autopkgtest: status $?"
else
  # Only that source, with lists and caches of its own, fetched as the user _apt as always.
  mkdir -p "$tmp/sources" "$tmp/lists/partial"
  chmod 755 "$tmp" && chown _apt "$tmp/lists/partial"
  bash "$source/scripts/school-repo.sh" --key-dir "$tmp/keys" "$tmp/repo" "$deb" \
    >"$tmp/sources/sistema-decimale.sources"
  apt=(-o Dir::Etc::sourcelist=/dev/null -o Dir::Etc::sourceparts="$tmp/sources"
    -o Dir::State::Lists="$tmp/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
  # Unsigned, or signed by another key, the repository would be refused here.
  apt-get "${apt[@]}" update 2>&1 | tee "$tmp/update" >&2
  ! grep -E '^(W|E):' "$tmp/update" || fail "apt does not trust the school's repository"
  DEBIAN_FRONTEND=noninteractive apt-get "${apt[@]}" install -y sistema-decimale >&2
  dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/bin/sistema-decimale |
    cmp - /usr/bin/sistema-decimale || fail "/usr/bin/sistema-decimale is not the repository's"
fi
echo "PASS: $way installed sistema-decimale"
