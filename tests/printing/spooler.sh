#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A private print service for the tests, never the machine's own: a cupsd of its own whose
# configuration, spool, queues and logs live in one temporary folder, reachable only through a
# Unix socket in that folder. Its queues write what they print into a PDF file (capture.ppd passes
# a PDF through unchanged). Needs root, like cupsd itself.
#
# Sourced, the spooler is removed when the shell exits:
#   . tests/printing/spooler.sh
#   spooler_start; spooler_add_queue NAME OUT.pdf; spooler_default NAME; lp -d NAME file.pdf
#   spooler_wait_idle; spooler_reject NAME; spooler_pause NAME; spooler_stop; spooler_start
# Called, for a program that drives it (its state goes into DIR, which clean removes whole):
#   spooler.sh start DIR [OWNER_PID]   starts it; it is removed once OWNER_PID has ended
#   spooler.sh queue DIR NAME OUT.pdf  adds a queue printing into OUT.pdf
#   spooler.sh slow-queue DIR NAME OUT.pdf SECONDS   the same, each job waiting SECONDS first
#   spooler.sh default DIR NAME        makes NAME the default queue
#   spooler.sh reject DIR NAME         makes NAME refuse new jobs
#   spooler.sh accept DIR NAME         makes NAME take jobs again
#   spooler.sh remove DIR NAME         removes the queue NAME
#   spooler.sh pause DIR NAME          makes NAME keep its jobs instead of printing them
#   spooler.sh freeze DIR              stops cupsd dead (SIGSTOP): it takes connections, answers none
#   spooler.sh thaw DIR                lets a frozen cupsd go on
#   spooler.sh stop DIR                stops cupsd, keeping its queues for another start
#   spooler.sh clean DIR               stops it and removes DIR
#
# Facts of the setting that shape these helpers:
# - cupsd writes into a file: device only with FileDevice Yes, and then opens the file itself as
#   root (mode 0600); the filters run as the user lp, so every folder above the spool must let lp
#   pass (mktemp makes it 0700).
# - lp returns once the job is queued, not printed: wait for the queue to empty before reading
#   the file. A PDF of a page or two is through in well under a second.
# - lpadmin -P calls printer drivers deprecated on stderr, but CUPS 2.4 still uses them.
# - The private socket is the only way in: no Port/Listen on the network, no browsing, no sharing;
#   clients find it through CUPS_SERVER, which takes a socket path as well as a host name.
# - CUPS's tools speak the user's language ("lo scheduler è in funzione"): whatever of their
#   words is read here is asked for under LC_ALL=C.

SPOOLER_HOME=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SPOOLER_DIR=${SPOOLER_DIR:-}

spooler_log() { echo "spooler: $*" >&2; }

spooler_fail() {
  spooler_log "$*"
  if [ -n "$SPOOLER_DIR" ] && [ -s "$SPOOLER_DIR/log/error_log" ]; then
    echo "--- cupsd error_log (last 30 lines)" >&2
    tail -n 30 "$SPOOLER_DIR/log/error_log" >&2
  fi
  return 1
}

spooler_pid() { cat "$SPOOLER_DIR/cupsd.pid" 2>/dev/null; }

# spooler_alive PID: the process runs. Not kill -0, which a zombie passes: once the command that
# started cupsd has ended, whoever inherits it may be slow to collect it.
spooler_alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) && [ -n "$state" ] && [ "${state:0:1}" != Z ]
}

spooler_running() {
  local pid
  pid=$(spooler_pid) && [ -n "$pid" ] && spooler_alive "$pid"
}

# The configuration, written once per folder so that a restart keeps the queues.
spooler_configure() {
  local d=$SPOOLER_DIR
  mkdir -p "$d/root/ppd" "$d/spool/tmp" "$d/cache" "$d/state" "$d/log"
  chmod 711 "$d"
  [ -f "$d/cupsd.conf" ] && return 0
  cat >"$d/cups-files.conf" <<EOF
ServerRoot $d/root
RequestRoot $d/spool
TempDir $d/spool/tmp
CacheDir $d/cache
StateDir $d/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
ErrorLog $d/log/error_log
AccessLog $d/log/access_log
PageLog $d/log/page_log
Printcap $d/printcap
FileDevice Yes
User lp
Group lp
SystemGroup root
EOF
  # Anybody who reaches the private socket may do anything: there is nobody else.
  cat >"$d/cupsd.conf" <<EOF
Listen $d/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel info
MaxLogSize 0
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
}

# spooler_start [OWNER_PID]: starts cupsd and waits until it answers. With OWNER_PID, a watcher
# removes the whole spooler once that process has ended, even when it crashed.
spooler_start() {
  if ! command -v cupsd >/dev/null; then
    spooler_fail "cupsd is not installed (scripts/install-deps.sh installs it)"
    return
  fi
  [ "$(id -u)" -eq 0 ] || { spooler_fail "cupsd needs root"; return; }
  if [ -z "$SPOOLER_DIR" ]; then
    SPOOLER_DIR=$(mktemp -d "${TMPDIR:-/tmp}/sd-cups.XXXXXX")
    trap spooler_clean EXIT
  fi
  spooler_configure
  if ! runuser -u lp -- test -x "$SPOOLER_DIR/spool"; then
    spooler_fail "the user lp cannot reach $SPOOLER_DIR/spool: every folder above it needs o+x"
    return
  fi
  export CUPS_SERVER=$SPOOLER_DIR/cups.sock
  spooler_running && return 0
  cupsd -f -c "$SPOOLER_DIR/cupsd.conf" -s "$SPOOLER_DIR/cups-files.conf" \
    </dev/null >>"$SPOOLER_DIR/log/cupsd.out" 2>&1 &
  echo $! >"$SPOOLER_DIR/cupsd.pid"
  if [ -n "${1:-}" ] && [ ! -f "$SPOOLER_DIR/watcher" ]; then
    touch "$SPOOLER_DIR/watcher"
    (while spooler_alive "$1" && [ -d "$SPOOLER_DIR" ]; do sleep 1; done
      [ -d "$SPOOLER_DIR" ] && spooler_clean) </dev/null >/dev/null 2>&1 &
  fi
  local i
  for ((i = 0; i < 200; i++)); do
    spooler_running || { spooler_fail "cupsd ended at start"; return; }
    LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running" && return 0
    sleep 0.05
  done
  spooler_fail "cupsd does not answer on $CUPS_SERVER after 10 s"
}

# spooler_stop: ends cupsd and waits until it is gone; its folder and queues stay.
spooler_stop() {
  local pid i
  pid=$(spooler_pid) || return 0
  kill "$pid" 2>/dev/null
  kill -CONT "$pid" 2>/dev/null # a frozen one ends too
  for ((i = 0; i < 200; i++)); do
    spooler_alive "$pid" || break
    sleep 0.05
  done
  kill -9 "$pid" 2>/dev/null
  rm -f "$SPOOLER_DIR/cupsd.pid"
}

spooler_freeze() { kill -STOP "$(spooler_pid)"; }

spooler_thaw() { kill -CONT "$(spooler_pid)"; }

spooler_clean() {
  [ -n "$SPOOLER_DIR" ] || return 0
  spooler_stop
  rm -rf "$SPOOLER_DIR"
}

# spooler_add_queue NAME OUT.pdf [PPD]: a queue, enabled and accepting, that prints into OUT.pdf.
spooler_add_queue() {
  lpadmin -p "$1" -E -v "file://$(realpath -m "$2")" -P "${3:-$SPOOLER_HOME/capture.ppd}" 2>&1 |
    grep -v 'deprecated' >&2
  lpstat -p "$1" >/dev/null 2>&1 || spooler_fail "the queue $1 was not created"
}

# spooler_add_slow_queue NAME OUT.pdf SECONDS: each job first waits SECONDS in a filter (which
# cupsd runs by its full path only as root's and written by nobody else) or until stopped.
spooler_add_slow_queue() {
  local filter=$SPOOLER_DIR/wait-then-print ppd=$SPOOLER_DIR/$1-slow.ppd
  cat >"$filter" <<'FILTER'
#!/bin/bash
trap 'kill $!; exit 1' TERM
sleep "$(sed -n 's/^\*SdWaitSeconds: "\(.*\)"/\1/p' "$PPD")" & wait
exec /usr/lib/cups/filter/gziptoany "$@"
FILTER
  chmod 755 "$filter"
  sed -e "s|^\*cupsFilter: .*|*cupsFilter: \"application/pdf 0 $filter\"|" \
    -e "\$a *SdWaitSeconds: \"$3\"" "$SPOOLER_HOME/capture.ppd" >"$ppd"
  spooler_add_queue "$1" "$2" "$ppd"
}

spooler_default() { lpadmin -d "$1"; }

spooler_reject() { cupsreject "$1"; }

spooler_accept() { cupsaccept "$1"; }

spooler_remove_queue() { lpadmin -x "$1"; }

spooler_pause() { cupsdisable "$1"; }

# spooler_wait_idle [SECONDS]: waits until no job is left unfinished on any queue.
spooler_wait_idle() {
  local i
  for ((i = 0; i < ${1:-10} * 20; i++)); do
    [ -z "$(lpstat -o 2>/dev/null)" ] && return 0
    sleep 0.05
  done
  spooler_fail "jobs still unfinished after ${1:-10} s: $(lpstat -o)"
}

# Called as a command rather than sourced.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -uo pipefail
  command=${1:?command}
  SPOOLER_DIR=$(realpath -m "${2:?folder}")
  export CUPS_SERVER=$SPOOLER_DIR/cups.sock
  case $command in
  start) mkdir -p "$SPOOLER_DIR" && spooler_start "${3:-}" ;;
  queue) spooler_add_queue "$3" "$4" ;;
  slow-queue) spooler_add_slow_queue "$3" "$4" "$5" ;;
  default) spooler_default "$3" ;;
  reject) spooler_reject "$3" ;;
  accept) spooler_accept "$3" ;;
  remove) spooler_remove_queue "$3" ;;
  pause) spooler_pause "$3" ;;
  freeze) spooler_freeze ;;
  thaw) spooler_thaw ;;
  stop) spooler_stop ;;
  clean) spooler_clean ;;
  *) spooler_fail "unknown command $command" ;;
  esac
fi
