#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program as a pupil runs it: an ordinary user, made for this test with a home of its own and
# nothing else, starts the program unpacked from the .deb, answers ten questions, prints the sheet
# on the tests' private print service and ends the program with "ESCI". Making the user takes
# root: elsewhere the test skips (77).
#   ordinary_user_test.sh DEB_DIR
set -euo pipefail
dir=$1
# shellcheck source=SCRIPTDIR/../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
[ "$(id -u)" -eq 0 ] && command -v useradd >/dev/null ||
  { echo "SKIP: only root can make a user for the test"; exit 77; }

e2e_start_spooler aula
sheet=$E2E_SPOOL/out/aula.pdf
pupil=sd-pupil-$$
# Readable by the pupil: the package's files; the home is the pupil's alone.
shared=$(mktemp -d "${TMPDIR:-/tmp}/sd-pupil.XXXXXX")
chmod 755 "$shared"
useradd --home-dir "$shared/home" --create-home --user-group --shell /bin/sh "$pupil"
install -d -m 700 -o "$pupil" "$shared/runtime"
trap 'pkill -KILL -u "$pupil" 2>/dev/null || true; userdel "$pupil" 2>/dev/null || true
  rm -rf "$shared"; e2e_spooler clean; e2e_cleanup' EXIT

dpkg-deb -x "$dir"/sistema-decimale_*_*.deb "$shared/root"
chmod -R a+rX "$shared/root"
[ "$(stat -c %U "$shared/home")" = "$pupil" ] ||
  e2e_fail "the pupil's home is not the pupil's: $(stat -c %U:%a "$shared/home")"

e2e_start_xvfb
# Nothing of root's environment but the display and the print service; a sanitized build's
# options go along, their files being readable by all.
setpriv --reuid="$pupil" --regid="$pupil" --init-groups \
  env -i HOME="$shared/home" XDG_RUNTIME_DIR="$shared/runtime" USER="$pupil" LOGNAME="$pupil" PATH=/usr/bin:/bin LANG=C.UTF-8 \
  DISPLAY="$DISPLAY" CUPS_SERVER="$CUPS_SERVER" QT_QPA_PLATFORM=xcb \
  ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS:suppressions=$E2E_DIR/asan.supp"} \
  ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
  "$shared/root/usr/bin/sistema-decimale" >"$E2E_TMP/program.log" 2>&1 &
E2E_PID=$!

open_multiples_by_keyboard
[ "$(ps -o user= -p "$E2E_PID")" = "$pupil" ] || e2e_fail "the program does not run as $pupil"
ten_wrong_answers_then_print_window
xdotool key 3 Return
wait_until 15 "the pupil's sheet comes out of the private queue" test -s "$sheet"
pdftotext "$sheet" - | grep -q 'SCUOLA ELEMENTARE DI' || e2e_fail "the sheet printed is not the exercise"
pupils_job_done() { [ "$(lpstat -W completed -o aula | awk '{print $2}')" = "$pupil" ]; }
wait_until 5 "the queue's one finished job is the pupil's" pupils_job_done

xdotool windowraise "$start"
focus_window "$start"
click_design "$start" ${start_items[2]}
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "\"ESCI\" ended the pupil's program with status $E2E_STATUS"
echo "PASS: $pupil printed the sheet and ended with \"ESCI\""
