#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end on Wayland: weston nested on the tests' Xvfb (its X11 back end), the program running
# natively inside it (no X display of its own), typed to through weston's window. Start window ->
# exercise -> print window -> printer window, which a click on the print window does not hide ->
# back to the print window -> the message box, closed by Enter -> the certificate: the keyboard is
# in the right window at each step; then, in mutter, the about window chosen again with the mouse.
# Skips (77) where weston or Qt's Wayland platform is missing.
#   wayland_test.sh PROGRAM
set -euo pipefail
program=$1
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
  { echo "SKIP: qt6-wayland is not installed"; exit 77; }

e2e_start_xvfb
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
weston --backend=x11-backend.so --width="$E2E_SCREEN_WIDTH" --height="$E2E_SCREEN_HEIGHT" \
  --socket=sd-wayland --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid ${mutter_pid:-} 2>/dev/null || true; e2e_cleanup' EXIT
wait_until 10 "weston listens" test -S "$XDG_RUNTIME_DIR/sd-wayland"
weston_window() { xwininfo -root -tree | awk '/Weston Compositor/ { print $1; exit }'; }
wait_until 5 "weston shows its window" test -n "$(weston_window)"
compositor=$(weston_window)
# The keys go to weston's window. Given the X focus later, weston may take the change for a loss
# of the keyboard and leave its windows without one.
xdotool windowfocus --sync "$compositor"

E2E_WAYLAND=sd-wayland e2e_start_program "$program"

# share R,G,B: the percentage of weston's screen in that colour (each window has its own ground).
share() {
  snap "$shot" "$compositor"
  convert "$shot" -alpha off -fill black +opaque "rgb($1)" -fill white -opaque "rgb($1)" \
    -format "%[fx:round(100*mean)]" info:
}
showing() { at_least "$(share "$1")" "$2"; }
hidden() { (($(share "$1") < $2)); }
# weston fades a new window in: a colour shows exactly once the window is fully there. The
# exercise window's "?", where the answer goes, is in a red of its own.
exercise_in_front() { snap "$shot" "$compositor" && (($(colour_count "$shot" 192,0,0) > 200)); }

wait_until 10 "the start window shows in its normal colour" showing 255,240,186 40
wait_until 6 "the curtain has opened" hidden 255,229,142 10
xdotool key 1 Return
wait_until 5 "Enter on the start window opens the exercise window, its \"?\" shown" exercise_in_front
exercise_ground=$(share 255,240,186)
xdotool key alt Return
wait_until 5 "\"Visualizza\", chosen by keyboard on the exercise window, opens the print window" \
  showing 128,255,255 30
print_ground=$(share 128,255,255)
# weston fades a closed window out and gives the keyboard to no window until the fade ends: what
# is typed meanwhile reaches no program. A pupil waits for the window to go; so does the test.
faded_out() { at_least "$(share 128,255,255)" "$print_ground"; }
xdotool key alt Return
wait_until 5 "\"Scegli la stampante\" by keyboard opens the printer window" showing 255,255,192 3
printer_share=$(share 255,255,192)
# A click on the print window, beside the printer window: it stays in front.
# weston's X11 back end moves its pointer by the X pointer's steps, from wherever it was: from
# the top right corner to the bottom left one pins it there, and the next step is exact.
xdotool mousemove --window "$compositor" $((E2E_SCREEN_WIDTH - 1)) 0 sleep 0.2 \
  mousemove --window "$compositor" 0 $((E2E_SCREEN_HEIGHT - 1)) sleep 0.2 \
  mousemove --window "$compositor" 40 $((E2E_SCREEN_HEIGHT / 2)) sleep 0.3 click 1
sleep 1
[ "$(share 255,255,192)" -ge "$printer_share" ] || e2e_fail "a click on the print window hid the printer window"
xdotool key Escape
wait_until 5 "Escape closes the printer window, which had the keyboard" hidden 255,255,192 1
wait_until 5 "the printer window has faded out" faded_out
# "STAMPA ESERCIZIO" with no answer given: the message box, closed by Enter. That Enter's release
# is let go while no window has the keyboard; the print window's first key acts all the same.
xdotool key 3 Return
wait_until 5 "\"3\" and Enter on the print window open the message box" e2e_none faded_out
xdotool key Return
wait_until 5 "Enter closes the message box, which faded out" faded_out
xdotool key 4 Return
wait_until 5 "the print window has the keyboard again: \"4\" and Enter open the certificate" \
  showing 255,192,255 20
e2e_log "on Wayland every window came to the front with the keyboard (exercise ground ${exercise_ground}%)"

# mutter brings a window to the front only with an activation token obtained for a press the
# program received: the about window, opened by "Autore", left for the start window and chosen
# again with the mouse, has the keyboard (Space presses its "Chiudi").
command -v mutter >/dev/null || { e2e_log "mutter is not installed: its part is skipped"; exit 0; }
kill "$E2E_PID" "$weston_pid"
wait "$E2E_PID" "$weston_pid" 2>/dev/null || true
E2E_PID=""
# Without Xwayland (--no-x11), on a session bus of its own. $$ is mutter's process.
# shellcheck disable=SC2016
MUTTER_DEBUG_DUMMY_MODE_SPECS=${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT} dbus-run-session -- sh -c \
  'echo $$ >"$0"; exec mutter --nested --wayland --no-x11 --wayland-display=sd-mutter' \
  "$E2E_TMP/mutter.pid" >"$E2E_TMP/mutter.log" 2>&1 &
wait_until 10 "mutter listens" test -S "$XDG_RUNTIME_DIR/sd-mutter"
mutter_pid=$(cat "$E2E_TMP/mutter.pid")
compositor=$(xwininfo -root -tree | awk '/"mutter"/ { print $1; exit }')
xdotool windowfocus --sync "$compositor"
E2E_WAYLAND=sd-mutter e2e_start_program "$program"
wait_until 10 "on mutter the start window shows" showing 255,240,186 40
# "Autore", the menu bar's first item, is just above the window's ground; a pupil's click.
snap "$shot" "$compositor"
menu_y=$(($(convert "$shot" -crop "1x$((E2E_SCREEN_HEIGHT / 4))+$((E2E_SCREEN_WIDTH / 2))+0" \
  +repage txt:- | awk -F'[,:]' '/#FFF0BA/ && !n++ { print $2 }') - 11))
click() { xdotool mousemove --window "$compositor" "$@" sleep 0.3 mousedown 1 sleep 0.15 mouseup 1; }
click 30 "$menu_y"
wait_until 5 "a click on \"Autore\" opens the about window" showing 192,255,255 5
click $((E2E_SCREEN_WIDTH * 95 / 100)) $((E2E_SCREEN_HEIGHT * 40 / 100)) && sleep 1
click 30 "$menu_y" && sleep 1
xdotool key space
wait_until 5 "the about window, chosen again with the mouse, has the keyboard" hidden 192,255,255 1
