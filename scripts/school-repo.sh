#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A school's own apt repository for its lab: puts the Debian package into REPO (made with reprepro,
# signed with the school's key) and prints the apt source that every computer of the lab adds as
# /etc/apt/sources.list.d/sistema-decimale.sources (REPO/sistema-decimale.sources holds the same).
#   bash scripts/school-repo.sh [--key-dir DIR] [--uri URI] REPO [DEB...]
# Without DEB, scripts/package.sh makes the package first. The key is made once, in DIR
# (~/.sistema-decimale-repo by default), and kept there for every later run: keep DIR safe, since
# whoever has it can sign packages the lab's computers trust. It has no passphrase, so that
# publishing asks nothing; DIR is readable by its owner alone. URI is where the computers find
# REPO: file:// of REPO by default, or e.g. http://server/sistema-decimale when a web server
# shares it.
set -euo pipefail

keys=$HOME/.sistema-decimale-repo uri=""
usage() {
  echo "usage: scripts/school-repo.sh [--key-dir DIR] [--uri URI] REPO [DEB...]" >&2
  exit 2
}
while [ $# -gt 0 ]; do
  case $1 in
    --key-dir) keys=$2; shift 2 ;;
    --uri) uri=$2; shift 2 ;;
    -*) usage ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || usage
# Paths as the caller meant them, before moving to the project's root.
keys=$(realpath -m "$keys") repo=$(realpath -m "$1")
shift
debs=()
for deb in "$@"; do debs+=("$(realpath "$deb")"); done
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >&2
[ ${#debs[@]} -gt 0 ] || debs=("$(bash scripts/package.sh)")
uri=${uri:-file://$repo}
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")

export GNUPGHOME=$keys/gnupg
mkdir -p -m 700 "$keys" "$GNUPGHOME"
# The agent gpg starts for this folder goes with this run.
trap 'gpgconf --kill gpg-agent 2>/dev/null || true' EXIT
if ! gpg --batch --list-secret-keys 2>/dev/null | grep -q .; then
  echo "Making the school's signing key in $keys" >&2
  gpg --batch --gen-key 2>&1 <<KEY | sed 's/^/gpg: /' >&2
%no-protection
Key-Type: eddsa
Key-Curve: ed25519
Key-Usage: sign
Name-Real: Il sistema decimale, archivio della scuola ($(hostname))
Expire-Date: 0
%commit
KEY
fi
key=$(gpg --batch --with-colons --list-secret-keys | awk -F: '$1 == "fpr" { print $10; exit }')
gpg --batch --export --armor "$key" >"$keys/sistema-decimale-archive.asc"

mkdir -p "$repo/conf"
cat >"$repo/conf/distributions" <<CONF
Origin: Il sistema decimale
Label: Il sistema decimale
Codename: $suite
Architectures: $(dpkg --print-architecture)
Components: main
Description: Il sistema decimale per i computer della scuola
SignWith: $key
CONF
for deb in "${debs[@]}"; do
  reprepro -b "$repo" includedeb "$suite" "$deb" >&2
done

# deb822 wants the key's empty lines as " ." and every line indented.
{
  echo "Types: deb"
  echo "URIs: $uri"
  echo "Suites: $suite"
  echo "Components: main"
  echo "Signed-By:"
  sed -e 's/^$/./' -e 's/^/ /' "$keys/sistema-decimale-archive.asc"
} | tee "$repo/sistema-decimale.sources"
