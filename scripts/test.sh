#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build with the desktop
# tests under Xvfb, an ASan+UBSan build that runs them all again against the
# sanitized tray program, a ThreadSanitizer build of the core, and a short
# fuzzing run. Every build fails on a compiler warning.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/kerakli.sh test
# A merge left half done must not pass for finished work.
if git grep -n -I -E '^(<<<<<<<|>>>>>>>)( |$)' -- ':!fuzz/korpus' 2>/dev/null; then
  echo "test.sh: merge conflict markers in the files above" >&2
  exit 1
fi

source scripts/kesh.sh
bolim() { echo "== $1 (at $((SECONDS / 60))m$((SECONDS % 60))s)"; }

jobs=$(nproc)
configure() {  # dir, extra cmake args...; $hedef, when set, names the only targets built
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DHARFNUR_WERROR=ON "${kesh[@]}" "$@" >/dev/null
  # shellcheck disable=SC2086
  cmake --build "$dir" -j"$jobs" ${hedef:+--target $hedef} >/dev/null
}

bolim "build"
configure build
bolim "ASan+UBSan build"
# What the sanitizers add over the plain run: the whole tray program under
# real keys, and the converter's own processes; the pure code is fuzzed
# under them below.
hedef="harfnur qt_maydon bufer_egasi x11_kuzatuv_tests cli_tests harfnur-ogir" \
  configure build-asan -DHARFNUR_SANITIZE=address -DHARFNUR_BENCH=OFF
bolim "TSan build"
# Only what the TSan run below uses.
hedef="cli_tests engine_thread_tests pipeline_tests app_tests" configure build-tsan -DHARFNUR_SANITIZE=thread -DHARFNUR_BENCH=OFF -DHARFNUR_LINUX=OFF
bolim "fuzz build"
hedef="ogir_fuzz qismlar_fuzz html_fuzz rtf_fuzz" configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DHARFNUR_FUZZ=ON -DHARFNUR_BENCH=OFF -DBUILD_TESTING=OFF -DHARFNUR_LINUX=OFF

bolim "sanitizers"
(cd build-asan && ctest --no-tests=error --output-on-failure -j"$jobs" -R '^(e2e\.|Cli|Ogiruvchi)' >/tmp/harfnur-asan.log 2>&1) || { cat /tmp/harfnur-asan.log; exit 1; }
grep "tests passed" /tmp/harfnur-asan.log
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --no-tests=error --output-on-failure -R 'Threads|Imlochi|Jurnal|ShiftKuzatuvchi|Kirish' >/tmp/harfnur-tsan.log 2>&1) || { cat /tmp/harfnur-tsan.log; exit 1; }
grep "tests passed" /tmp/harfnur-tsan.log
bolim "fuzzing (20 s, then 10 s a target)"
(cd build-fuzz && ctest --no-tests=error --output-on-failure -R fuzz >/tmp/harfnur-fuzz.log 2>&1) || { cat /tmp/harfnur-fuzz.log; exit 1; }
grep "tests passed" /tmp/harfnur-fuzz.log

bolim "tests"
(cd build && ctest --no-tests=error --output-on-failure -j"$jobs")
bolim "Debian package"
bash scripts/paket_test.sh build
bolim "Windows (cross-built, tested under Wine, packaged)"
bash scripts/windows.sh
echo "== all passed in $((SECONDS / 60))m$((SECONDS % 60))s"
