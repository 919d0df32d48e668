#!/usr/bin/env bash
# Sets up, builds and runs Harfnur.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/kerakli.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" >/dev/null

demo=$'O\'zbekiston — g\'alaba, shahar, choy, ta\'lim, mo‘’jiza.\nЎзбекистон — ғалаба, шаҳар, чой, таълим, поезд, МИЛИЦИЯ.\n'
echo "before:"
printf '%s' "$demo"
echo "after:"
printf '%s' "$demo" | build/tools/harfnur-ogir --lines
