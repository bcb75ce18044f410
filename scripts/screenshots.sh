#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the README's pictures of the windows: the real program under a private 1280x1024 Xvfb,
# driven by xdotool, each picture scaled to 800 pixels wide into docs/.
#   bash scripts/screenshots.sh            builds the release configuration first
#   bash scripts/screenshots.sh PROGRAM    pictures of an already built program
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=SCRIPTDIR/../tests/e2e/lib.sh
source tests/e2e/lib.sh
program=$(e2e_program_or_build "$@")
# The pupil of the pictures knows the answers: the bank's, beside the program's tests.
answers=$(dirname "$program")/../../tests/e2e/bank-answers

mkdir -p docs

# save NAME [ID]: the screen, or one window, as docs/NAME.png at most 800 pixels wide.
save() {
  snap "$E2E_TMP/$1.png" "${2:-root}"
  convert "$E2E_TMP/$1.png" -resize '800x>' -strip "docs/$1.png"
  echo "docs/$1.png" >&2
}

# A private print service with two queues, for the printer window and the printed sheet.
e2e_start_spooler aula laboratorio
spool=$E2E_SPOOL

e2e_start_xvfb
# As on an Italian system, which writes the certificate's date day/month/year.
LC_ALL=it_IT.UTF-8 e2e_start_program "$program"
start=$(wait_window 10 "$start_title")

# The curtain halfway open, then the whole start window once it has opened.
curtain_halfway() {
  look "$start"
  local left
  left=$(colour_count "$shot" 255,229,142)
  ((left < E2E_SCREEN_WIDTH * E2E_SCREEN_HEIGHT / 2))
}
wait_until 5 "the curtain is halfway open" curtain_halfway
save curtain
wait_until 6 "the curtain has opened" curtain_open "$start"
save start

# The about window on its own; with no window manager it opens in the top left corner.
xdotool mousemove --window "$start" 30 9 click 1
about=$(wait_window 3 '^Autore$')
sleep 0.3 # its first paint
save about "$about"
click_at "$about" 0.49 0.76
wait_no_window 3 '^Autore$'

# Multiples: a fresh question, then "uk", an answer no multiples question expects, judged wrong.
# The mouse pointer is parked in a corner the pictures do not mind.
click_design "$start" ${start_items[0]}
exercise=$(wait_window 5 '^48 DOMANDE')
wait_until 3 "the question is shown" key_focus_is "$exercise" 0
xdotool mousemove 0 "$E2E_SCREEN_HEIGHT"
save exercise "$exercise"
click_design "$exercise" ${keys[3]}
wait_until 2 "\"uk\" is chosen" key_focus_is "$exercise" 7
click_design "$exercise" ${keys[7]}
wait_until 2 "the answer is judged" key_focus_is "$exercise" 8
xdotool mousemove 0 "$E2E_SCREEN_HEIGHT"
save exercise-wrong "$exercise"
click_design "$exercise" ${keys[9]}
wait_no_window 3 '^48 DOMANDE'

# Submultiples: a fresh question.
click_design "$start" ${start_items[1]}
exercise=$(wait_window 5 '^96 DOMANDE')
wait_until 3 "the question is shown" key_focus_is "$exercise" 0
xdotool mousemove 0 "$E2E_SCREEN_HEIGHT"
save exercise-submultiples "$exercise"

# Ten answers by keyboard, each right ("Visualizza"): the print window; its menu bar's "Scegli la
# stampante" opens the printer window; "STAMPA ESERCIZIO" prints the sheet, rendered from the PDF
# the queue received.
# ten_right_answers KIND: ten answers on the exercise window of KIND (1 multiples, 2 submultiples),
# each right, then "Visualizza"; sets print to the print window.
ten_right_answers() {
  load_answers "$answers" "$1"
  for question in 1 2 3 4 5 6 7 8 9 10; do
    wait_until 3 "question $question is shown" key_focus_is "$exercise" 0
    answer_right "$exercise" || e2e_fail "question $question: its number could not be read"
    ((question == 10)) || {
      wait_until 3 "answer $question is judged" key_focus_is "$exercise" 8
      xdotool key Return
    }
  done
  wait_until 3 "the warning frame is shown" warning_focus_is "$exercise" 0
  xdotool key Return
  print=$(wait_window 5 '^FINESTRA DI STAMPA $')
}
ten_right_answers 2
sleep 0.3
save print-window "$print"
xdotool mousemove --window "$print" 60 9 click 1
chooser=$(wait_window 3 '^Form1$')
sleep 0.3
save printer-window "$chooser"
on_printer click_design "$chooser" $close_box
sleep 0.3
xdotool key 3 Return
sheet_out() { [ -s "$spool/out/aula.pdf" ]; }
wait_until 15 "the sheet is printed" sheet_out
pdftoppm -png -r 50 -singlefile "$spool/out/aula.pdf" "$E2E_TMP/sheet"
convert "$E2E_TMP/sheet.png" -bordercolor '#999999' -border 1 -strip docs/sheet.png
echo docs/sheet.png >&2

# "SCRIVI IL NOME": the name window; a click on "G" and the rest typed on the keyboard.
rm -f "$spool/out/aula.pdf"
xdotool key 2 Return
name=$(wait_window 3 '^Form2$')
sleep 0.3
# "G" is the seventh key of the first row (design box 4035, 195, 600 x 600 in the frame at 270, 6090).
on_name click_design "$name" 4305 6285 600 600
xdotool type --delay 80 iulia
sleep 0.3
xdotool mousemove 0 "$E2E_SCREEN_HEIGHT"
save name-window "$name"
# A press on "AVANTI" closes it.
on_name click_design "$name" $next_box
wait_no_window 3 '^Form2$'

# "ATTESTATO": the certificate window, drawn row by row; printing it.
focus_window "$print"
xdotool key 4 Return
certificate=$(wait_window 3 '^Attestato$')
sleep 1.5
xdotool mousemove 0 "$E2E_SCREEN_HEIGHT"
save certificate "$certificate"
xdotool key 1 Return
wait_until 15 "the certificate is printed" sheet_out
pdftoppm -png -r 50 -singlefile "$spool/out/aula.pdf" "$E2E_TMP/certificate"
convert "$E2E_TMP/certificate.png" -bordercolor '#999999' -border 1 -strip docs/certificate-printed.png
echo docs/certificate-printed.png >&2

# On a laptop's 1920x1080 screen at 125 and 150 %, at the screen's own pixels: the multiples
# exercise, and at 150 % the certificate after ten right answers and a name.
kill "$E2E_PID" "$E2E_XVFB_PID"
wait "$E2E_PID" "$E2E_XVFB_PID" 2>/dev/null || true
E2E_PID=""
E2E_SCREEN_WIDTH=1920 E2E_SCREEN_HEIGHT=1080
e2e_start_xvfb
for percent in 125 150; do
  scale=${percent:0:1}.${percent:1}
  LC_ALL=it_IT.UTF-8 QT_SCALE_FACTOR=$scale e2e_start_program "$program"
  start=$(wait_window 10 "$start_title")
  wait_until 8 "the curtain has opened" curtain_open "$start"
  focus_window "$start"
  xdotool key 1 Return
  exercise=$(wait_window 5 '^48 DOMANDE')
  wait_until 3 "the question is shown" key_focus_is "$exercise" 0
  xdotool mousemove 0 "$E2E_SCREEN_HEIGHT"
  snap "docs/exercise-$percent.png" "$exercise" && echo "docs/exercise-$percent.png" >&2
  if [ "$percent" != 150 ]; then
    kill "$E2E_PID"
    wait "$E2E_PID" 2>/dev/null || true
    E2E_PID=""
    continue
  fi
  ten_right_answers 1
  focus_window "$print"
  xdotool key 2 Return
  name=$(wait_window 3 '^Form2$')
  sleep 0.3
  on_name click_design "$name" 4305 6285 600 600
  xdotool type --delay 80 iulia
  on_name click_design "$name" $next_box
  wait_no_window 3 '^Form2$'
  focus_window "$print"
  xdotool key 4 Return
  certificate=$(wait_window 3 '^Attestato$')
  sleep 2
  xdotool mousemove 0 "$E2E_SCREEN_HEIGHT"
  snap docs/certificate-150.png "$certificate" && echo docs/certificate-150.png >&2
done
