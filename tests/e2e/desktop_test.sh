#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end under a window manager: the first key on a window acts (Alt+Tab, the name window);
# the printer window keeps the keyboard (a taskbar's switch, a click); "ESCI" hands it on. kwin and
# mutter are nested on the Xvfb in namespaces of their own, the program on their Xwayland, typed
# to through their window; xfwm4 prevents focus stealing. Skips (77) where one is missing.
#   desktop_test.sh PROGRAM kwin|mutter|xfwm4|openbox
set -euo pipefail
program=$(realpath "$1")
desktop=$2
declare -A needs=([kwin]="kwin_wayland Xwayland unshare" [mutter]="mutter Xwayland unshare"
  [xfwm4]=xfconf-query [openbox]=openbox)
for command in ${needs[$desktop]} dbus-run-session; do
  command -v "$command" >/dev/null || { echo "SKIP: $command is not installed"; exit 77; }
done
# A nested compositor's Xwayland takes the first X display without a lock file: with sockets of
# its own it meets no other X server.
[[ ${needs[$desktop]} = *unshare* ]] && nested=1 || nested=""
if [[ -n $nested && -z "${SD_NAMESPACES:-}" ]]; then
  unshare --mount --net true 2>/dev/null || { echo "SKIP: no private namespaces here"; exit 77; }
  SD_NAMESPACES=1 exec unshare --mount --net bash "$0" "$@"
fi
[ -z "${SD_NAMESPACES:-}" ] || mount -t tmpfs -o mode=1777 sd-desktop /tmp/.X11-unix
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
outer=$DISPLAY lock=""
export XDG_RUNTIME_DIR=$E2E_TMP/runtime XDG_CONFIG_HOME=$E2E_TMP/config
# Xvfb takes no lock: the nested Xwayland would take its display.
[[ -z $nested || -e "/tmp/.X${outer#:}-lock" ]] ||
  { lock=/tmp/.X${outer#:}-lock && echo "$E2E_XVFB_PID" >"$lock"; }
case $desktop in
kwin) # A copy of kwin_wayland drops the file capability a container may not grant; kwin loads
  # its own platform plugin only under its own name.
  mkdir "$E2E_TMP/kwin" && cp "$(command -v kwin_wayland)" "$E2E_TMP/kwin/"
  run=("$E2E_TMP/kwin/kwin_wayland" --x11-display "$outer" --xwayland --socket sd-desktop
    --width "$E2E_SCREEN_WIDTH" --height "$E2E_SCREEN_HEIGHT") ;;
xfwm4) run=(sh -c 'xfconf-query -c xfwm4 -p /general/prevent_focus_stealing -n -t bool -s true &&
  exec xfwm4') ;;
mutter) run=(env MUTTER_DEBUG_DUMMY_MODE_SPECS="${E2E_SCREEN_WIDTH}x$E2E_SCREEN_HEIGHT" mutter --nested
  --wayland --wayland-display=sd-desktop) ;;
openbox) run=(openbox) ;;
esac
# shellcheck disable=SC2016 # $$ is the desktop's process, on a session bus of its own
dbus-run-session -- sh -c 'echo $$ >"$0"; exec "$@"' "$E2E_TMP/desktop.pid" "${run[@]}" \
  >"$E2E_TMP/desktop.log" 2>&1 &
wait_until 10 "$desktop starts" test -s "$E2E_TMP/desktop.pid"
trap 'kill $(cat "$E2E_TMP/desktop.pid") 2>/dev/null; rm -f $lock; e2e_cleanup' EXIT
if [ -n "$nested" ]; then
  # mutter takes two displays: the first is the one its programs are given.
  xwayland() { ls /tmp/.X11-unix | grep -vx "X${outer#:}" | sort -V | sed -n '1s/X/:/p'; }
  xwayland_up() { xwayland | grep -q .; }
  wait_until 40 "$desktop starts its Xwayland" xwayland_up
  DISPLAY=$(xwayland)
  # mutter's Xwayland lets in only those with its cookie; kwin's and the Xvfb anyone.
  export XAUTHORITY=$(find "$XDG_RUNTIME_DIR" -name '.mutter-Xwaylandauth.*' -print -quit)
  compositor=$(DISPLAY=$outer xwininfo -root -tree |
    awk '/"KDE Wayland Compositor|"mutter"/ { print $1; exit }')
  DISPLAY=$outer command xdotool windowfocus --sync "$compositor"
  # Keys and the pointer go in through its window; keys at a pupil's pace, as both lose bursts.
  xdotool() {
    case $1 in
    key | type | keydown | keyup) DISPLAY=$outer command xdotool "$1" --delay 120 "${@:2}" ;;
    mousemove) local X Y WIDTH HEIGHT && window_geometry "$3"
      DISPLAY=$outer command xdotool mousemove --window "$compositor" $((X + $4)) $((Y + $5)) "${@:6}" ;;
    *) command xdotool "$@" ;;
    esac
  }
fi
wait_until 10 "$desktop manages the screen" xprop -root _NET_SUPPORTING_WM_CHECK

e2e_start_program "$program"
open_multiples_by_keyboard
ten_wrong_answers_then_print_window
# A pupil reads the print window first: an Enter a second after one kwin lost is no repeat.
sleep 1
xdotool keydown alt key Tab keyup alt
wait_until 3 "Alt+Tab gives the exercise window the keyboard" focus_is "$exercise"
xdotool key Return
wait_until 3 "the first Enter on \"Visualizza\" brings the print window back" focus_is "$print"

xdotool key alt Return
printer=$(wait_window 5 '^Form1$')
wait_until 5 "the printer window has the keyboard" focus_is "$printer"
for switch in "windowactivate $start" "mousemove --window $print 20 500 click 1"; do
  xdotool $switch && sleep 1 # a taskbar's switch to the start window; a click on the print window
  wait_until 3 "after \"$switch\" the printer window has the keyboard" focus_is "$printer"
done
xdotool key Escape
wait_no_window 3 '^Form1$'
wait_until 3 "the print window has the keyboard again" focus_is "$print"

xdotool key 2 Return
name=$(wait_window 5 '^Form2$')
wait_until 3 "the name window has the keyboard" focus_is "$name"
xdotool key Return # "A"
on_name click_design "$name" $next_box
wait_no_window 3 '^Form2$'
wait_until 3 "the print window has the keyboard after the name window" focus_is "$print"
xdotool key 3
print_item_lit() { look "$print" && [ "$(on_print band_shares "$shot" 255,229,142 "${print_items[2]}")" -ge 95 ]; }
wait_until 2 "the first \"3\" on the print window highlights \"STAMPA ESERCIZIO\"" print_item_lit

on_print click_design "$print" ${print_items[0]}
wait_no_window 3 '^FINESTRA DI STAMPA $'
wait_until 3 "after \"ESCI\" the exercise window has the keyboard" focus_is "$exercise"
