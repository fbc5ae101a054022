#!/usr/bin/env bash
# Fuzzes the program file reader for SECONDS (default 60) with libFuzzer.
set -euo pipefail
cd "$(dirname "$0")"
secondes=${1:-60}
source scripts/deps.sh
zentora_installe_paquets clang libclang-rt-14-dev

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZENTORA_SANITIZE=ON -DZENTORA_FUZZ=ON -DZENTORA_BENCH=OFF
cmake --build build/fuzz -j "$(nproc)" --target lecteur_fuzz
mkdir -p build/fuzz/corpus
cp -n fuzz/corpus/* build/fuzz/corpus/ 2>/dev/null || true
build/fuzz/bin/lecteur_fuzz -max_total_time="$secondes" -timeout=5 -max_len=20000 build/fuzz/corpus
