#!/usr/bin/env bash
# Installs the Debian packages the build and the tests use, when missing.
set -euo pipefail
packages=(cmake g++ libgtest-dev googletest libbenchmark-dev libpng-dev ffmpeg gcc-multilib g++-multilib qemu-user
          clang libclang-rt-14-dev valgrind g++-mingw-w64-i686 binutils-mingw-w64-i686
          g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]} (install them as root)" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
