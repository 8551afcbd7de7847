#!/usr/bin/env bash
# Screenshots of every garland (and the flash modes), cursor effect, tree,
# snow kind and the frost, each from the real program on a private Xvfb with
# openbox, xcompmgr and a tray, for a developer to look at. Not part of the
# test run. Needs Xvfb, openbox, xcompmgr, trayer, xdotool, xprop,
# ImageMagick's import and, for a desktop colour, hsetroot.
#
#   scripts/take-screenshots.sh [FOLDER]     (default: build/screenshots)
#
# SIZE sets the screen (default 1280x720), DESKTOP the desktop's colour
# (default black; try #d8dde6 and #1b2430), ONLY a pattern the names of the
# screenshots to take must match (default all), BUILD the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$folder"
build=${BUILD:-build}
cmake --build "$build" --target yulavin >/dev/null
program=$(realpath "$build/bin/yulavin")
home=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home/config/Varnel/Yulavin" "$home/run"
chmod 700 "$home/run"

# The server picks a free display and names it once it takes connections.
Xvfb -displayfd 3 -screen 0 "${SIZE:-1280x720}x24" -br -nolisten tcp 3>"$home/display" 2>/dev/null &
pids+=($!)
until grep -q . "$home/display"; do sleep 0.1; done
export DISPLAY=":$(head -1 "$home/display")" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run"
export QT_QPA_PLATFORM=xcb
openbox --sm-disable 2>/dev/null &
pids+=($!)
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; do sleep 0.1; done
# The compositor paints the desktop with the root window's picture.
if [[ -n ${DESKTOP:-} ]]; then
  hsetroot -solid "$DESKTOP" >/dev/null
fi
xcompmgr 2>/dev/null &
pids+=($!)
# The tray keeps the settings window hidden, as on a user's desktop.
trayer --edge bottom --align right --widthtype request --height 32 --transparent false \
  2>/dev/null &
pids+=($!)
sleep 1

# take NAME SECONDS [KEY=VALUE...]: runs the program with every decoration
# and tune off but the given settings, lets the scene play, saves NAME.png.
# With ACT set, runs that function while the scene plays.
take() {
  local name=$1 seconds=$2
  shift 2
  [[ $name =~ ${ONLY:-.} ]] || return 0
  local -A settings=([Language]=English [fSnow]=0 [fGarland]=0 [fTree]=0 [fCursorEnable]=0
    [fFrostEnable]=0 [iSoundStartup]=0 [iSoundEveryHour]=0 [iSoundBackground]=0
    [fDisableAtHighLoad]=0 [fAutoRun]=0)
  local setting xml="<Options>"
  for setting in "$@"; do settings[${setting%%=*}]=${setting#*=}; done
  for setting in "${!settings[@]}"; do xml+="<$setting>${settings[$setting]}</$setting>"; done
  echo "$xml</Options>" >"$home/config/Varnel/Yulavin/settings.xml"
  "$program" 2>"$home/log" &
  local pid=$!
  until grep -q "Yulavin runs" "$home/log"; do sleep 0.1; done
  ${ACT:+$ACT}
  sleep "$seconds"
  import -window root "$folder/$name.png"
  kill "$pid"
  wait "$pid" || true
}

# A sweep across the screen, pressing now and then for the presents.
sweep() {
  local step
  for step in $(seq 0 24); do
    xdotool mousemove $((200 + step * 30)) $((150 + step % 6 * 40))
    if ((step % 3 == 0)); then xdotool mousedown 1 sleep 0.08 mouseup 1; fi
    sleep 0.04
  done
}

for garland in multicolor blue white multicolor_strawberry blue_strawberry pine \
  christmas_pine icicle ball backlight snowflake; do
  take "garland-$garland" 0.5 fGarland=1 fGarlandTop=1 strGarland=$garland iFlash=0
done
# The other flash modes, caught in the middle of their play.
for mode in 1 2 3 4; do
  take "garland-multicolor-flash$mode" 1.3 fGarland=1 fGarlandTop=1 iFlash=$mode
done
for effect in FAIRY_DUST SNOW STOCKING BALL BELLS BOW EUPHORBIA_PULCHERRIMA PRESENTS \
  SPINNING_WREATH WREATH; do
  ACT=sweep take "cursor-${effect,,}" 0.3 fCursorEnable=1 fCursorTop=1 strCursorType=$effect
done
for tree in 0 1 2 3 4; do
  take "tree-$tree" 1.5 fTree=1 fTreeTop=1 iTree=$tree
done
for kind in fluffy fine thick sparkling fantasy deep; do
  take "snow-$kind" 4 fSnow=1 fSnowTop=1 strSnowType=$kind uSnowSpeed=9 fSnowAcumulate=1
done
# The thickest snow, long enough for a pile to build up along the bottom.
for kind in fluffy fine thick sparkling fantasy; do
  take "snow-pile-$kind" 25 fSnow=1 fSnowTop=1 strSnowType=$kind uSnowSpeed=9 uSnowDensity=9 \
    fSnowAcumulate=1
done
# The frost creeps in one step every ten seconds after the idle time; a
# minute shows it faint.
take frost 60 fFrostEnable=1 uFrostWaitTime=0
echo "Screenshots in $folder"
