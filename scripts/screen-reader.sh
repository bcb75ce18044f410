#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Orca screen reader says during one question, not a test: the program and Orca on a
# private Xvfb and session bus, Orca's debug log standing for its speech. It opens the multiples
# exercise, answers ten questions with the first key ("10") and Enter, and prints every line Orca
# spoke: each question, each verdict and the warning after the tenth answer.
#   bash scripts/screen-reader.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=SCRIPTDIR/../tests/e2e/lib.sh
source tests/e2e/lib.sh
bash scripts/install-deps.sh
if ! command -v orca >/dev/null; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y -qq --no-install-recommends orca >/dev/null
fi
e2e_session_bus "$0" "$@"
program=$(e2e_program_or_build "$@")

e2e_start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
orca --replace --debug-file="$E2E_TMP/orca.log" >/dev/null 2>&1 &
orca=$!
trap 'kill $orca $bus 2>/dev/null || true; e2e_cleanup' EXIT
sleep 3
e2e_start_program "$program"
start=$(wait_window 10 "$start_title")
wait_until 6 "the curtain has opened" curtain_open "$start"
sleep 1
xdotool key Return
for question in 1 2 3 4 5 6 7 8 9 10; do
  sleep 1
  xdotool key Return # "10"
  sleep 1
  xdotool key Return # "verifica"
  sleep 1
  [ "$question" = 10 ] || xdotool key Return # "avanti"
done
sleep 15
grep -a "SPEECH OUTPUT:" "$E2E_TMP/orca.log" | sed "s/^.*SPEECH OUTPUT: //"
