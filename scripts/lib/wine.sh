# shellcheck shell=bash
# Wine environment for running the Windows build: source it (after common.sh,
# or it sources that itself). Provides:
#   qv_wine_session_start  display (Xvfb when DISPLAY is unset or QV_XVFB=1),
#                          prefix (created once), persistent wineserver;
#                          registers qv_wine_session_stop to run on exit
#   qv_wine_session_stop   wineserver -k, then stops the Xvfb it started
#   qv_wine_run SECONDS EXE [ARGS...]   runs a Windows program with a timeout
#   qv_wine_restart_server kills every Windows process of the prefix, starts afresh
#   qv_winepath_w PATH     the Windows form of a Linux path
if [ -z "${QV_REPO:-}" ]; then
  source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
fi

# The project's own prefix, never the user's: the tests wipe the data folder.
export WINEPREFIX="${QV_WINEPREFIX:-$QV_BUILD_ROOT/wineprefix}"
export WINEARCH=win64              # 32-bit programs run through wine32 (WoW64)
export WINEDEBUG="${WINEDEBUG:--all,err+module}"   # missing DLLs still show
export HOME="${HOME:-/root}"
QV_XVFB_PID=${QV_XVFB_PID:-}
QV_WINESERVER_STARTED=0
# 1: top-level windows are not managed by the X window manager. Needed for
# speed under bare Xvfb (tests); a desktop session wants 0.
QV_WINE_UNMANAGED=${QV_WINE_UNMANAGED:-1}

# Creates the prefix once (about 20 s). A stamp marks a completed prefix, so a
# run interrupted half-way is redone. A lock keeps two runs from racing.
qv_wine_prefix() {
  local stamp="$WINEPREFIX/.qv-ready"
  [ -f "$stamp" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    set -e
    exec 8>"$WINEPREFIX.lock"
    flock 8
    [ -f "$stamp" ] && exit 0
    qv_log "Creating Wine prefix $WINEPREFIX (once)"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    # No Mono or Gecko installer dialogs: neither is needed, and nothing can be downloaded.
    WINEDLLOVERRIDES="mscoree=d;mshtml=d" wineboot --init
    wineserver -w
    if [ "$QV_WINE_UNMANAGED" = 1 ]; then
      # Without a window manager, hiding a managed window takes about 2 s; unmanaged: milliseconds.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
      wineserver -w   # writes the registry files
      grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" || qv_die "could not set X11 Driver\\Managed in $WINEPREFIX"
    fi
    touch "$stamp"
  )
}

# Makes sure there is a display: the current one, or a private Xvfb.
qv_wine_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${QV_XVFB:-0}" != 1 ]; then
    return 0
  fi
  qv_start_xvfb "${QV_DISPLAY_BASE:-90}" || return 1
  qv_log "Started Xvfb on $DISPLAY (1280x800x24)"
}

qv_wine_session_start() {
  command -v wine >/dev/null || qv_die "wine is missing: run scripts/setup"
  trap qv_wine_session_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  qv_wine_display || return 1
  qv_wine_prefix || { qv_warn "creating the Wine prefix failed"; return 1; }
  # One persistent wineserver for the whole run: otherwise every program start
  # pays for a server start and shutdown.
  wineserver -p || return 1
  QV_WINESERVER_STARTED=1
  # Wait (with a deadline) until the server answers.
  local deadline=$((SECONDS + 30))
  until wine cmd /c exit 0 >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { qv_warn "Wine does not answer"; return 1; }
    sleep 0.2
  done
}

qv_wine_session_stop() {
  if [ "$QV_WINESERVER_STARTED" = 1 ]; then
    wineserver -k 2>/dev/null || true
    timeout 20 wineserver -w 2>/dev/null || true
    QV_WINESERVER_STARTED=0
# 1: top-level windows are not managed by the X window manager. Needed for
# speed under bare Xvfb (tests); a desktop session wants 0.
QV_WINE_UNMANAGED=${QV_WINE_UNMANAGED:-1}
  fi
  qv_stop_xvfb
}

qv_wine_restart_server() {
  wineserver -k 2>/dev/null || true
  timeout 20 wineserver -w 2>/dev/null || true
  wineserver -p
  QV_WINESERVER_STARTED=1
}

qv_winepath_w() { winepath -w "$1" 2>/dev/null; }

# Runs a Windows program, giving up after SECONDS. Returns the program's exit
# code, or 124 on timeout (then every Windows process of the prefix is ended,
# so nothing it started lingers into the next step).
qv_wine_run() {
  local secs=$1; shift
  local rc=0
  timeout --kill-after=10 "$secs" wine "$@" || rc=$?
  if [ $rc = 124 ] || [ $rc = 137 ]; then
    qv_warn "$(basename "$1") did not finish within ${secs}s: stopping it and every program it started"
    qv_wine_restart_server
    rc=124
  fi
  return $rc
}
