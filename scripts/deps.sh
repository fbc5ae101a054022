#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when some
# are missing. Sourced by test.sh and run.sh.
set -euo pipefail

zentora_paquets=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
)

zentora_installe_paquets() {
  local manquants=()
  local p
  for p in "${zentora_paquets[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      manquants+=("$p")
    fi
  done
  [ ${#manquants[@]} -eq 0 ] && return 0
  echo "Installing: ${manquants[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${manquants[@]}"
}
