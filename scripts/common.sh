# Shared by the set-up scripts: install what is missing, configure, build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

QUORIL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  qt6-base-dev libgl-dev qt6-qpa-plugins fonts-dejavu-core
  clang-14 libclang-rt-14-dev
  xvfb xauth
)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}
