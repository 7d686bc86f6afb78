#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on a Debian or Ubuntu machine.
# Sourced by ./run and ./test.
set -euo pipefail

# desktop-file-utils and appstream check the installed desktop entry and metadata.
VANTREL_PACKAGES=(build-essential cmake ninja-build libgtest-dev qt6-base-dev ccache desktop-file-utils appstream)

vantrel_missing_packages() {
  local missing=()
  for p in "${VANTREL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

# Installs the packages above and any named as arguments (the checked build's clang).
vantrel_install() {
  local missing
  VANTREL_PACKAGES+=("$@")
  missing=$(vantrel_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
  else
    echo "Vantrel needs these packages. Install them with:" >&2
    echo "  sudo apt-get install -y $missing" >&2
    exit 1
  fi
}

vantrel_configure() {
  local build_dir=$1 build_type=$2
  local generator=()
  command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE="$build_type"
  fi
}
