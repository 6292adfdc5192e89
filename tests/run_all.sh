#!/usr/bin/env bash
# Builds and runs every test: a Release build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a 32-bit x86 build
# under user-mode emulation (32-bit sizes, 8-byte malloc alignment), then
# each libFuzzer target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tests/install_deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLANE_WIN32_DLL=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLANE_SANITIZE=ON -DQUILLANE_BENCH=OFF -DQUILLANE_WIN32_DLL=OFF
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

cmake -S . -B build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/linux-i686.cmake -DCMAKE_BUILD_TYPE=Release -DQUILLANE_WIN32_DLL=OFF
cmake --build build-i686 -j"$jobs"
ctest --test-dir build-i686 --output-on-failure -j"$jobs"

bash tests/run_fuzz.sh
