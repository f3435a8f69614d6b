# shellcheck shell=bash
# Shared shell helpers for the scripts in scripts/. Source it; do not run it.
# Sets QV_REPO (the repository root) and QV_BUILD_ROOT (default <repo>/build).

QV_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export QV_REPO
: "${QV_BUILD_ROOT:=$QV_REPO/build}"
mkdir -p "$QV_BUILD_ROOT"
QV_BUILD_ROOT=$(cd "$QV_BUILD_ROOT" && pwd)
export QV_BUILD_ROOT
# Cross-built dependencies are a cache shared by every build root of this
# checkout (the presets point at <repo>/build/deps); override with QV_DEPS_DIR.
: "${QV_DEPS_DIR:=$QV_REPO/build/deps}"
export QV_DEPS_DIR

qv_jobs() { nproc 2>/dev/null || echo 2; }

qv_log() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }
qv_warn() { printf 'warning: %s\n' "$*" >&2; }
qv_die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Formats a number of seconds as "1m05s" or "7s".
qv_duration() {
  local s=$1
  if [ "$s" -ge 60 ]; then printf '%dm%02ds' $((s / 60)) $((s % 60)); else printf '%ds' "$s"; fi
}

# Configures a preset into $QV_BUILD_ROOT/<preset> (extra arguments go to cmake).
qv_configure() {
  local preset=$1; shift
  local extra=()
  case "$preset" in
    mingw-i686) extra+=("-DQV_JPEG_PREFIX=$QV_DEPS_DIR/i686" "-DQV_GIF_PREFIX=$QV_DEPS_DIR/giflib/i686"
                "-DQV_PNG_PREFIX=$QV_DEPS_DIR/libpng/i686") ;;
    mingw-x64) extra+=("-DQV_JPEG_PREFIX=$QV_DEPS_DIR/x86_64" "-DQV_GIF_PREFIX=$QV_DEPS_DIR/giflib/x86_64"
               "-DQV_PNG_PREFIX=$QV_DEPS_DIR/libpng/x86_64") ;;
  esac
  cmake -S "$QV_REPO" -B "$QV_BUILD_ROOT/$preset" --preset "$preset" "${extra[@]}" "$@"
}

# Builds a configured preset (extra arguments, e.g. --target X, go to cmake --build).
qv_build() {
  local preset=$1; shift
  cmake --build "$QV_BUILD_ROOT/$preset" --parallel "$(qv_jobs)" "$@"
}

# A free X display number at or above $1 (no lock file, no socket).
qv_free_display() {
  local n=${1:-90}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}

# Starts Xvfb on a free display at or above $1 and exports DISPLAY.
# Sets QV_XVFB_PID. Waits (with a deadline) until the display answers.
qv_start_xvfb() {
  local n
  for _ in 1 2 3 4 5; do
    n=$(qv_free_display "${1:-90}")
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$QV_BUILD_ROOT/xvfb-$n.log" 2>&1 &
    QV_XVFB_PID=$!
    local deadline=$((SECONDS + 15))
    while [ $SECONDS -lt $deadline ]; do
      if ! kill -0 "$QV_XVFB_PID" 2>/dev/null; then break; fi
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$n"
        export QV_XVFB_PID
        return 0
      fi
      sleep 0.1
    done
    # Lost a race for that number or it never answered: try the next one.
    kill "$QV_XVFB_PID" 2>/dev/null || true
    wait "$QV_XVFB_PID" 2>/dev/null || true
    QV_XVFB_PID=
  done
  qv_warn "could not start Xvfb (see $QV_BUILD_ROOT/xvfb-*.log)"
  return 1
}

qv_stop_xvfb() {
  if [ -n "${QV_XVFB_PID:-}" ]; then
    kill "$QV_XVFB_PID" 2>/dev/null || true
    wait "$QV_XVFB_PID" 2>/dev/null || true
    QV_XVFB_PID=
  fi
}
