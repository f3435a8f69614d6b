# shellcheck shell=bash
# Wine environment for running the Windows build: source it (after common.sh,
# or it sources that itself). Provides:
#   qv_wine_select         picks the build Wine runs (sets QV_WINE_BUILD,
#                          QV_WINE, WINEPREFIX; see below); idempotent
#   qv_wine_session_start  display (Xvfb when DISPLAY is unset or QV_XVFB=1),
#                          prefix (created once), persistent wineserver;
#                          registers qv_wine_session_stop to run on exit
#   qv_wine_session_stop   wineserver -k, then stops the Xvfb it started
#   qv_wine_run SECONDS EXE [ARGS...]   runs a Windows program with a timeout
#   qv_wine_restart_server kills every Windows process of the prefix, starts afresh
#   qv_winepath_w PATH     the Windows form of a Linux path
#
# The product is the 32-bit build, run through Wine's 32-bit loader. Some
# machines cannot start 32-bit programs at all (the kernel's 32-bit emulation
# is off); there the 64-bit build runs under the 64-bit loader instead, in a
# prefix of its own. QV_WINE_ARCH=64 forces that path, QV_WINE_ARCH=32 the other.
if [ -z "${QV_REPO:-}" ]; then
  source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
fi

export WINEARCH=win64              # 32-bit programs run through wine32 (WoW64)
export WINEDEBUG="${WINEDEBUG:--all,err+module}"   # missing DLLs still show
export HOME="${HOME:-/root}"
QV_XVFB_PID=${QV_XVFB_PID:-}
QV_WINESERVER_STARTED=0
# 1: top-level windows are not managed by the X window manager. Needed for
# speed under bare Xvfb (tests); a desktop session wants 0.
QV_WINE_UNMANAGED=${QV_WINE_UNMANAGED:-1}
QV_WINE32_LOADER=${QV_WINE32_LOADER:-/usr/lib/wine/wine}
QV_WINE64_LOADER=${QV_WINE64_LOADER:-/usr/lib/wine/wine64}

# Sets, once per process:
#   QV_WINE_ARCH   32 or 64
#   QV_WINE_BUILD  the preset whose programs Wine runs (mingw-i686 or mingw-x64)
#   QV_WINE        the loader to start Windows programs with
#   QV_WINE_NOTE   empty, or one line saying why the 64-bit build runs
#   WINEPREFIX     the project's own prefix (never the user's: the tests wipe
#                  its data folder): QV_WINEPREFIX or <build>/wineprefix, with
#                  "64" appended on the 64-bit path
# Whether 32-bit programs start is found out by starting one (Wine's 32-bit
# loader), not guessed from the kernel.
qv_wine_select() {
  [ -n "${QV_WINE_BUILD:-}" ] && return 0
  local base=${QV_WINEPREFIX:-$QV_BUILD_ROOT/wineprefix}
  QV_WINE_NOTE=
  case "${QV_WINE_ARCH:-}" in
    32) ;;
    64) QV_WINE_NOTE="QV_WINE_ARCH=64 asked for it" ;;
    "")
      if "$QV_WINE32_LOADER" --version >/dev/null 2>&1; then
        QV_WINE_ARCH=32
      else
        QV_WINE_ARCH=64
        QV_WINE_NOTE="this machine cannot start 32-bit programs"
      fi ;;
    *) qv_die "QV_WINE_ARCH must be 32 or 64, not '$QV_WINE_ARCH'" ;;
  esac
  if [ "$QV_WINE_ARCH" = 64 ]; then
    QV_WINE_BUILD=mingw-x64
    QV_WINE=$QV_WINE64_LOADER
    WINEPREFIX=${base}64
    # Programs Wine starts by itself (wineboot, services) use this loader too.
    export WINELOADER=$QV_WINE64_LOADER
  else
    QV_WINE_ARCH=32
    QV_WINE_BUILD=mingw-i686
    QV_WINE=wine
    WINEPREFIX=$base
  fi
  export QV_WINE_ARCH QV_WINE_BUILD QV_WINE QV_WINE_NOTE WINEPREFIX
}

# One line for summaries: which build runs under Wine and why.
qv_wine_summary() {
  qv_wine_select
  if [ "$QV_WINE_ARCH" = 64 ]; then
    echo "Wine ran the x86_64 build under the 64-bit loader ($QV_WINE_NOTE); the 32-bit program was built but not run on this machine."
  else
    echo "Wine ran the 32-bit (i686) product build."
  fi
}

# Creates the prefix once (about 20 s). A stamp marks a completed prefix, so a
# run interrupted half-way is redone. A lock keeps two runs from racing.
qv_wine_prefix() {
  qv_wine_select
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
    WINEDLLOVERRIDES="mscoree=d;mshtml=d" "$QV_WINE" wineboot --init
    wineserver -w
    if [ "$QV_WINE_UNMANAGED" = 1 ]; then
      # Without a window manager, hiding a managed window takes about 2 s; unmanaged: milliseconds.
      "$QV_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
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
  qv_wine_select
  [ -n "$QV_WINE_NOTE" ] && qv_log "Using the x86_64 build under 64-bit Wine: $QV_WINE_NOTE"
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
  until "$QV_WINE" cmd /c exit 0 >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { qv_warn "Wine does not answer"; return 1; }
    sleep 0.2
  done
}

qv_wine_session_stop() {
  if [ "$QV_WINESERVER_STARTED" = 1 ]; then
    wineserver -k 2>/dev/null || true
    timeout 20 wineserver -w 2>/dev/null || true
    QV_WINESERVER_STARTED=0
  fi
  qv_stop_xvfb
}

qv_wine_restart_server() {
  wineserver -k 2>/dev/null || true
  timeout 20 wineserver -w 2>/dev/null || true
  wineserver -p
  QV_WINESERVER_STARTED=1
}

qv_winepath_w() { qv_wine_select; "$QV_WINE" winepath -w "$1" 2>/dev/null; }

# Runs a Windows program, giving up after SECONDS. Returns the program's exit
# code, or 124 on timeout (then every Windows process of the prefix is ended,
# so nothing it started lingers into the next step).
qv_wine_run() {
  local secs=$1; shift
  local rc=0
  qv_wine_select
  timeout --kill-after=10 "$secs" "$QV_WINE" "$@" || rc=$?
  if [ $rc = 124 ] || [ $rc = 137 ]; then
    qv_warn "$(basename "$1") did not finish within ${secs}s: stopping it and every program it started"
    qv_wine_restart_server
    rc=124
  fi
  return $rc
}
