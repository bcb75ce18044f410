#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# install_test.sh WAY SOURCE DEB_DIR: installs the package of DEB_DIR on this machine, and leaves
# the machine as it found it: every package it installed is purged again. Root only (else 77).
#   autopkgtest   autopkgtest runs the tests of SOURCE/debian/tests on the installed package
#   school_repo   scripts/school-repo.sh puts it into a new signed repository; apt, given only
#                 that source, checks the signature and installs the package from there
set -euo pipefail
way=$1 source=$2 dir=$3
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing packages takes root"; exit 77; }
if dpkg-query -W -f='${Status}' sistema-decimale 2>/dev/null | grep -q 'ok installed'; then
  echo "SKIP: sistema-decimale is installed here already, and would not be left as found"
  exit 77
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '/^ii/ { print $2 }' | sort; }
tmp=$(mktemp -d "${TMPDIR:-/tmp}/sd-install.XXXXXX")
installed >"$tmp/before"
leave_as_found() {
  installed | comm -13 "$tmp/before" - | xargs -r apt-get purge -y -qq >/dev/null
  rm -rf "$tmp"
}
trap leave_as_found EXIT
deb=$(echo "$dir"/sistema-decimale_*_*.deb)
[ -f "$deb" ] || fail "no .deb in $dir"

case $way in
  autopkgtest)
    autopkgtest "$dir"/sistema-decimale_*_*.changes -- null || fail "autopkgtest: status $?"
    ;;
  school_repo)
    bash "$source/scripts/school-repo.sh" --key-dir "$tmp/keys" "$tmp/repo" "$deb" >"$tmp/entry"
    mkdir -p "$tmp/sources" "$tmp/lists/partial"
    # apt fetches as the user _apt, as from any repository.
    chmod 755 "$tmp" && chown _apt "$tmp/lists/partial"
    cp "$tmp/entry" "$tmp/sources/sistema-decimale.sources"
    # Only that source, and lists and caches of its own: the machine's apt is not touched.
    apt=(-o Dir::Etc::sourcelist=/dev/null -o Dir::Etc::sourceparts="$tmp/sources"
      -o Dir::State::Lists="$tmp/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
    # Unsigned, or signed by another key, the repository would be refused here.
    apt-get "${apt[@]}" update 2>&1 | tee "$tmp/update" >&2
    ! grep -E '^(W|E):' "$tmp/update" || fail "apt does not trust the school's repository"
    DEBIAN_FRONTEND=noninteractive apt-get "${apt[@]}" install -y sistema-decimale >&2
    [ "$(dpkg-query -W -f='${Version}' sistema-decimale)" = "$(dpkg-deb -f "$deb" Version)" ] ||
      fail "the version installed is not the repository's"
    dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/bin/sistema-decimale |
      cmp - /usr/bin/sistema-decimale || fail "/usr/bin/sistema-decimale is not the repository's"
    ;;
  *) fail "no way $way" ;;
esac
echo "PASS: $way installed sistema-decimale"
