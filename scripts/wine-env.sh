# Wine set-up shared by wine-run, wine-ctest and run. Sourced, not run.
# A Wine "root" folder holds a private HOME, a template prefix initialised once, and the
# throwaway prefixes copied from it.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
SCRIPTS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# wine_environment ROOT PREFIX: exports the variables every Wine call here uses.
wine_environment() {
  local root=$1 prefix=$2
  mkdir -p "$root/home"
  export HOME="$root/home" XDG_DATA_HOME="$root/home/.local/share"
  export XDG_CONFIG_HOME="$root/home/.config" XDG_CACHE_HOME="$root/home/.cache"
  export WINEPREFIX="$prefix" WINEARCH=win64 WINELOADER=$WINE64
  export WINEDEBUG=-all
  # No Mono/Gecko installers, and no desktop entries written into HOME.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # The locale sets Wine's code page and formats: en-US, code page 1252.
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
}

# wine_template ROOT: creates ROOT/template once (about 20 s); safe to call concurrently.
wine_template() {
  local root=$1
  mkdir -p "$root"
  (
    flock 9
    [ -f "$root/template/.ready" ] && exit 0
    rm -rf "$root/template"
    wine_environment "$root" "$root/template"
    "$WINE64" wineboot -i >/dev/null 2>&1
    "$WINE64" reg import "$SCRIPTS_DIR/wine-prefix.reg" >/dev/null 2>&1
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    # Wine links Desktop, Documents and the like to HOME; tests want real folders.
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
      [ -L "$link" ] && rm "$link" && mkdir -p "$link"
    done
    "$WINESERVER" -w
    touch "$root/template/.ready"
  ) 9>"$root/.lock"
}

# wine_fresh_prefix ROOT NAME: a new copy of the template as ROOT/NAME; prints its path.
wine_fresh_prefix() {
  local root=$1 name=$2
  wine_template "$root" || return 1
  rm -rf "${root:?}/$name"
  cp -a "$root/template" "$root/$name"
  echo "$root/$name"
}

# start_display: starts Xvfb on a free display and exports DISPLAY and XVFB_PID.
start_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number" XVFB_PID
}

stop_display() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# start_desktop: keeps one explorer (the virtual desktop) alive for the whole run, so each
# test process does not start and tear down its own.
start_desktop() {
  # Bring the server and the prefix up with one small program first: a test program that
  # starts while the desktop itself is still starting can hang at its exit.
  "$WINESERVER" -p 2>/dev/null
  "$WINE64" cmd.exe /c exit >/dev/null 2>&1
  "$WINE64" explorer.exe /desktop=Default,1024x768 >/dev/null 2>&1 &
  DESKTOP_PID=$!
  "$WINE64" cmd.exe /c exit >/dev/null 2>&1
}

stop_wine() {
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w 2>/dev/null
  [ -n "${DESKTOP_PID:-}" ] && wait "$DESKTOP_PID" 2>/dev/null
  DESKTOP_PID=
}
