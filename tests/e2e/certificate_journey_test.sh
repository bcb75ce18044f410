#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, the whole journey by keyboard, with the mouse only to close the name window (a press
# on "AVANTI" is its only way out): the multiples exercise answered right ten times, "Visualizza",
# the name written, the certificate opened and printed on a private print service
# (tests/printing/spooler.sh), and "FINE SESSIONE" ending the program with exit status 0.
# The pupil reads the question number shown under the title (OCR) and knows its answer from the
# bank (bank-answers).
#   certificate_journey_test.sh PROGRAM BANK_ANSWERS
set -euo pipefail
program=$1
answers=$2
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_spooler aula
certificate_pdf=$E2E_SPOOL/out/aula.pdf

load_answers "$answers"

e2e_start_xvfb
e2e_start_program "$program"
open_multiples_by_keyboard

for question in 1 2 3 4 5 6 7 8 9 10; do
  wait_until 3 "question $question is shown, focus on \"10\"" key_focus_is "$exercise" 0
  answer_right "$exercise" || e2e_fail "question $question: its number could not be read"
  ((question == 10)) || {
    wait_until 3 "answer $question is judged" key_focus_is "$exercise" 8
    at_least "$(count_in "$shot" 0,0,255 $right_box)" 20 ||
      e2e_fail "question $question (number $number) was judged wrong"
    xdotool key Return
  }
done
wait_until 3 "after the tenth answer the focus is on \"Visualizza\"" warning_focus_is "$exercise" 0
none "$(count_in "$shot" 0,0,255 $wrong_box)" || e2e_fail "an answer was judged wrong"
xdotool key Return
print=$(wait_window 5 '^FINESTRA DI STAMPA $')
wait_until 3 "the print window has the keyboard" focus_is "$print"

# The name: Enter on the focused key "A", the rest typed, then a press on "AVANTI".
xdotool key 2 Return
name=$(wait_window 3 '^Form2$')
wait_until 3 "the name window has the keyboard" focus_is "$name"
xdotool key Return
sleep 0.2
xdotool type --delay 60 lice
on_name click_design "$name" $next_box
wait_no_window 3 '^Form2$'
wait_until 3 "the print window has the keyboard again" focus_is "$print"

# The certificate. The Enter that opened the name window was let go there, and is held nowhere:
# the print window's first key acts.
xdotool key 4 Return
certificate=$(wait_window 3 '^Attestato$')
wait_until 3 "the certificate window has the keyboard" focus_is "$certificate"
xdotool key 1 Return
# Its eleven rows as text, in order, blanks squeezed: the name typed, the score, the date and time.
rows="DIPLOMA DI MERITO;RILASCIATO A;Alice;per la conoscenza del;SISTEMA DECIMALE;"
rows+="I valori di posizione;I multipli;con la valutazione di;OTTIMO;"
rows+="con 10 risposte esatte su 10 richieste;Data [0-9/]{8} Ora: [0-9:]{8};"
certificate_printed() {
  [ -s "$certificate_pdf" ] &&
    [ "$(pdfinfo "$certificate_pdf" | awk '/^Pages:/ {print $2}')" = 1 ] &&
    pdftotext -layout -nopgbrk "$certificate_pdf" - | sed -E 's/^ +| +$//g; s/ +/ /g; /^$/d' |
    tr '\n' ';' | grep -xE "$rows" >/dev/null
}
wait_until 15 "the certificate comes out of the queue, one page of eleven rows" certificate_printed

xdotool key 3 Return
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "\"FINE SESSIONE\" ended the program with status $E2E_STATUS"
echo "PASS"
