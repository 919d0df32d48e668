#!/usr/bin/env bash
# CI only: a real conversion on a Mac. Harfnur.app runs with the permissions
# tcc_ruxsat.sh wrote; TextEdit shows a text, old Latin and then Cyrillic;
# `Harfnur --sinov-ikki-shift` taps Shift twice and reads the field back, and
# its NATIJA line must be the reformed text. On a failure a screenshot and
# Harfnur's log are left in OUTPUT_FOLDER.
# Usage: ogirish_sinovi.sh APP OUTPUT_FOLDER
set -euo pipefail
app=${1:?usage: ogirish_sinovi.sh APP OUTPUT_FOLDER}
chiqish=${2:?usage: ogirish_sinovi.sh APP OUTPUT_FOLDER}
mkdir -p "$chiqish"
id=$(/usr/libexec/PlistBuddy -c 'Print :CFBundleIdentifier' "$app/Contents/Info.plist")
jurnal=$HOME/Library/Logs/Harfnur.log

# As after a first launch, with the log on: no guide window takes the focus
# and no login item is added.
defaults write "$id" tanishtirildi -bool true
defaults write "$id" jurnal -bool true
mkdir -p "$(dirname "$jurnal")"
rm -f "$jurnal"

natijasiz() {  # message
  echo "::error::$1"
  screencapture -x "$chiqish/ekran.png" || echo "(no screenshot: $?)"
  cp "$jurnal" "$chiqish/" 2>/dev/null || true
  exit 1
}

open "$app"
for _ in $(seq 100); do
  grep -q 'Shift kuzatuvi boshlandi' "$jurnal" 2>/dev/null && break
  sleep 0.1
done
cat "$jurnal" 2>/dev/null || true
grep -q 'Shift kuzatuvi boshlandi' "$jurnal" 2>/dev/null ||
  natijasiz "Harfnur does not watch Shift: no Accessibility permission, or it did not start"

# TextEdit opens each file as plain text in a window of its own, in front.
ogir() {  # name, text, the reformed text
  local fayl="$chiqish/$1.txt" natija
  printf '%s' "$2" > "$fayl"
  open -a TextEdit "$fayl"
  # In front, and a moment for the document's window to take the keys.
  for _ in $(seq 150); do
    lsappinfo info -only bundleid "$(lsappinfo front)" | grep -q '"com.apple.TextEdit"' && break
    sleep 0.1
  done
  sleep 1
  natija=$("$app/Contents/MacOS/Harfnur" --sinov-ikki-shift | sed -n 's/^NATIJA: //p')
  echo "$1: $natija"
  [ "$natija" = "$3" ] || natijasiz "$1: NATIJA is «$natija», wanted «$3»"
}
ogir lotin "Salom, o'g'il bola! Shahar choy ichdi." "Salom, öğil bola! Şahar çoy içdi."
ogir kirill "Салом, ўғил бола! Шаҳар чой ичди." "Salom, öğil bola! Şahar çoy içdi."
cp "$jurnal" "$chiqish/"
