#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the editor
# with any arguments passed on (for example a .tir file to open).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zentora_installe_paquets
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target zentora-suite
exec build/release/bin/zentora-suite "$@"
