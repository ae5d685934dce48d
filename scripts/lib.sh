# Shared by scripts/test and scripts/run: installing what is missing and building.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# command-or-file  package
REQUIRED_TOOLS=(
  "cmake cmake"
  "ninja ninja-build"
  "g++ g++"
  "x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix"
  "i686-w64-mingw32-g++-posix g++-mingw-w64-i686-posix"
  "/usr/src/googletest/CMakeLists.txt googletest"
  "/usr/lib/wine/wine64 wine64"
  "/usr/share/wine/fonts fonts-wine"
  "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf fonts-liberation"
  "Xvfb xvfb"
  "xdotool xdotool"
  "import imagemagick"
  "flock util-linux"
)

have() {
  case "$1" in
    /*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null 2>&1 ;;
  esac
}

# Installs the missing packages; runs apt-get update only when something is missing.
install_missing() {
  local missing=() entry
  for entry in "${REQUIRED_TOOLS[@]}"; do
    set -- $entry
    have "$1" || missing+=("$2")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q || return 1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_preset NAME: configures build/NAME once.
configure_preset() {
  [ -f "$ROOT/build/$1/build.ninja" ] || (cd "$ROOT" && cmake --preset "$1" >/dev/null)
}

# build_preset NAME [TARGET...]: configures build/NAME once, then builds it (or only the
# targets named). Ninja's progress shows as one line that counts the steps; what the
# compilers say is kept in full below it.
build_preset() {
  local name=$1
  shift
  configure_preset "$name" || return 1
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  (cd "$ROOT" && cmake --build --preset "$name" "${targets[@]}") 2>&1 | show_progress
  return "${PIPESTATUS[0]}"
}

# Turns ninja's "[k/n] step" lines into one line rewritten in place (on a terminal) or a
# line every 25 steps (in a log); every other line passes as it is.
show_progress() {
  local tty=0
  [ -t 1 ] && tty=1
  awk -v tty="$tty" '
    /^\[[0-9]+\/[0-9]+\] / {
      split(substr($1, 2), step, "/")
      sub(/\]$/, "", step[2])
      if (tty) { printf "\r  step %d of %d", step[1], step[2]; shown = 1 }
      else if (step[1] > 0 && (step[1] % 25 == 0 || step[1] == step[2])) print "  step " step[1] " of " step[2]
      fflush(); next
    }
    { if (shown) { printf "\n"; shown = 0 } print; fflush() }
    END { if (shown) printf "\n" }'
}
