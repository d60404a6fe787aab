#!/usr/bin/env bash
# Installs what the build, the tests and the program need (Debian packages
# only) and prepares the Wine prefix inside build/. Safe to run repeatedly.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 wine32:i386
  xvfb xauth x11-utils xdotool xclip imagemagick nsis
  locales fonts-ipafont-gothic fonts-ipafont-mincho
  googletest libgtest-dev libbenchmark-dev
  python3-pil
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  # A mirror in the middle of a sync fails one index: install from the rest.
  $SUDO apt-get update -q || echo "setup: some package lists did not update; going on with those that did"
  if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"; then
    # The 32-bit lists may lag the 64-bit ones; without 32-bit Wine the
    # Windows suite runs the x86-64 build (scripts/wine-env.sh).
    echo "setup: installing without the 32-bit packages"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $(printf '%s\n' "${missing[@]}" | grep -v ':i386$')
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# The outside judges from the npm registry (culori, apca-w3, color-name,
# ase-utils, css-tree),
# in build/reference; Node.js from Debian where the machine has none.
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q nodejs npm
fi
if [ ! -d build/reference/node_modules ] || ! cmp -s tests/reference/package.json build/reference/package.json; then
  echo "setup: installing the outside judges from npm"
  mkdir -p build/reference
  cp tests/reference/package.json build/reference/
  (cd build/reference && npm install --no-audit --no-fund --silent)
fi

# shellcheck source=scripts/wine-env.sh
. scripts/wine-env.sh
# The marker names the set-up's version: a prefix made by an older set-up
# is made again.
if [ ! -f "$WINEPREFIX/.velun-ready-2" ]; then
  echo "setup: preparing the Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1
  wine_own_fonts
  wine_fonts_and_desktop
  "$WINESERVER" -w
  touch "$WINEPREFIX/.velun-ready-2"
fi
