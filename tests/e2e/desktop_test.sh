#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end on a desktop's window manager, the modal window's and the first key's steps: ten
# answers -> print window -> printer window, which keeps the keyboard when a taskbar switches to
# the start window and when a click gives it to the print window -> the name window -> the print
# window's first key acts -> Alt+Tab to the exercise window, whose first Enter, on "Visualizza",
# acts -> "ESCI" gives the exercise window the keyboard. DESKTOP: kwin (Plasma's kwin_wayland,
# the default), nested on a private Xvfb with the program on its Xwayland, typed and clicked to
# through kwin's window; or xfwm4 (with focus-stealing prevention) or openbox, on the Xvfb
# itself. Skips (77) where that desktop, Xwayland, or the right to make private namespaces is
# missing.
#   desktop_test.sh PROGRAM [DESKTOP]
set -euo pipefail
program=$(realpath "$1")
desktop=${2:-kwin}
case $desktop in
kwin) needs=(kwin_wayland Xwayland dbus-run-session) ;;
xfwm4) needs=(xfwm4 xfconf-query dbus-run-session) ;;
openbox) needs=(openbox) ;;
*) echo "usage: desktop_test.sh PROGRAM [kwin|xfwm4|openbox]" >&2; exit 2 ;;
esac
for command in "${needs[@]}"; do
  command -v "$command" >/dev/null || { echo "SKIP: $command is not installed"; exit 77; }
done

# kwin's Xwayland takes the first X display without a lock in /tmp: in mount and network
# namespaces of its own, with sockets of its own, it meets no other X server, this machine's
# neither.
if [[ $desktop = kwin && -z "${SD_DESKTOP_NAMESPACES:-}" ]]; then
  unshare --mount --net true 2>/dev/null || { echo "SKIP: no private namespaces here"; exit 77; }
  SD_DESKTOP_NAMESPACES=1 exec unshare --mount --net bash "$0" "$program" "$desktop"
fi
[ -z "${SD_DESKTOP_NAMESPACES:-}" ] || mount -t tmpfs -o mode=1777 sd-desktop /tmp/.X11-unix
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
outer=$DISPLAY
# Xvfb, started by its display's number, takes no lock: kwin would give Xwayland that number.
outer_lock=""
if [ -n "${SD_DESKTOP_NAMESPACES:-}" ] && [ ! -e "/tmp/.X${outer#:}-lock" ]; then
  outer_lock=/tmp/.X${outer#:}-lock
  printf '%10d\n' "$E2E_XVFB_PID" >"$outer_lock"
  trap 'rm -f $outer_lock; e2e_cleanup' EXIT
fi
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
desktop_command=()
case $desktop in
kwin)
  # The packaged kwin_wayland carries a file capability that a container's bounding set may
  # lack: a copy carries none. kwin loads its own platform plugin only under its own name.
  mkdir "$E2E_TMP/kwin"
  cp "$(command -v kwin_wayland)" "$E2E_TMP/kwin/kwin_wayland"
  desktop_command=("$E2E_TMP/kwin/kwin_wayland" --x11-display "$outer" --xwayland
    --socket sd-desktop --width "$E2E_SCREEN_WIDTH" --height "$E2E_SCREEN_HEIGHT")
  ;;
xfwm4)
  desktop_command=(sh -c 'xfconf-query -c xfwm4 -p /general/prevent_focus_stealing -n -t bool \
    -s true && exec xfwm4')
  export XDG_CONFIG_HOME=$E2E_TMP/config
  ;;
openbox) desktop_command=(openbox) ;;
esac
# shellcheck disable=SC2016 # $$ is the desktop's process, on a session bus of its own
dbus-run-session -- sh -c 'echo $$ >"$0"; exec "$@"' "$E2E_TMP/desktop.pid" \
  "${desktop_command[@]}" >"$E2E_TMP/desktop.log" 2>&1 &
wait_until 10 "$desktop starts" test -s "$E2E_TMP/desktop.pid"
desktop_pid=$(cat "$E2E_TMP/desktop.pid")
trap 'kill $desktop_pid 2>/dev/null || true; rm -f $outer_lock; e2e_cleanup' EXIT
if [ -n "${SD_DESKTOP_NAMESPACES:-}" ]; then
  xwayland_display() {
    find /tmp/.X11-unix -name 'X*' ! -name "X${outer#:}" -printf '%f\n' | head -n 1
  }
  xwayland_up() { [ -n "$(xwayland_display)" ]; }
  wait_until 40 "$desktop starts its Xwayland" xwayland_up
  export DISPLAY=:$(xwayland_display | tr -d X)
  wait_until 10 "$desktop's Xwayland answers" xdpyinfo
  compositor=$(DISPLAY=$outer xwininfo -root -tree |
    awk '/"KDE Wayland Compositor/ { print $1; exit }')
  [ -n "$compositor" ] || e2e_fail "$desktop shows no window on the outer display"
  DISPLAY=$outer command xdotool windowfocus --sync "$compositor"

  # Keys and the pointer go in through kwin's window, as a keyboard's and a mouse's
  # would; the windows are read off Xwayland, whose screen is kwin's.
  xdotool() {
    case $1 in
    key | keydown | keyup | type) DISPLAY=$outer command xdotool "$@" ;;
    mousemove)
      local X Y WIDTH HEIGHT
      window_geometry "$3"
      DISPLAY=$outer command xdotool mousemove --window "$compositor" $((X + $4)) $((Y + $5)) \
        "${@:6}"
      ;;
    *) command xdotool "$@" ;;
    esac
  }
else
  wait_until 10 "$desktop manages the screen" xprop -root _NET_SUPPORTING_WM_CHECK
fi

e2e_start_program "$program"
open_multiples_by_keyboard
ten_wrong_answers_then_print_window

# Alt+Tab to the exercise window: its first Enter, on "Visualizza", brings the print window back.
xdotool keydown alt key Tab keyup alt
wait_until 3 "Alt+Tab gives the exercise window the keyboard" focus_is "$exercise"
xdotool key Return
wait_until 3 "the first Enter on \"Visualizza\" brings the print window back" focus_is "$print"

# A click on the print window while the printer window is open: the printer window keeps the
# keyboard, and Escape closes it.
xdotool key alt Return
printer=$(wait_window 5 '^Form1$')
wait_until 5 "the printer window has the keyboard" focus_is "$printer"
xdotool windowactivate "$start" 2>/dev/null || true
sleep 1
wait_until 3 "after a switch to the start window the printer window has the keyboard" \
  focus_is "$printer"
click_at "$print" 0.05 0.5
sleep 1
[ -n "$(windows_named '^Form1$')" ] || e2e_fail "a click on the print window hid the printer window"
wait_until 3 "after a click on the print window the printer window has the keyboard" \
  focus_is "$printer"
xdotool key Escape
wait_no_window 3 '^Form1$'
wait_until 3 "the print window has the keyboard again" focus_is "$print"

# The name window, opened by the keyboard and closed: the print window's first key acts.
xdotool key 2 Return
name=$(wait_window 5 '^Form2$')
wait_until 3 "the name window has the keyboard" focus_is "$name"
xdotool key Return
sleep 0.2
xdotool type --delay 60 lice
on_name click_design "$name" $next_box
wait_no_window 3 '^Form2$'
wait_until 3 "the print window has the keyboard after the name window" focus_is "$print"
xdotool key 3
print_item_lit() { look "$print" && [ "$(on_print band_shares "$shot" 255,229,142 "${print_items[2]}")" -ge 95 ]; }
wait_until 2 "the first \"3\" on the print window highlights \"STAMPA ESERCIZIO\"" print_item_lit

# "ESCI" on the print window: the exercise window comes back with the keyboard.
on_print click_design "$print" ${print_items[0]}
wait_no_window 3 '^FINESTRA DI STAMPA $'
wait_until 3 "after \"ESCI\" the exercise window has the keyboard" focus_is "$exercise"
e2e_log "under $desktop every window had the keyboard when it came to the front"
