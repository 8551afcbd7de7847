#!/usr/bin/env bash
# Measures what the program costs on a desktop of its own: starts Xvfb with
# openbox and xcompmgr, runs the built program with the given settings file
# for a while and prints the program's share of one core, the share the X
# server spends on its behalf, and the program's resident memory.
#
#   scripts/measure-cpu.sh [--size WxHxD] [--seconds N] [--warm-up N]
#                          [--program PATH] [--move-pointer] [--no-compositor]
#                          [--no-window-manager] [SETTINGS_FILE]
#
# --size     Xvfb screen, default 1920x1080x24
# --seconds  length of the measurement, default 30
# --warm-up  seconds after start that are not counted (loading pictures,
#            first frames), default 3
# --program  the program to run, default build/bin/yulavin
# --move-pointer  moves the pointer round a smooth loop over the screen the
#            whole time (50 steps a second, xdotool), so cursor effects work
# --no-compositor  leaves xcompmgr out: the decorations then shape their
#            windows to their shown pixels
# --no-window-manager  leaves openbox out too (and with it the compositor)
# SETTINGS_FILE is copied to where the program reads its settings, inside a
# private configuration folder; without it the program starts with its
# defaults (a first run).
#
# Nothing of the user's desktop or settings is touched. CPU shares are
# utime + stime from /proc/PID/stat over the measured seconds; 100% is one
# core. Frames per second of each decoration window are printed too: the
# program counts them when YULAVIN_FRAME_LOG names a file (see
# DecorationWindow::RedrawWindow).
set -euo pipefail
cd "$(dirname "$0")/.."

size=1920x1080x24
seconds=30
warmup=3
program=build/bin/yulavin
settings=""
move_pointer=0
compositor=1
window_manager=1
while (($#)); do
  case "$1" in
    --size) size=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --warm-up) warmup=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    --move-pointer) move_pointer=1; shift ;;
    --no-compositor) compositor=0; shift ;;
    --no-window-manager) window_manager=0; compositor=0; shift ;;
    -h|--help) sed -n '2,30p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) settings=$1; shift ;;
  esac
done

tools=(Xvfb)
((window_manager)) && tools+=(openbox xprop)
((compositor)) && tools+=(xcompmgr)
((move_pointer)) && tools+=(xdotool)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh)" >&2; exit 1; }
done
[[ -x "$program" ]] || { echo "$program is not built (cmake --build build)" >&2; exit 1; }
if [[ -n "$settings" && ! -f "$settings" ]]; then
  echo "no settings file $settings" >&2
  exit 1
fi

work=$(mktemp -d)
pids=()
cleanup() {
  # Newest first: the program, then the compositor, the window manager and
  # the server.
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display and names it once it accepts connections.
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
server=$!
pids+=("$server")
for _ in $(seq 100); do
  [[ -s "$work/display" ]] && break
  sleep 0.05
done
[[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

desktop="no window manager"
if ((window_manager)); then
  desktop="openbox"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=("$!")
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
  done
fi
if ((compositor)); then
  desktop="openbox, xcompmgr"
  xcompmgr >"$work/xcompmgr.log" 2>&1 &
  pids+=("$!")
  sleep 0.5 # xcompmgr announces itself only through a selection xprop cannot read
fi

mkdir -p "$work/config/Varnel/Yulavin" "$work/run"
chmod 700 "$work/run"
[[ -n "$settings" ]] && cp "$settings" "$work/config/Varnel/Yulavin/settings.xml"
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
  YULAVIN_FRAME_LOG="$work/frames.log" "$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")

if ((move_pointer)); then
  # One xdotool run walks a whole loop (a Lissajous figure over most of the
  # screen, 500 steps of 20 ms), so starting processes costs little.
  read -r width height _ <<<"${size//x/ }"
  awk -v w="$width" -v h="$height" 'BEGIN {
    pi = atan2(0, -1)
    for (i = 0; i < 500; i++) {
      t = 2 * pi * i / 500
      printf "mousemove %d %d\nsleep 0.02\n", w / 2 + 0.42 * w * sin(t), h / 2 + 0.42 * h * sin(2 * t)
    }
  }' >"$work/pointer-loop"
  (while :; do xdotool "$work/pointer-loop" || exit; done) >/dev/null 2>&1 &
  pids+=("$!")
fi

# utime + stime of a process, in clock ticks (the name field may hold spaces).
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo ""; return; }
  stat=${stat##*) }
  awk '{ print $12 + $13 }' <<<"$stat"
}
status_field() {
  awk -v field="$2:" '$1 == field { print $2, $3 }' "/proc/$1/status" 2>/dev/null
}

sleep "$warmup"
kill -0 "$app" 2>/dev/null || { echo "the program ended during the warm-up:" >&2; cat "$work/program.log" >&2; exit 1; }
app_start=$(cpu_ticks "$app")
server_start=$(cpu_ticks "$server")
time_start=$(date +%s.%N)
sleep "$seconds"
app_end=$(cpu_ticks "$app")
server_end=$(cpu_ticks "$server")
time_end=$(date +%s.%N)
if [[ -z "$app_end" ]]; then
  echo "the program ended during the measurement:" >&2
  cat "$work/program.log" >&2
  exit 1
fi
rss=$(status_field "$app" VmRSS)
hwm=$(status_field "$app" VmHWM)
ticks=$(getconf CLK_TCK)

# No decoration window, no frame log.
touch "$work/frames.log"
frame_rates=$(awk -v t0="$time_start" -v t1="$time_end" '
  $1 / 1000 >= t0 && $1 / 1000 <= t1 {
    if (!($2 in first)) { first[$2] = $1; drawn0[$2] = $3; pushed0[$2] = $4; px0[$2] = $5; rc0[$2] = $6 }
    last[$2] = $1; drawn1[$2] = $3; pushed1[$2] = $4; px1[$2] = $5; rc1[$2] = $6
  }
  END {
    for (w in first) {
      span = (last[w] - first[w]) / 1000
      pushes = pushed1[w] - pushed0[w]
      if (span > 0)
        printf "frames/s      %-10s %5.1f drawn, %5.1f pushing pixels", w,
          (drawn1[w] - drawn0[w]) / span, pushes / span
      if (span > 0 && pushes > 0)
        printf " (%.0f kpixels in %.1f rectangles a push)", (px1[w] - px0[w]) / pushes / 1000,
          (rc1[w] - rc0[w]) / pushes
      if (span > 0)
        printf "\n"
    }
  }' "$work/frames.log" 2>/dev/null | sort)

awk -v a0="$app_start" -v a1="$app_end" -v s0="$server_start" -v s1="$server_end" \
    -v t0="$time_start" -v t1="$time_end" -v hz="$ticks" -v size="$size" \
    -v settings="${settings:-(defaults)}" -v desk="$desktop" -v rss="$rss" -v hwm="$hwm" -v program="$program" 'BEGIN {
  wall = t1 - t0
  printf "program   %s\n", program
  printf "settings  %s\n", settings
  printf "screen    %s, %s; %.1f s measured\n", size, desk, wall
  printf "program CPU   %6.2f %% of one core\n", 100 * (a1 - a0) / hz / wall
  printf "X server CPU  %6.2f %% of one core\n", 100 * (s1 - s0) / hz / wall
  printf "VmRSS         %s\n", rss
  printf "VmHWM         %s\n", hwm
}'
[[ -n "$frame_rates" ]] && echo "$frame_rates"
exit 0
