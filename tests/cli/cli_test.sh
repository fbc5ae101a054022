#!/usr/bin/env bash
# zentora-cli end to end: dump and check on real files, exit codes and texts.
set -u
cli=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
echecs=0
verifie() { # description, condition...
  local description=$1; shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; echecs=$((echecs + 1)); fi
}

printf '%s\n' "VersionFichier ; 3" "TypeAppareil ; Zentora" "TitreListeTir ; Finale" "NumeroSerie ; 77" \
  "Version ; 1" "NbVoieSecours ; 4" "NbTir ; 4" "VoieSecour ; 0 ; 596" "VoieSecour ; 1 ; 597" \
  "VoieSecour ; 2 ; 598" "VoieSecour ; 3 ; 599" "NumVoie ; TypeVoie ; Retard ; Description" \
  "0 ; 0 ; 0 ; " "4 ; 1 ; 2,5 ; Bombe; 75" "4 ; 0 ; 3 ; " "9 ; 1 ; 3,5 ; " | iconv -f utf-8 -t cp1252 > "$dossier/bon.tir"
sed 's/TitreListeTir ; Finale/TitreListeTir ; /' "$dossier/bon.tir" > "$dossier/sansnom.tir"
sed 's/2,5 ; Bombe; 75/2,5 ; \xc9toile/' "$dossier/bon.tir" > "$dossier/accent.tir"

sortie=$("$cli" dump "$dossier/bon.tir"); code=$?
verifie "dump exits 0" test "$code" -eq 0
verifie "dump shows the description with its semicolon" grep -q '"description": "Bombe; 75"' <<<"$sortie"
verifie "dump shows the delay of shot 1" grep -q '"delay": 2.5' <<<"$sortie"
verifie "dump shows the time of shot 3 in its own sequence" grep -q '"time": 3.5' <<<"$sortie"
verifie "dump turns Windows-1252 into UTF-8" grep -q 'Étoile' <<<"$("$cli" dump "$dossier/accent.tir")"

sortie=$("$cli" check "$dossier/bon.tir"); code=$?
verifie "check with warnings only exits 0" test "$code" -eq 0
verifie "check lists the repeated channel" grep -q 'Tir n°002, ATTENTION : La voie n°4 est déjà utilisée au tir N°1.' <<<"$sortie"

sortie=$("$cli" check "$dossier/sansnom.tir" --lang en); code=$?
verifie "check with errors exits 1" test "$code" -eq 1
verifie "check speaks English" grep -q 'Program Name ERROR : You dont have named the show program' <<<"$sortie"

erreur=$("$cli" check "$dossier/absent.tir" 2>&1 >/dev/null); code=$?
verifie "an unreadable file exits 2" test "$code" -eq 2
verifie "with the load message on stderr" grep -q "Le fichier n'est pas accessible" <<<"$erreur"

"$cli" check >/dev/null 2>&1; code=$?
verifie "a wrong command line is a usage error" test "$code" -eq 64

echo "$echecs failed"
[ "$echecs" -eq 0 ]
