#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools
  libgl-dev libxkbcommon-dev
  libpugixml-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libmpg123-dev libsdl2-dev libmp3lame-dev
  libx11-dev libxss-dev libxext-dev libxfixes-dev libxrender-dev libx11-xcb-dev libxcb1-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth openbox xcompmgr trayer xdotool x11-utils dbus-daemon
  pkexec
  clang-format
  clang-14 libclang-rt-14-dev llvm-14
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
