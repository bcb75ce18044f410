#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, from the start window to a printed exercise sheet, once by keyboard alone and once
# by mouse alone: ten answers, "Visualizza", "STAMPA ESERCIZIO", and the page read back from the
# queue of a private print service (tests/printing/spooler.sh), never the machine's own.
#   print_sheet_test.sh PROGRAM
set -euo pipefail
program=$1
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_spooler aula
sheet=$E2E_SPOOL/out/aula.pdf

e2e_start_xvfb
e2e_start_program "$program"

click_print_item() { on_print click_design "$1" ${print_items[$2]}; }

# sheet_printed N: the queue's file holds one page whose record lines are N wrong answers, each
# "1.000", under the heading, with the two time lines.
sheet_printed() {
  local text
  [ -s "$sheet" ] || return 1
  [ "$(pdfinfo "$sheet" | awk '/^Pages:/ {print $2}')" = 1 ] || return 1
  text=$(pdftotext -raw "$sheet" -)
  grep -q '^SCUOLA ELEMENTARE DI$' <<<"$text" &&
    [ "$(grep -c '1.000\*' <<<"$text")" -eq "$1" ] &&
    grep -q '^Eser. n.1: Tempo tot. [0-9]* secondi$' <<<"$text" &&
    grep -q '^Eser. n.2: Tempo tot. secondi$' <<<"$text"
}

# --- By keyboard: ten answers "1.000", each judged wrong.
open_multiples_by_keyboard
ten_wrong_answers_then_print_window
xdotool key 3 Return
wait_until 15 "the sheet comes out of the queue" sheet_printed 10

# --- By mouse: "ESCI" on the print window, "Ricomincia", ten answers, "Visualizza", printing.
rm -f "$sheet"
click_print_item "$print" 0
wait_no_window 3 '^FINESTRA DI STAMPA $'
wait_until 3 "the exercise window is in front again" focus_is "$exercise"
click_design "$exercise" ${warning_items[1]}
for question in 1 2 3 4 5 6 7 8 9 10; do
  wait_until 3 "question $question is shown" key_focus_is "$exercise" 0
  click_design "$exercise" ${keys[2]}
  wait_until 2 "\"1.000\" is chosen" key_focus_is "$exercise" 7
  click_design "$exercise" ${keys[7]}
  ((question == 10)) || {
    wait_until 3 "answer $question is judged" key_focus_is "$exercise" 8
    click_design "$exercise" ${keys[8]}
  }
done
wait_until 3 "the warning frame is shown" warning_focus_is "$exercise" 0
click_design "$exercise" ${warning_items[0]}
print=$(wait_window 5 '^FINESTRA DI STAMPA $')
click_print_item "$print" 2
wait_until 15 "the sheet printed by mouse comes out of the queue" sheet_printed 10
echo "PASS"
