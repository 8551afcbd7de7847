#!/usr/bin/env bash
# Screenshots of every garland (and the flash modes), cursor effect, tree,
# snow kind and the frost, each from the real program on a private Xvfb with
# openbox, xcompmgr and a tray, for a developer to look at. Not part of the
# test run.
#
#   scripts/take-screenshots.sh [FOLDER]     (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$folder"
cmake --build build --target x11_desktop_tests yulavin >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/run"
chmod 700 "$home/run"
XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" YULAVIN_LOOK_DIR="$folder" \
  build/bin/x11_desktop_tests --gtest_filter='DecorationsLook.*:FrostOnX11Test.Look' --gtest_brief=1
echo "Screenshots in $folder"
