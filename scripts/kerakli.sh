#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing.
# Usage: scripts/kerakli.sh [build|desktop|all|test]  (test: all, and the
# applications the end-to-end tests convert in)
set -euo pipefail

build_pkgs=(cmake g++ ccache clang libclang-rt-14-dev pkg-config libicu-dev libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev python3-yaml dpkg-dev file librsvg2-bin lintian)
desktop_pkgs=(qt6-base-dev libx11-dev libxi-dev libxtst-dev libxfixes-dev xvfb openbox trayer zenity xterm xdotool xclip x11-utils x11-xkb-utils x11-xserver-utils imagemagick fonts-dejavu-core)
sinov_pkgs=(libreoffice-writer chromium)

case "${1:-all}" in
  build) want=("${build_pkgs[@]}") ;;
  desktop) want=("${desktop_pkgs[@]}") ;;
  all) want=("${build_pkgs[@]}" "${desktop_pkgs[@]}") ;;
  test) want=("${build_pkgs[@]}" "${desktop_pkgs[@]}" "${sinov_pkgs[@]}") ;;
  *) echo "kerakli.sh: unknown set '$1' (build, desktop, all or test)" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
