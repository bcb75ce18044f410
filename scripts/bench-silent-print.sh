#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# How the program answers while its print service says nothing: the real program under a private
# Xvfb, ten answers, then "STAMPA ESERCIZIO" and at once the key 2, with the print service first a
# loopback listener that never answers (a remote server that hangs), then the tests' private cupsd
# stopped dead (SIGSTOP) after it has listed its queues. Prints, for each, how long the key took to
# move the highlight and the message the pupil got, with how long it took to come.
#   bash scripts/bench-silent-print.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=SCRIPTDIR/../tests/e2e/lib.sh
source tests/e2e/lib.sh
program=$(e2e_program_or_build "$@")

message_shown() { windows_named '^Il sistema decimale$' >/dev/null; }
ms_since() { echo $((($(e2e_now_us) - $1) / 1000)); }

# key_moved_by SINCE_US: takes the screen at once with xwd, which is quick, and judges it after;
# prints the milliseconds from SINCE_US to the end of the first capture that shows the highlight
# on "SCRIVI IL NOME", an upper bound of the time the key took.
key_moved_by() {
  local done_us
  while :; do
    xwd -silent -id "$print" >"$E2E_TMP/now.xwd"
    done_us=$(e2e_now_us)
    convert "xwd:$E2E_TMP/now.xwd" "$shot"
    if [ "$(on_print band_shares "$shot" 255,229,142 "${print_items[@]}" |
      awk '$1 >= 95 { print NR - 1 }')" = 1 ]; then
      echo $(((done_us - $1) / 1000))
      return
    fi
    (($(e2e_now_us) - $1 < 30000000)) || e2e_fail "the key 2 never moved the highlight"
  done
}

# measure WHAT: from the print window, prints and presses 2 at once.
measure() {
  local t0 key_ms box text
  xdotool key 3 Return
  t0=$(e2e_now_us)
  xdotool key 2
  key_ms=$(key_moved_by "$t0")
  wait_until 30 "a message comes" message_shown
  box=$(windows_named '^Il sistema decimale$' | head -n 1)
  snap "$E2E_TMP/box.png" "$box"
  text=$(convert "$E2E_TMP/box.png" -resize 300% png:- | tesseract - - 2>/dev/null | tr '\n' ' ')
  echo "$1: key 2 acted within $key_ms ms; message after $(ms_since "$t0") ms: $text"
  xdotool key Return
}

e2e_start_spooler aula
e2e_start_xvfb

# A loopback listener that takes connections and never answers.
python3 -c 'import socket,sys,time
s=socket.socket(); s.bind(("127.0.0.1",0)); s.listen(64)
print(s.getsockname()[1], flush=True); time.sleep(600)' >"$E2E_TMP/port" &
listener=$!
wait_until 5 "the listener has a port" test -s "$E2E_TMP/port"
spool_server=$CUPS_SERVER
CUPS_SERVER=127.0.0.1:$(cat "$E2E_TMP/port") e2e_start_program "$program"
open_multiples_by_keyboard
ten_wrong_answers_then_print_window
measure "silent server"
kill "$E2E_PID"; wait "$E2E_PID" 2>/dev/null || true

CUPS_SERVER=$spool_server e2e_start_program "$program"
open_multiples_by_keyboard
ten_wrong_answers_then_print_window
xdotool key 3 Return
wait_until 15 "the sheet is printed while the service answers" test -s "$E2E_SPOOL/out/aula.pdf"
xdotool key 1
e2e_spooler freeze
measure "service stopped after listing"
e2e_spooler thaw
kill "$listener" "$E2E_PID" 2>/dev/null || true
