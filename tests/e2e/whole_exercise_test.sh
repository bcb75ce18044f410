#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, one whole exercise by keyboard: ten answers, each "1.000" (an answer no multiples
# question expects, so each is judged wrong), bring up the warning frame with the focus on
# "Visualizza"; its keys move the focus ("3", a blank wrapping round, "R"); "Ricomincia" starts a
# new exercise with empty counters; "esco" closes the window and a mouse press on "ESCI" ends the
# program with exit status 0.
#   whole_exercise_test.sh PROGRAM
set -euo pipefail
program=$1
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_program "$program"

start=$(wait_window 10 "$start_title")
wait_until 3 "the start window has the keyboard" focus_is "$start"
# The curtain first: on a busy machine it may still cover the menu.
wait_until 6 "the curtain has opened" curtain_open "$start"
wait_until 2 "\"I MULTIPLI\" is highlighted" menu_focus_is "$start" 0
xdotool keydown Return
exercise=$(wait_window 5 '^48 DOMANDE')
wait_until 3 "the exercise window has the keyboard" focus_is "$exercise"
xdotool keyup Return

# answer_wrong: from "10", two blanks to "1.000", Enter to choose it, Enter on "verifica".
answer_wrong() { xdotool key space space Return Return; }

for question in 1 2 3 4 5 6 7 8 9; do
  wait_until 3 "question $question is shown, focus on \"10\"" key_focus_is "$exercise" 0
  answer_wrong
  wait_until 3 "answer $question is judged, focus on \"avanti\"" key_focus_is "$exercise" 8
  # "1" in "Risposte errate", to tell "10" from it later.
  [ "$question" -eq 1 ] && one=$(count_in "$shot" 0,0,255 $wrong_box)
  xdotool key Return
done
wait_until 3 "question 10 is shown" key_focus_is "$exercise" 0
answer_wrong

# The warning frame takes the keypad's place, in front, with the focus on "Visualizza".
wait_until 3 "after the tenth answer the focus is on \"Visualizza\"" warning_focus_is "$exercise" 0
at_least "$(dark_in "$shot" $answer_box)" 200 || e2e_fail "no cross over the tenth answer"
ten=$(count_in "$shot" 0,0,255 $wrong_box)
((one > 0 && ten > one * 3 / 2)) || e2e_fail "\"Risposte errate\" went from $one to $ten pixels, not from 1 to 10"
none "$(count_in "$shot" 0,0,255 $right_box)" || e2e_fail "\"Risposte esatte\" counts a wrong answer"
xdotool key 3
wait_until 2 "key 3 moves the focus to \"Esci\"" warning_focus_is "$exercise" 2
xdotool key space
wait_until 2 "a blank on \"Esci\" wraps round to \"Visualizza\"" warning_focus_is "$exercise" 0
xdotool key r
wait_until 2 "key R moves the focus to \"Ricomincia\"" warning_focus_is "$exercise" 1

# "Ricomincia": a new exercise whose counters show empty text until its first answer is judged.
xdotool key Return
wait_until 3 "a new exercise starts, focus on \"10\"" key_focus_is "$exercise" 0
for counter in "$asked_box" "$right_box" "$wrong_box"; do
  # shellcheck disable=SC2086 # a box is four numbers
  none "$(count_in "$shot" 0,0,255 $counter)" || e2e_fail "a counter kept its text through the restart"
done
none "$(dark_in "$shot" $answer_box)" || e2e_fail "the cross outlived the restart"
answer_wrong
wait_until 3 "the first answer of the new exercise is judged" key_focus_is "$exercise" 8
at_least "$(count_in "$shot" 0,0,255 $asked_box)" 20 || e2e_fail "\"Domande poste\" shows nothing"

# "esco" closes the exercise window; the start window is in front again.
xdotool key e
wait_until 2 "key E moves the focus to \"esco\"" key_focus_is "$exercise" 9
xdotool key Return
wait_no_window 3 '^48 DOMANDE'
wait_until 3 "the start window has the keyboard again" focus_is "$start"
click_design "$start" ${start_items[2]}
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "\"ESCI\" ended the program with status $E2E_STATUS"
echo "PASS"
