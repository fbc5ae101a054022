#!/usr/bin/env bash
# Builds the release build and runs the benchmarks (medians of 5 repetitions).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zentora_installe_paquets
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)"
for b in build/release/bin/*_bench; do
  "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done
