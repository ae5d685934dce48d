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

# build_preset NAME: configures build/NAME once, then builds it.
build_preset() {
  local name=$1
  if [ ! -f "$ROOT/build/$name/build.ninja" ]; then
    (cd "$ROOT" && cmake --preset "$name" >/dev/null) || return 1
  fi
  # Progress lines hide the warnings; keep only what the compilers say.
  (cd "$ROOT" && cmake --build --preset "$name") 2>&1 | grep -v '^\[[0-9]*/[0-9]*\] '
  return "${PIPESTATUS[0]}"
}
