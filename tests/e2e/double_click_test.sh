#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, a child's double clicks on every item that opens or closes a window: "I MULTIPLI",
# "Visualizza", "SCRIVI IL NOME", "AVANTI", "ATTESTATO", "TORNA ALLA FINESTRA PRECEDENTE". The
# first press acts; the second lands on the window that came to the front and does nothing
# there (it would have opened the printer window, printed, reopened the certificate, or ended
# the program on "FINE SESSIONE"). Then the printer window, opened twice, is in front both times.
#   double_click_test.sh PROGRAM
set -euo pipefail
program=$1
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_program "$program"

double_click() { E2E_CLICKS=2 click_design "$@"; }

# settled WINDOW WHAT: a double click's second press has had time to land, the program still runs
# and WINDOW is the one in front, with the keyboard.
settled() {
  sleep 1
  kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended after the double click on $2"
  wait_until 3 "after the double click on $2 the window in front has the keyboard" focus_is "$1"
}

start=$(wait_window 10 "$start_title")
wait_until 6 "the curtain has opened" curtain_open "$start"
double_click "$start" ${start_items[0]}
exercise=$(wait_window 5 '^48 DOMANDE')
settled "$exercise" '"I MULTIPLI"'

# "Visualizza" on the menu bar; the print window's "Scegli la stampante" stands under the pointer.
xdotool mousemove --window "$exercise" 30 10 click --repeat 2 --delay 80 1
print=$(wait_window 5 '^FINESTRA DI STAMPA $')
settled "$print" '"Visualizza"'
[ -z "$(windows_named '^Form1$')" ] || e2e_fail "the second press opened the printer window"

on_print double_click "$print" ${print_items[1]}
name=$(wait_window 5 '^Form2$')
settled "$name" '"SCRIVI IL NOME"'

# "AVANTI" closes the name window over "STAMPA ESERCIZIO", which would say "Esegui almeno 10
# operazioni. " in a message box.
on_name double_click "$name" $next_box
wait_no_window 3 '^Form2$'
settled "$print" '"AVANTI"'
[ -z "$(windows_named '^Il sistema decimale$')" ] || e2e_fail "the second press chose \"STAMPA ESERCIZIO\""

# "ATTESTATO" opens the certificate window, whose "FINE SESSIONE" is under the pointer.
on_print double_click "$print" ${print_items[3]}
certificate=$(wait_window 5 '^Attestato$')
settled "$certificate" '"ATTESTATO"'

# "TORNA ALLA FINESTRA PRECEDENTE" closes it over "ATTESTATO", which would open it again.
on_certificate double_click "$certificate" 6816 7347 5004 630
wait_no_window 3 '^Attestato$'
settled "$print" '"TORNA ALLA FINESTRA PRECEDENTE"'
[ -z "$(windows_named '^Attestato$')" ] || e2e_fail "the second press opened the certificate again"

# The printer window comes to the front with the keyboard at every opening, the second included.
for opening in first second; do
  xdotool mousemove --window "$print" 60 10 click 1
  printer=$(wait_window 5 '^Form1$')
  wait_until 3 "the printer window has the keyboard at its $opening opening" focus_is "$printer"
  snap "$shot"
  window_geometry "$printer"
  at_least "$(convert "$shot" -crop "$((WIDTH / 2))x$((HEIGHT / 4))+$((X + WIDTH / 4))+$((Y + HEIGHT / 2))" \
    +repage -fill black +opaque "rgb(255,255,192)" -fill white -opaque "rgb(255,255,192)" \
    -format "%[fx:round(100*mean)]" info:)" 50 || e2e_fail "the printer window is behind at its $opening opening"
  on_printer click_design "$printer" $close_box
  wait_no_window 3 '^Form1$'
done

# Opened from the keyboard (Alt, Enter) and closed, it leaves the print window's menu the keyboard:
# "3" highlights "STAMPA ESERCIZIO".
xdotool key alt Return
printer=$(wait_window 5 '^Form1$')
wait_until 3 "the printer window opened from the keyboard has it" focus_is "$printer"
xdotool windowfocus "$print" # as kwin does on a click: the printer window takes the keyboard back
wait_until 3 "the printer window takes the keyboard back from the print window" focus_is "$printer"
xdotool key Escape
wait_no_window 3 '^Form1$'
wait_until 3 "the print window has the keyboard again" focus_is "$print"
xdotool key 3
print_item_lit() { look "$print" && [ "$(on_print band_shares "$shot" 255,229,142 "${print_items[2]}")" -ge 95 ]; }
wait_until 2 "\"3\" highlights \"STAMPA ESERCIZIO\" after the printer window" print_item_lit
e2e_log "every double click acted once; the printer window came to the front three times"
