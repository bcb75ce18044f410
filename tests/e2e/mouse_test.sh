#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, by mouse only: the real program under its own Xvfb. "Autore" on the menu bar opens
# one about window however often it is chosen, "C h i u d i" closes it, a press on
# "I SOTTOMULTIPLI" opens the submultiples exercise, a pressed answer key and "verifica" give a
# verdict whose cross, correction and counters agree with each other, "esco" closes the exercise
# and "ESCI" ends the program with exit status 0.
#   mouse_test.sh PROGRAM
set -euo pipefail
program=$1
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_program "$program"

start=$(wait_window 10 "$start_title")
# Until the curtain has opened, its panels take the clicks.
wait_until 6 "the curtain has opened" curtain_open "$start"

# --- About window. The menu bar is not laid out in proportion: "Autore" sits at its left end.
click_autore() { xdotool mousemove --window "$start" 30 9 click 1; }
click_autore
about=$(wait_window 3 '^Autore$')
about_ground() {
  look "$about"
  # shellcheck disable=SC2034 # X and Y: window_geometry sets them too
  local X Y WIDTH HEIGHT
  window_geometry "$about"
  (($(colour_count "$shot" 192,255,255) > WIDTH * HEIGHT / 2))
}
wait_until 2 "the about window shows its own colour RGB(192,255,255)" about_ground
# No window manager places it, so it opens over "Autore"; moved aside, "Autore" can be chosen again
# and must bring the same window back rather than open a second one.
xdotool windowmove --sync "$about" 600 500
click_autore
sleep 0.3
[ "$(window_named '^Autore$')" = "$about" ] || e2e_fail "a second \"Autore\" did not reuse the window"
click_at "$about" 0.49 0.76 # "C h i u d i": 2070, 4005, 2700 x 705 on 6975 x 5700
wait_no_window 3 '^Autore$'

# --- Submultiples exercise: a mouse press runs a menu item at once.
click_design "$start" ${start_items[1]}
exercise=$(wait_window 5 '^96 DOMANDE')
title=$(xdotool getwindowname "$exercise")
[ "$title" = "$submultiples_title" ] || e2e_fail "exercise window titled \"$title\""
wait_until 2 "the focus starts on answer key 0" key_focus_is "$exercise" 0

# Every answer key can be right for some submultiples question: "d" may or may not be, and the
# window's parts must agree on which.
click_design "$exercise" ${keys[4]}
wait_until 2 "a pressed answer key moves the focus to \"verifica\"" key_focus_is "$exercise" 7
none "$(dark_in "$shot" $answer_box)" || e2e_fail "a cross before \"verifica\""
click_design "$exercise" ${keys[7]}
wait_until 2 "after judging, the focus is on \"avanti\"" key_focus_is "$exercise" 8
at_least "$(count_in "$shot" 255,0,0 $verdict_box)" 500 || e2e_fail "no verdict shown"
at_least "$(count_in "$shot" 0,0,255 $asked_box)" 20 || e2e_fail "\"Domande poste\" shows nothing"
cross=$(dark_in "$shot" $answer_box)
correction=$(count_in "$shot" 255,0,0 $correction_box)
right=$(count_in "$shot" 0,0,255 $right_box)
wrong=$(count_in "$shot" 0,0,255 $wrong_box)
if ((cross > 0)); then
  ((correction > 0 && wrong > 0 && right == 0)) ||
    e2e_fail "wrong answer (cross) with correction $correction, right $right, wrong $wrong pixels"
else
  ((correction == 0 && right > 0 && wrong == 0)) ||
    e2e_fail "right answer (no cross) with correction $correction, right $right, wrong $wrong pixels"
fi

click_design "$exercise" ${keys[9]}
wait_no_window 3 '^96 DOMANDE'
wait_until 3 "the start window has the keyboard again" focus_is "$start"

# --- "ESCI": a mouse press works at once, whatever the keys did before.
click_design "$start" ${start_items[2]}
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "\"ESCI\" ended the program with status $E2E_STATUS"
echo "PASS"
