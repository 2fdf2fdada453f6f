#!/usr/bin/env bash
# Shared by ./run, ./test and ./bench: installs missing Debian packages and
# builds the project into build/. Sourced, not executed.
set -euo pipefail

KC_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KC_BUILD="${KC_BUILD_DIR:-$KC_ROOT/build}"
# libqt5svg5 brings the svg image plugin, which loads our icons (resources/icons);
# libqt5svg5-dev the SVG renderer the drawing import paints with, zlib1g-dev
# the gzip reader for .svgz drawings. The real-window test presses buttons
# through the accessibility bus (at-spi2-core, dbus-daemon's dbus-run-session,
# Python's Atspi binding) and imagemagick keeps its screenshot.
KC_PACKAGES=(cmake g++ pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev zlib1g-dev
             libusb-1.0-0-dev ninja-build xvfb xauth umockdev libumockdev-dev
             libqt5svg5 qttranslations5-l10n imagemagick
             at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0)

kc_install_missing() {
  local missing=()
  for p in "${KC_PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# kc_build [target ...]: everything, or just the targets named.
kc_build() {
  local generator=()
  if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
  # An existing build folder keeps the generator it was made with.
  if [ -f "$KC_BUILD/CMakeCache.txt" ]; then generator=(); fi
  # ccache, where present, lets several checkouts of the tree share objects.
  local launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$KC_ROOT")}" CCACHE_NOHASHDIR=1
  fi
  cmake -S "$KC_ROOT" -B "$KC_BUILD" "${generator[@]}" "${launcher[@]}" ${KC_CMAKE_ARGS:-} >/dev/null
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$KC_BUILD" --parallel "$(nproc)" "${targets[@]}"
}
