#!/usr/bin/env bash
# Brings a fresh Debian 12 machine to the state the build and the tests need.
# Idempotent; prints nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xauth x11-utils xdotool imagemagick
  libsqlite3-dev sqlite3 googletest libgtest-dev libgmock-dev libbenchmark-dev
  locales qemu-user-static
)
# nodejs from other sources carries its own npm and conflicts with Debian's
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

sudo_() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_ dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  sudo_ apt-get update -qq >/dev/null
  sudo_ apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
elif [ "${need_update:-0}" = 1 ]; then
  sudo_ apt-get update -qq >/dev/null
fi

# Some kernels run no 32-bit code; Wine's 32-bit half then goes through qemu-user.
sudo_ "$(dirname "$0")/wine/enable-i386.sh"
