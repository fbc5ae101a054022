#!/usr/bin/env bash
# zentora-cli probe against zentora-sim over a pseudo-terminal.
set -u
cli=$1
sim=$2
echecs=0
verifie() {
  local description=$1; shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; echecs=$((echecs + 1)); fi
}
lance() { # starts the simulator, sets $pty and $pid
  local sortie
  sortie=$(mktemp)
  "$sim" "$@" > "$sortie" &
  pid=$!
  for _ in $(seq 50); do [ -s "$sortie" ] && break; sleep 0.1; done
  pty=$(head -n 1 "$sortie")
  rm -f "$sortie"
}

lance console --serial 412345678 --slot 2=Finale --list 400000001,600000002
json=$("$cli" probe --port "$pty"); code=$?
kill "$pid"; wait "$pid" 2>/dev/null
verifie "probe of a console exits 0" test "$code" -eq 0
verifie "it reads the serial number" grep -q '"serialNumber": 412345678' <<<"$json"
verifie "it reads the slot names" grep -q '"name": "Finale"' <<<"$json"
verifie "it reads the search list" grep -q '600000002' <<<"$json"

lance satellite --serial 412345679 --version 3.6
json=$("$cli" probe --port "$pty" --satellite); code=$?
kill "$pid"; wait "$pid" 2>/dev/null
verifie "probe of a satellite exits 0" test "$code" -eq 0
verifie "it reads the software version" grep -q '"softwareVersion": "3.6"' <<<"$json"

lance console --type Q53
erreur=$("$cli" probe --port "$pty" 2>&1 >/dev/null); code=$?
kill "$pid"; wait "$pid" 2>/dev/null
verifie "a wrong device type fails" test "$code" -ne 0
verifie "with its code" grep -q '100024' <<<"$erreur"

echo "$echecs failed"
[ "$echecs" -eq 0 ]
