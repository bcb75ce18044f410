#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, keys held down on an X server that repeats them (its default delay and rate): the
# blank held on the start menu ten times, from 0.3 to 3 s, moves the highlight by one item each
# time; Enter held 3 s on the keypad chooses the answer once, and held again judges it once.
#   key_hold_test.sh PROGRAM
set -euo pipefail
program=$1
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_program "$program"

# hold KEY SECONDS: the key down that long, then up; the program has the events by the next look.
hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

start=$(wait_window 10 "$start_title")
wait_until 6 "the curtain has opened" curtain_open "$start"
wait_until 3 "the start window has the keyboard" focus_is "$start"
wait_until 2 "\"I MULTIPLI\" is highlighted" menu_focus_is "$start" 0

item=0
for seconds in 0.3 0.6 0.9 1.2 1.5 1.8 2.1 2.4 2.7 3.0; do
  hold space "$seconds"
  item=$(((item + 1) % 3))
  wait_until 2 "the blank held $seconds s moved the highlight to item $item" \
    menu_focus_is "$start" "$item"
done

xdotool key 1
wait_until 2 "key 1 highlights \"I MULTIPLI\"" menu_focus_is "$start" 0
xdotool key Return
exercise=$(wait_window 5 '^48 DOMANDE')
wait_until 3 "the exercise window has the keyboard" focus_is "$exercise"
wait_until 2 "the focus starts on answer key 0 (\"10\")" key_focus_is "$exercise" 0

# Once: "10" is the answer and "verifica" has the focus; a second Enter would have judged it.
hold Return 3
wait_until 2 "Enter held on \"10\" chose it once: the focus is on \"verifica\"" \
  key_focus_is "$exercise" 7
none "$(count_in "$shot" 255,0,0 $verdict_box)" || e2e_fail "Enter held on \"10\" judged the answer"
# Once: judged, the focus on "avanti"; a second Enter would have put the next question.
hold Return 3
wait_until 2 "Enter held on \"verifica\" judged once: the focus is on \"avanti\"" \
  key_focus_is "$exercise" 8

# Enter held on "STAMPA ESERCIZIO" before ten answers: its message box stays, the repeats reaching
# it being repeats; a quick Enter once the key is let go closes it.
xdotool key alt Return
print=$(wait_window 5 '^FINESTRA DI STAMPA $')
wait_until 3 "the print window has the keyboard" focus_is "$print"
xdotool key 3 keydown Return
wait_window 3 '^Il sistema decimale$' >/dev/null
sleep 2
[ -n "$(window_named '^Il sistema decimale$')" ] || e2e_fail "held, Enter closed the message box"
xdotool keyup Return sleep 0.15 key Return
wait_no_window 3 '^Il sistema decimale$'

e2e_log "every hold acted once"
