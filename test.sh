#!/usr/bin/env bash
# Installs what is missing, builds the test build (sanitizers on) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zentora_installe_paquets

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DZENTORA_SANITIZE=ON -DZENTORA_WERROR=ON
cmake --build build/test -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
ctest --output-on-failure -j "$(nproc)"
