#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, by keyboard only: the real program under its own Xvfb. The start window opens
# maximised behind its curtain, the menu keys move the highlight, Enter opens the multiples
# exercise, a wrong answer is chosen and judged with Enter twice, the keypad's letter keys move the
# focus, "avanti" puts the next question and "ESCI" ends the program, exercise window and all,
# with exit status 0.
#   keyboard_test.sh PROGRAM
set -euo pipefail
program=$1
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_program "$program"

# --- Start window
start=$(wait_window 10 "$start_title")
title=$(xdotool getwindowname "$start")
[[ $title =~ $start_title ]] || e2e_fail "the start window is titled \"$title\""
# Maximised, which with no window manager the program sees to itself.
window_geometry "$start"
[ "$WIDTH" = "$E2E_SCREEN_WIDTH" ] && [ "$HEIGHT" = "$E2E_SCREEN_HEIGHT" ] ||
  e2e_fail "the start window is ${WIDTH}x$HEIGHT, not maximised on the ${E2E_SCREEN_WIDTH}x$E2E_SCREEN_HEIGHT screen"

# The curtain, two panels in the highlight colour, covers the window at first and then opens.
look "$start"
curtain=$(colour_count "$shot" 255,229,142)
((curtain > E2E_SCREEN_WIDTH * E2E_SCREEN_HEIGHT / 10)) ||
  e2e_fail "no curtain at start: $curtain highlight-coloured pixels"
wait_until 6 "the curtain has opened onto the window's normal colour" curtain_open "$start"
colours=$(distinct_colours "$shot")
((colours > 100)) || e2e_fail "the start window looks blank: $colours colours"

wait_until 3 "the start window has the keyboard" focus_is "$start"
wait_until 2 "\"I MULTIPLI\" is highlighted" menu_focus_is "$start" 0
xdotool key 2
wait_until 2 "key 2 highlights \"I SOTTOMULTIPLI\"" menu_focus_is "$start" 1
xdotool key 3
wait_until 2 "key 3 highlights \"ESCI\"" menu_focus_is "$start" 2
xdotool key 1
wait_until 2 "key 1 highlights \"I MULTIPLI\" again" menu_focus_is "$start" 0

# --- Multiples exercise
# Enter is held until the exercise window has the keyboard, as a pupil's finger holds it while the
# window opens: the release goes to the exercise window, not to the start menu.
xdotool keydown Return
exercise=$(wait_window 5 '^48 DOMANDE')
wait_until 3 "the exercise window has the keyboard" focus_is "$exercise"
xdotool keyup Return
title=$(xdotool getwindowname "$exercise")
[ "$title" = "$multiples_title" ] || e2e_fail "exercise window titled \"$title\""
[ -n "$(window_named "$start_title")" ] || e2e_fail "the start window went away"
window_geometry "$exercise"
[ "$WIDTH" = "$E2E_SCREEN_WIDTH" ] || e2e_fail "the exercise window is only $WIDTH pixels wide"
wait_until 2 "the focus starts on answer key 0 (\"10\")" key_focus_is "$exercise" 0
question_mark=$(count_in "$shot" 192,0,0 $answer_box)
((question_mark > 50)) || e2e_fail "no \"?\" where the answer goes ($question_mark pixels)"
[ "$(dark_in "$shot" $answer_box)" -eq 0 ] || e2e_fail "a cross before any answer"

# A blank moves the focus on to the next enabled key: twice from "10" is "1.000", which no
# multiples question expects, so the verdict is known in advance.
xdotool key space
wait_until 2 "a blank moves the focus to \"100\"" key_focus_is "$exercise" 1
xdotool key space
wait_until 2 "a second blank moves it to \"1.000\"" key_focus_is "$exercise" 2
xdotool key Return
wait_until 2 "Enter on an answer key moves the focus to \"verifica\"" key_focus_is "$exercise" 7
answer=$(count_in "$shot" 192,0,0 $answer_box)
((answer > question_mark * 3 / 2)) ||
  e2e_fail "the answer shown did not grow from \"?\" to \"1.000\" ($question_mark -> $answer pixels)"
none "$(count_in "$shot" 255,0,0 $verdict_box)" || e2e_fail "a verdict before \"verifica\""

xdotool key Return
wait_until 2 "after judging, the focus is on \"avanti\"" key_focus_is "$exercise" 8
verdict=$(count_in "$shot" 255,0,0 $verdict_box)
((verdict > 500)) || e2e_fail "no verdict shown ($verdict red pixels)"
at_least "$(dark_in "$shot" $answer_box)" 200 || e2e_fail "no cross over the wrong answer"
at_least "$(count_in "$shot" 255,0,0 $correction_box)" 200 || e2e_fail "no correction shown"
at_least "$(count_in "$shot" 0,0,255 $asked_box)" 20 || e2e_fail "\"Domande poste\" shows nothing"
at_least "$(count_in "$shot" 0,0,255 $wrong_box)" 20 || e2e_fail "\"Risposte errate\" shows nothing"
none "$(count_in "$shot" 0,0,255 $right_box)" || e2e_fail "\"Risposte esatte\" counts a wrong answer"

# Letter keys of the keypad: "E" to "esco", "A" back to "avanti". Any key down clears the verdict.
xdotool key e
wait_until 2 "key E moves the focus to \"esco\"" key_focus_is "$exercise" 9
none "$(count_in "$shot" 255,0,0 $verdict_box)" || e2e_fail "the verdict outlived a key press"
xdotool key a
wait_until 2 "key A moves the focus back to \"avanti\"" key_focus_is "$exercise" 8

xdotool key Return
wait_until 2 "\"avanti\" puts the next question, focus on \"10\"" key_focus_is "$exercise" 0
none "$(dark_in "$shot" $answer_box)" || e2e_fail "the cross outlived the question"
none "$(count_in "$shot" 255,0,0 $correction_box)" || e2e_fail "the correction outlived the question"
at_least "$(count_in "$shot" 192,0,0 $answer_box)" 50 || e2e_fail "no \"?\" for the next question"

# --- "ESCI" on the start window, with the exercise window still open
# With no window manager, bringing it to the front is the test's job, as a click would be the pupil's.
xdotool windowraise "$start"
focus_window "$start"
wait_until 2 "back on the start window, \"I MULTIPLI\" is highlighted" menu_focus_is "$start" 0
# The release of the Enter that opened the exercise reached the exercise window; the key is no
# longer held, so the first key back on the start window acts.
xdotool key 3
wait_until 2 "the first key 3 back on the start window highlights \"ESCI\"" menu_focus_is "$start" 2
xdotool key Return
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "\"ESCI\" ended the program with status $E2E_STATUS"
echo "PASS"
