#!/bin/sh
# Checks the dynamic symbols of libplanseries.so: every function of the
# interface is exported as planseries::name with long double arguments (and the
# library's version() and noyau_vectoriel(), without any), nothing else is, and the library defines no plain C tan or log10 (which would replace
# the C library's for the whole process).
# Usage: verifier_exports.sh NM LIBRARY
set -u
nm=${1:?nm manquant}
bibliotheque=${2:?bibliotheque manquante}

symboles=$("$nm" -DC --defined-only "$bibliotheque") || {
  echo "impossible de lire les symboles de $bibliotheque" >&2
  exit 1
}

un_argument="
mercure_longitude mercure_latitude mercure_rayon
venus_longitude venus_latitude venus_rayon
terre_longitude terre_latitude terre_rayon
mars_longitude mars_latitude mars_rayon
jupiter_longitude jupiter_latitude jupiter_rayon
saturne_longitude saturne_latitude saturne_rayon
uranus_longitude uranus_latitude uranus_rayon
neptune_longitude neptune_latitude neptune_rayon
mercure_l mercure_b mercure_r venus_l venus_b venus_r terre_l terre_r
mars_l mars_b mars_r jupiter_l jupiter_b jupiter_r saturne_l saturne_b saturne_r
uranus_l uranus_b uranus_r neptune_l neptune_b neptune_r
terre2_longitude terre2_latitude
mercure_lbr venus_lbr terre_lbr mars_lbr jupiter_lbr saturne_lbr uranus_lbr neptune_lbr
tan log10"
deux_arguments="pluton_longitude pluton_latitude pluton_rayon"

attendus=$(
  for nom in $un_argument; do echo "planseries::$nom(long double)"; done
  for nom in $deux_arguments; do echo "planseries::$nom(long double, long double)"; done
  echo "planseries::version()"
  echo "planseries::noyau_vectoriel()"
)

erreurs=0
dossier=$(mktemp -d) || exit 1
trap 'rm -rf "$dossier"' EXIT
printf '%s\n' "$attendus" | sort > "$dossier/attendus"
# Defined functions only, from lines "ADDRESS TYPE name(args)".
printf '%s\n' "$symboles" | awk '$2 ~ /^[TWi]$/ { sub(/^[^ ]+ [^ ]+ /, ""); print }' | sort > "$dossier/exportes"

if [ -n "$(comm -23 "$dossier/attendus" "$dossier/exportes")" ]; then
  echo "fonctions non exportées :" >&2
  comm -23 "$dossier/attendus" "$dossier/exportes" | sed 's/^/  /' >&2
  erreurs=1
fi
if [ -n "$(comm -13 "$dossier/attendus" "$dossier/exportes")" ]; then
  echo "symboles exportés en trop :" >&2
  comm -13 "$dossier/attendus" "$dossier/exportes" | sed 's/^/  /' >&2
  erreurs=1
fi
if printf '%s\n' "$symboles" | awk '{ print $NF }' | grep -Eqx '(tan|tanl|log10|log10l)(@.*)?'; then
  echo "la bibliothèque définit un symbole C tan ou log10" >&2
  erreurs=1
fi

if [ "$erreurs" -eq 0 ]; then
  echo "$(wc -l < "$dossier/attendus") fonctions exportées, aucun symbole C tan ni log10"
fi
exit "$erreurs"
