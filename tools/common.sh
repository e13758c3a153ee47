# Shared by the build, run, test and benchmark commands: installs what the
# build needs (once) and configures a build folder.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 xvfb xdotool
          imagemagick fonts-wqy-microhei clang lld python3 util-linux)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" != 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y "${PACKAGES[@]}"
}

# configure_build FOLDER TOOLCHAIN [extra cmake arguments]
configure_build() {
  local folder="$1" toolchain="$2"; shift 2
  cmake -S "$ROOT" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain" "$@" >/dev/null
}
