#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# package_test.sh DEB_DIR: the packages scripts/package.sh made there. lintian finds no error and
# no warning in them, source and binary, nor hardening flags missing. The .deb's menu entry and
# AppStream data validate and name the program and icons it holds; its Depends has what the
# program needs, libcups2 too, which no tool finds since the program opens it at run time; it
# holds the manual page, changelog and copyright; and the program it installs opens its window.
set -euo pipefail
dir=$1
# shellcheck source=SCRIPTDIR/../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"

for tool in desktop-file-validate appstreamcli dpkg-deb file xprop lintian; do
  command -v "$tool" >/dev/null || e2e_fail "$tool is missing (scripts/install-deps.sh installs it)"
done
deb=$(echo "$dir"/sistema-decimale_*_*.deb)
changes=$(echo "$dir"/sistema-decimale_*_*.changes)
[ -f "$deb" ] && [ -f "$changes" ] || e2e_fail "not one .deb and one .changes in $dir"
grep -q '\.dsc$' "$changes" || e2e_fail "${changes##*/} has no source package"

# Debian's own checks: no error, no warning.
lintian -I --fail-on error,warning "$changes" >"$E2E_TMP/lintian.log" 2>&1 ||
  { cat "$E2E_TMP/lintian.log" >&2; e2e_fail "lintian finds fault with the packages"; }
! grep -E 'hardening-no-(bindnow|fortify-functions|relro|pie)' "$E2E_TMP/lintian.log" ||
  e2e_fail "the program was built without some of Debian's hardening flags"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libcups2 fonts-liberation libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || e2e_fail "Depends has no $package: $depends"
done

root=$E2E_TMP/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for doc in man/man1/sistema-decimale.1.gz doc/sistema-decimale/{changelog.gz,copyright}; do
  [ -s "$share/$doc" ] || e2e_fail "no /usr/share/$doc"
done
desktop=$share/applications/sistema-decimale.desktop
[ -f "$desktop" ] || e2e_fail "no menu entry at ${desktop#"$root"}"
desktop-file-validate "$desktop" || e2e_fail "the menu entry does not validate"
# Validates the metainfo and that the menu entry it launches is there.
appstreamcli validate-tree --no-net "$root" || e2e_fail "the AppStream data does not validate"

entry() { sed -n "s/^$1=//p" "$desktop"; }
program=$root/usr/bin/$(entry Exec)
file -L "$program" | grep -q ELF || e2e_fail "Exec=$(entry Exec) is no program in /usr/bin"
icon=$(entry Icon)
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || e2e_fail "no scalable icon $icon"
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x$size/apps/$icon.png
  file "$png" | grep -q "PNG image data, $size x $size," || e2e_fail "no $size x $size icon $icon"
done

e2e_start_xvfb
e2e_start_program "$program"
window=$(wait_window 30 "$start_title")
# Docks and task bars tie the window to the menu entry by its class.
xprop -id "$window" WM_CLASS | grep -q "\"$(entry StartupWMClass)\"" ||
  e2e_fail "the window's class is not StartupWMClass=$(entry StartupWMClass): $(xprop -id "$window" WM_CLASS)"
kill "$E2E_PID"
e2e_wait_exit 10
echo "PASS: ${deb##*/} installs a program that starts; Depends: $depends"
