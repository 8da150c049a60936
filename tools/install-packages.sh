#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; idempotent.
set -euo pipefail
packages=(
  cmake ninja-build python3
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 fonts-wine xvfb xauth xcompmgr imagemagick xdotool fonts-liberation
  googletest clang libclang-rt-14-dev nlohmann-json3-dev
  python3-pil openssl osslsigncode
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { echo "all packages present"; exit 0; }
echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
