#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# package_test.sh CPACK BUILD_DIR: makes the .deb of the build with CPack and unpacks it into a
# scratch root. Its menu entry and AppStream data validate and name the program and icons it holds;
# its Depends has what the program needs, libcups2 too, which no tool finds since the program opens
# it at run time; lintian finds no error and no warning; and the program it installs opens its
# start window.
set -euo pipefail
cpack=$1 build=$2
# shellcheck source=SCRIPTDIR/../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps file xprop lintian; do
  command -v "$tool" >/dev/null || e2e_fail "$tool is missing (scripts/install-deps.sh installs it)"
done

"$cpack" --config "$build/CPackConfig.cmake" -B "$E2E_TMP/out" >"$E2E_TMP/cpack.log" 2>&1 ||
  { cat "$E2E_TMP/cpack.log" >&2; e2e_fail "cpack did not make the package"; }
debs=("$E2E_TMP"/out/sistema-decimale_*_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  e2e_fail "not one sistema-decimale_*.deb in $E2E_TMP/out"
fi
deb=${debs[0]}

# Debian's own checks: no error, no warning.
lintian --fail-on error,warning "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
  { cat "$E2E_TMP/lintian.log" >&2; e2e_fail "lintian finds fault with the package"; }

depends=$(dpkg-deb -f "$deb" Depends)
for package in libcups2 fonts-liberation libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || e2e_fail "Depends has no $package: $depends"
done

root=$E2E_TMP/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
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
