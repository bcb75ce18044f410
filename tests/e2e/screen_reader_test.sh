#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as a screen reader sees the program: AT-SPI outside the process (screen_reader.py,
# python3-pyatspi) on a private session bus and a private Xvfb. Skips (77) without them.
#   screen_reader_test.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")
# shellcheck source=SCRIPTDIR/lib.sh
source "$here/lib.sh"
e2e_session_bus "$0" "$@"

# A printer is listed, so that the printer list has an entry that is not its name.
e2e_start_spooler aula
e2e_start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
bus=$!
trap 'kill $bus 2>/dev/null || true; e2e_spooler clean; e2e_cleanup' EXIT
# The toolkit speaks to AT-SPI once a screen reader is said to run; here none does.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start_program "$program"
start=$(wait_window 10 "$start_title")
wait_until 6 "the curtain has opened" curtain_open "$start"
wait_until 3 "the start window has the keyboard" focus_is "$start"
/usr/bin/python3 "$here/screen_reader.py" || e2e_fail "a screen reader does not find what it needs"
