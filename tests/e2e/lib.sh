# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash
# Shared by the end-to-end tests and the scripts that drive the program (sourced, not run): a
# private Xvfb, the program under it, polling with deadlines, screenshots and pixel counts.
# shellcheck disable=SC2034 # its variables are read by the scripts that source it
#
# Facts of the setting that shape these helpers: Xvfb has no window manager, so nothing maximises,
# decorates or activates windows but the program itself; xdotool getactivewindow needs a window
# manager, getwindowfocus does not; xdotool's synthetic keys go through XTEST to whichever window
# has the X input focus, exactly like a keyboard.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_SCREEN_WIDTH=1280
E2E_SCREEN_HEIGHT=1024
E2E_PID=""
E2E_XVFB_PID=""
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/sd-e2e.XXXXXX")
mkdir -m 700 "$E2E_TMP/runtime" # the programs' XDG_RUNTIME_DIR

e2e_log() { echo "[$(date +%T.%3N)] $*" >&2; }

e2e_cleanup() {
  local pid
  for pid in $E2E_PID $E2E_XVFB_PID; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# Ends the run as failed, with what the program printed, which is where a crash or a sanitizer
# report shows up.
e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -s "$E2E_TMP/program.log" ]; then
    echo "--- program output (last 60 lines)" >&2
    tail -n 60 "$E2E_TMP/program.log" >&2
  fi
  exit 1
}

# Microseconds on the monotonic-enough wall clock, without starting a process. Its decimal
# separator is the locale's: a comma under an Italian one.
e2e_now_us() { echo "${EPOCHREALTIME/[.,]/}"; }

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every 50 ms until it succeeds. Fails the run
# with WHAT when SECONDS (may be fractional) pass first, or at once when the program has died.
wait_until() {
  local what=$2 deadline
  deadline=$(($(e2e_now_us) + $(awk -v s="$1" 'BEGIN { printf "%d", s * 1000000 }')))
  shift 2
  until "$@" >/dev/null 2>&1; do
    if [ -n "$E2E_PID" ] && ! kill -0 "$E2E_PID" 2>/dev/null; then
      e2e_fail "the program ended while waiting until $what"
    fi
    (($(e2e_now_us) < deadline)) || e2e_fail "waited in vain until $what"
    sleep 0.05
  done
}

# Starts Xvfb on a display number it picks itself (-displayfd), so runs in parallel never meet.
# A black root (-br) makes "nothing painted yet" easy to tell; -noreset keeps the server from
# resetting, and refusing connections meanwhile, whenever its last client leaves. Held keys
# repeat as on any desktop (the server's own delay and rate): a key held down must act once.
# Starts a private Xvfb, or skips the test (status 77) where Xvfb is not installed at all.
e2e_start_xvfb() {
  command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" -br -noreset \
    -nolisten tcp \
    3>"$E2E_TMP/display" >/dev/null 2>"$E2E_TMP/xvfb.log" &
  E2E_XVFB_PID=$!
  wait_until 10 "Xvfb reports its display" test -s "$E2E_TMP/display"
  DISPLAY=:$(head -n 1 "$E2E_TMP/display")
  export DISPLAY
  wait_until 5 "the display $DISPLAY answers" xdpyinfo
}

# e2e_session_bus SCRIPT [ARG...]: unless on it already, runs SCRIPT again on a private D-Bus
# session bus in place of this shell; skips (77) without what a screen reader needs.
e2e_session_bus() {
  [ -z "${SD_SESSION_BUS:-}" ] || return 0
  command -v dbus-run-session >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] &&
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: dbus, at-spi2-core or python3-pyatspi is missing"; exit 77; }
  rm -rf "$E2E_TMP" # an exec runs no trap
  SD_SESSION_BUS=1 exec dbus-run-session -- bash "$@"
}

# e2e_program_or_build [PROGRAM]: for the scripts under scripts/, run from the project's root:
# prints the path of PROGRAM, or, given none, installs what is missing, builds the release
# configuration and prints its program's.
e2e_program_or_build() {
  if [ $# -ge 1 ]; then
    realpath "$1"
  else
    bash scripts/install-deps.sh >&2
    echo "$PWD/$(bash scripts/build.sh release)/src/app/sistema-decimale"
  fi
}

# e2e_exec COMMAND...: becomes COMMAND (call it in a subshell) run as the program is: through xcb
# on the private X display, or natively on the Wayland display E2E_WAYLAND names, when set.
e2e_exec() {
  local platform=(-u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
  [ -z "${E2E_WAYLAND:-}" ] || platform=(-u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$E2E_WAYLAND")
  # In a sanitizer build, what the X keyboard library does under AddressSanitizer is its own.
  exec env "${platform[@]}" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}suppressions=$E2E_DIR/asan.supp" "$@"
}

# e2e_start_program PROGRAM: starts it (e2e_exec), its output kept for e2e_fail.
e2e_start_program() {
  e2e_exec "$1" >"$E2E_TMP/program.log" 2>&1 &
  E2E_PID=$!
}

# e2e_wait_exit SECONDS: waits for the program to end and sets E2E_STATUS to its exit status.
# Not for a command substitution: only this shell can collect the status of its own child.
e2e_wait_exit() {
  local deadline=$(($(e2e_now_us) + $1 * 1000000))
  while kill -0 "$E2E_PID" 2>/dev/null; do
    (($(e2e_now_us) < deadline)) || e2e_fail "the program is still running after $1 s"
    sleep 0.05
  done
  E2E_STATUS=0
  wait "$E2E_PID" || E2E_STATUS=$?
  E2E_PID=""
}

# The program's visible top-level windows whose title matches the extended regular expression.
windows_named() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name "$1" 2>/dev/null
}

# window_named REGEX: prints the one visible window whose title matches; fails unless it is one.
window_named() {
  local ids
  ids=$(windows_named "$1") || true
  [ "$(printf '%s' "$ids" | grep -c .)" -eq 1 ] || return 1
  echo "$ids"
}

# wait_window SECONDS REGEX: waits for exactly one visible window titled REGEX; prints its id.
wait_window() {
  wait_until "$1" "one window titled /$2/ is shown" window_named "$2"
  window_named "$2"
}

# wait_no_window SECONDS REGEX: waits until no visible window is titled REGEX.
wait_no_window() {
  wait_until "$1" "no window titled /$2/ is shown" e2e_none windows_named "$2"
}
e2e_none() { ! "$@"; }

# window_geometry ID: sets X, Y, WIDTH and HEIGHT to the window's place on the screen.
window_geometry() {
  local WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# focus_window ID: gives the window the X input focus and waits until it has it. The program asks
# for it itself when it shows a window; this makes the keys of a test land where it means them.
focus_window() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  wait_until 3 "window $1 has the keyboard focus" focus_is "$1"
}
focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# click_at ID FX FY: a left click at the point of the window given as fractions of its size.
click_at() {
  local X Y WIDTH HEIGHT
  window_geometry "$1"
  xdotool mousemove --window "$1" "$(awk -v w="$WIDTH" -v f="$2" 'BEGIN { printf "%d", w * f }')" \
    "$(awk -v h="$HEIGHT" -v f="$3" 'BEGIN { printf "%d", h * f }')" click 1
}

# snap FILE [ID]: a PNG of the whole screen, or of one window.
snap() { import -window "${2:-root}" "$1"; }

# colour_count FILE R,G,B: how many pixels of the picture have exactly that colour.
colour_count() {
  convert "$1" -alpha off -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
    -precision 12 -format "%[fx:round(mean*w*h)]\n" info:
}

# colour_box FILE R,G,B: the bounding box of the pixels of that colour, as "WIDTHxHEIGHT+X+Y".
colour_box() {
  convert "$1" -alpha off -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
    -format "%@\n" info:
}

# distinct_colours FILE: how many different colours the picture has.
distinct_colours() { convert "$1" -alpha off -format "%k\n" info:; }

# Places of controls are given as the program's design gives them: in twips (1/1440 inch) on a
# design client area of 11880 x 8130 (the start and exercise windows'). The proportional layout
# keeps each control at the same fraction of the real client area, which lies under the menu bar.
E2E_DESIGN_WIDTH=11880
E2E_DESIGN_HEIGHT=8130
E2E_MENU_BAR=20 # pixels, near enough: every sample below is taken well inside its control
# on_print, on_name, on_certificate, on_printer COMMAND...: runs COMMAND on that window's design
# client area; the print window's alone lies under a menu bar.
on_print() { E2E_DESIGN_WIDTH=11910 E2E_DESIGN_HEIGHT=8340 "$@"; }
on_name() { E2E_DESIGN_WIDTH=10140 E2E_DESIGN_HEIGHT=9015 E2E_MENU_BAR=0 "$@"; }
on_certificate() { E2E_DESIGN_WIDTH=11940 E2E_DESIGN_HEIGHT=8820 E2E_MENU_BAR=0 "$@"; }
on_printer() { E2E_DESIGN_WIDTH=6060 E2E_DESIGN_HEIGHT=5460 E2E_MENU_BAR=0 "$@"; }

# crop_geometry PICTURE LEFT TOP WIDTH HEIGHT: the ImageMagick geometry of that design box.
crop_geometry() {
  identify -format '%w %h\n' "$1" | awk -v l="$2" -v t="$3" -v w="$4" -v h="$5" \
    -v dw="$E2E_DESIGN_WIDTH" -v dh="$E2E_DESIGN_HEIGHT" -v mb="$E2E_MENU_BAR" '{
      sx = $1 / dw; sy = ($2 - mb) / dh
      printf "%dx%d+%d+%d\n", w * sx, h * sy, l * sx, mb + t * sy }'
}

# count_in PICTURE R,G,B LEFT TOP WIDTH HEIGHT: pixels of exactly that colour inside the box.
count_in() {
  convert "$1" -crop "$(crop_geometry "$1" "$3" "$4" "$5" "$6")" +repage -alpha off \
    -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
    -precision 12 -format "%[fx:round(mean*w*h)]\n" info:
}

# dark_in PICTURE LEFT TOP WIDTH HEIGHT: near-black pixels inside the box, those whose every
# channel is under 30 %: strokes, not text in colour (the darkest of it, RGB(192,0,0) or
# RGB(0,0,128), has one channel far above that).
dark_in() {
  convert "$1" -crop "$(crop_geometry "$1" "$2" "$3" "$4" "$5")" +repage -alpha off \
    -separate -evaluate-sequence max -threshold 30% -negate -precision 12 -format "%[fx:round(mean*w*h)]\n" info:
}

# band_shares PICTURE R,G,B BOX...: for each push button (box "LEFT TOP WIDTH HEIGHT"), the share
# of exactly that colour in the band from 70 % to 85 % of its height and 10 % to 90 % of its width,
# below the caption. Prints one share (0 to 100) a line, in the order of the boxes.
band_shares() {
  local picture=$1 colour=$2 box crops=()
  shift 2
  for box in "$@"; do
    set -- $box
    crops+=(\( mpr:p -crop "$(crop_geometry "$picture" \
      "$(($1 + $3 / 10))" "$(($2 + $4 * 7 / 10))" "$(($3 * 8 / 10))" "$(($4 * 15 / 100))")" \
      +repage \))
  done
  convert "$picture" -alpha off -write mpr:p +delete "${crops[@]}" \
    -fill black +opaque "rgb($colour)" -fill white -opaque "rgb($colour)" \
    -format "%[fx:round(100*mean)]\n" info:
}

# highlighted PICTURE BOX...: which of the push buttons wears the highlight colour
# RGB(255,229,142) on its face while every other one wears the normal RGB(255,240,186), both
# exactly. Prints its index from 0, or -1 when the faces are not so.
highlighted() {
  local picture=$1
  shift
  paste <(band_shares "$picture" 255,229,142 "$@") <(band_shares "$picture" 255,240,186 "$@") |
    awk '{ lit[NR - 1] = $1; plain[NR - 1] = $2 }
      END {
        found = -1
        for (i = 0; i < NR; i++) {
          if (lit[i] >= 95) { if (found >= 0) { print -1; exit } found = i }
          else if (plain[i] < 95) { print -1; exit }
        }
        print found }'
}

# click_design ID LEFT TOP WIDTH HEIGHT: a left click in the middle of that design box of a window
# with a menu bar; E2E_CLICKS=2 makes it a double click, as quick as a child's.
click_design() {
  local X Y WIDTH HEIGHT
  window_geometry "$1"
  local x y
  read -r x y < <(awk -v l="$2" -v t="$3" -v w="$4" -v h="$5" -v W="$WIDTH" -v H="$HEIGHT" \
    -v dw="$E2E_DESIGN_WIDTH" -v dh="$E2E_DESIGN_HEIGHT" -v mb="$E2E_MENU_BAR" \
    'BEGIN { printf "%d %d\n", (l + w / 2) * W / dw, mb + (t + h / 2) * (H - mb) / dh }')
  xdotool mousemove --window "$1" "$x" "$y" click --repeat "${E2E_CLICKS:-1}" --delay 80 1
}

# --- Places of the program's controls, as design boxes "LEFT TOP WIDTH HEIGHT"

# Menu items of the start window, and the keys of the keypad (index 0 to 9).
start_items=("5115 3330 5370 795" "5115 4185 5370 795" "5100 5430 5370 795")
keys=("6150 5970 1770 600" "7980 5970 1770 600" "9810 5970 1770 600"
  "6150 6630 1320 600" "7530 6630 1320 600" "8910 6630 1320 600" "10290 6630 1290 600"
  "6150 7290 1770 600" "7980 7290 1770 600" "9810 7290 1770 600")
# The warning frame's options "Visualizza", "Ricomincia", "Esci", in the keypad's place.
warning_items=("6150 5970 2400 600" "6150 6630 2400 600" "6150 7290 2400 600")
# Exercise window: the answer with its cross, the correction, the verdict, the counter columns.
answer_box="360 4320 2700 1440"
correction_box="3070 4320 3300 1440"
verdict_box="6500 4320 5170 1440"
asked_box="270 6840 1080 780"
right_box="1390 6840 1080 780"
wrong_box="2510 6840 1080 780"
# Print window (on_print): "ESCI", "SCRIVI IL NOME", "STAMPA ESERCIZIO", "ATTESTATO". Name window
# (on_name): "AVANTI". Printer window (on_printer): "C h i u d i".
print_items=("180 7200 2800 720" "3030 7200 2800 720" "5865 7200 2800 720" "8760 7200 2800 720")
next_box="4980 7620 4515 804"
close_box="1128 4188 3168 648"

# The start window's title has no text of its own: on X the toolkit stands the program's name in
# for an empty title.
start_title='^(sistema-decimale)?$'
multiples_title="48 DOMANDE PER CONOSCERE I MULTIPLI: il migliaio, il centinaio, la decina, l'unità"
submultiples_title="96 DOMANDE PER CONOSCERE I SOTTOMULTIPLI: l'unità, il decimo, il centesimo, il millesimo"

# --- Looking at windows. Every check takes a fresh picture into $shot, where later counts of the
# same state can read it.
shot=$E2E_TMP/shot.png
look() { snap "$shot" "$1"; }
# menu_focus_is START INDEX, key_focus_is EXERCISE INDEX: the highlighted item or key.
menu_focus_is() { look "$1" && [ "$(highlighted "$shot" "${start_items[@]}")" = "$2" ]; }
key_focus_is() { look "$1" && [ "$(highlighted "$shot" "${keys[@]}")" = "$2" ]; }
warning_focus_is() { look "$1" && [ "$(highlighted "$shot" "${warning_items[@]}")" = "$2" ]; }
at_least() { [ "$1" -ge "$2" ]; }
none() { [ "$1" -eq 0 ]; }

# curtain_open START: the curtain's panels (highlight colour) are gone but for strips under
# 50 twips at the edges: along each edge, in a band a tenth of the screen wide, under 5 % of the
# pixels wear it (the highlighted menu item lies between the bands). The normal colour fills the
# window.
curtain_open() {
  local pixels=$((E2E_SCREEN_WIDTH * E2E_SCREEN_HEIGHT)) band=$((E2E_SCREEN_WIDTH / 10))
  look "$1"
  convert "$shot" -crop "${band}x$E2E_SCREEN_HEIGHT+0+0" +repage "$E2E_TMP/left.png"
  convert "$shot" -gravity east -crop "${band}x$E2E_SCREEN_HEIGHT+0+0" +repage "$E2E_TMP/right.png"
  (($(colour_count "$E2E_TMP/left.png" 255,229,142) < band * E2E_SCREEN_HEIGHT / 20)) &&
    (($(colour_count "$E2E_TMP/right.png" 255,229,142) < band * E2E_SCREEN_HEIGHT / 20)) &&
    (($(colour_count "$shot" 255,240,186) > pixels / 2))
}

# --- A pupil who knows every answer: the question number shown under the title (Label2, design
# box 210, 1260, 1200 x 300), read by OCR, and the bank's answer for it.
declare -A e2e_answer
declare -A e2e_key_of=([10]=0 [100]=1 [1.000]=2 [uk]=3 [h]=4 [da]=5 [u]=6 [d]=4 [c]=5 [m]=6)

# load_answers PROGRAM [KIND]: the answers of a bank, from PROGRAM (tests/e2e/bank_answers.cpp).
# The keys of the submultiples are "u", "d", "c", "m" in the multiples' places of "uk" to "u".
load_answers() {
  local number expected
  command -v tesseract >/dev/null || e2e_fail "tesseract is missing (scripts/install-deps.sh installs it)"
  while read -r number expected; do e2e_answer[$number]=$expected; done < <("$1" "${2:-1}")
  if [ "${2:-1}" = 2 ]; then e2e_key_of[u]=3; else e2e_key_of[u]=6; fi
}

# question_number EXERCISE: the number of the question shown, or nothing. Several readings of the
# picture are tried until one is a number of the bank.
question_number() {
  local scale threshold reading
  look "$1"
  convert "$shot" -crop "$(crop_geometry "$shot" 210 1260 1200 300)" +repage "$E2E_TMP/number.png"
  for scale in 300 400 200; do
    for threshold in "" "-threshold 60%"; do
      # shellcheck disable=SC2086 # the threshold is one option or none
      reading=$(convert "$E2E_TMP/number.png" -resize "$scale%" -colorspace gray $threshold png:- |
        tesseract - - --psm 7 -c tessedit_char_whitelist=0123456789 2>/dev/null | tr -dc 0-9)
      [ -n "$reading" ] && [ -n "${e2e_answer[$reading]:-}" ] && { echo "$reading"; return; }
    done
  done
}

# answer_right EXERCISE: with the focus on key "10", chooses the right key with blanks and Enter
# and judges it with Enter. Sets number; fails when the number cannot be read.
answer_right() {
  local step target
  number=$(question_number "$1")
  [ -n "$number" ] || return 1
  target=${e2e_key_of[${e2e_answer[$number]}]}
  for ((step = 0; step < target; step++)); do xdotool key space; done
  xdotool key Return Return
}

# --- A private print service (tests/printing/spooler.sh), never the machine's own.
# e2e_start_spooler QUEUE...: starts it with these queues, the first the default one, each printing
# into $E2E_SPOOL/out/QUEUE.pdf; programs started afterwards print there. It goes with the test.
e2e_spooler() { bash "$E2E_DIR/../printing/spooler.sh" "$1" "$E2E_SPOOL" "${@:2}"; }
e2e_start_spooler() {
  local queue
  # Its folder must let the spooler's filters, run as the user lp, through.
  E2E_SPOOL=$(mktemp -d "${TMPDIR:-/tmp}/sd-e2e-cups.XXXXXX")
  chmod 711 "$E2E_SPOOL"
  trap 'e2e_spooler clean; e2e_cleanup' EXIT
  e2e_spooler start $$ || e2e_fail "the private print service did not start"
  export CUPS_SERVER=$E2E_SPOOL/cups.sock
  mkdir -p "$E2E_SPOOL/out"
  for queue in "$@"; do e2e_spooler queue "$queue" "$E2E_SPOOL/out/$queue.pdf"; done
  e2e_spooler default "$1"
}

# open_multiples_by_keyboard: once the curtain has opened, Enter on "I MULTIPLI"; sets start and
# exercise to the two windows.
open_multiples_by_keyboard() {
  start=$(wait_window 10 "$start_title")
  wait_until 6 "the curtain has opened" curtain_open "$start"
  wait_until 3 "the start window has the keyboard" focus_is "$start"
  xdotool key Return
  exercise=$(wait_window 5 '^48 DOMANDE')
}

# ten_wrong_answers_then_print_window: on the exercise window, ten answers "1.000" by keyboard,
# each judged, then "Visualizza"; sets print to the print window, which has the keyboard.
ten_wrong_answers_then_print_window() {
  local question
  for question in 1 2 3 4 5 6 7 8 9 10; do
    wait_until 3 "question $question is shown, focus on \"10\"" key_focus_is "$exercise" 0
    xdotool key space space Return Return
    ((question == 10)) || {
      wait_until 3 "answer $question is judged" key_focus_is "$exercise" 8
      xdotool key Return
    }
  done
  wait_until 3 "after the tenth answer the focus is on \"Visualizza\"" warning_focus_is "$exercise" 0
  xdotool key Return
  print=$(wait_window 5 '^FINESTRA DI STAMPA $')
  wait_until 3 "the print window has the keyboard" focus_is "$print"
}
