// Where a search of the event reports starts, as the instant whose ΔT the JSON result
// gives: 0 h on the first day of its first month, read as the reports read typed times
// (the zone's clock with --fuseau).
#pragma once

#include "calcul/calendrier.h"
#include "calcul/temps_civil.h"

namespace almanax::cli {

// annee: astronomical; mois: 1..12.
inline long double jde_debut_recherche(long long annee, int mois, const echelle_temps& echelle) {
  date_de_calcul d;
  d.jour = 1;
  d.mois = mois;
  d.annee = static_cast<long double>(annee);
  julien(d);
  return echelle.vers_tt(d.jour_julien);
}

}  // namespace almanax::cli
