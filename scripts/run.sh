#!/usr/bin/env bash
# Sets up, builds and runs Harfnur. With a display, the tray application
# starts. Without one, the whole loop is shown headlessly: Xvfb, a window
# manager and a tray host, Harfnur, and a text field holding old-Latin and
# Cyrillic text; Shift is tapped twice through XTEST, the field is printed
# before and after, and a screenshot is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/kerakli.sh all
source scripts/kesh.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${kesh[@]}" >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
harfnur=build/platform/linux/harfnur

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$harfnur" "$@"
fi

echo "No display here: showing the whole loop on a virtual one (Xvfb)."
ish=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$ish"' EXIT
export HOME="$ish" XDG_RUNTIME_DIR="$ish/run" XDG_CONFIG_HOME="$ish/.config" XDG_STATE_HOME="$ish/.local/state"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Harfnur" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[General]\njurnal=true\ntanishtirildi=true\n' > "$XDG_CONFIG_HOME/Harfnur/Harfnur.conf"
Xvfb :93 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=:93
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
sleep 0.5
"$harfnur" >/dev/null 2>&1 &
sleep 1

# Two fields: each text is converted from its own script.
ogir() {  # file, text, title
  build/tests/qt_maydon "$1" "$2" "$3" >/dev/null 2>&1 &
  for _ in $(seq 50); do xdotool search --name "^$3\$" >/dev/null 2>&1 && break; sleep 0.1; done
  xdotool windowactivate --sync "$(xdotool search --name "^$3\$" | head -1)"
  sleep 0.3
  echo "before: $2"
  for _ in 1 2; do xdotool keydown Shift_L; sleep 0.05; xdotool keyup Shift_L; sleep 0.1; done
  sleep 2.5
  echo "after:  $(cat "$1")"
}
ogir "$ish/lotin.txt" "O'zbekiston g'alaba qozondi, shahar choyxonasi mo‘’jiza" "Lotin"
ogir "$ish/kirill.txt" "Тошкент шаҳри, ЮНЕСКО, поезд, милиция, объект" "Kirill"
import -window root harfnur-demo.png
echo "screenshot: $(pwd)/harfnur-demo.png"
echo "log:"
grep -v flagsChanged "$XDG_STATE_HOME/Harfnur/Harfnur.log" | sed 's/^/  /'
