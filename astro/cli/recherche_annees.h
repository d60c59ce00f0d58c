// Pieces shared by the reports of the planetary event searches: the page's two year
// spins, the chosen planets, the instant of an event in JSON and the locale's
// decimal separator.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calcul/date_evenement.h"
#include "cli/cli.h"

namespace almanax::cli {

// --debut and --fin: first year -4713..9998, last year -4712..9999, first < last.
inline std::pair<long long, long long> annees_de_recherche(arguments& a) {
  const long long debut = a.entier("debut", aujourd_hui().annee, -4713, 9998);
  const long long fin = a.entier("fin", debut + 1, -4712, 9999);
  if (debut >= fin) throw erreur_option("L'année de départ doit être inférieure à l'année de fin des recherches.");
  return {debut, fin};
}

// --planetes: which of the page's planet buttons are down (all by default), in the
// order of `noms`.
template <std::size_t N>
std::array<bool, N> planetes_choisies(arguments& a, const std::vector<std::string>& noms,
                                      std::vector<std::string>& choisies) {
  choisies = a.liste("planetes", noms, noms);
  std::array<bool, N> r{};
  for (std::size_t p = 0; p < N && p < noms.size(); ++p)
    for (const std::string& c : choisies) r[p] = r[p] || c == noms[p];
  return r;
}

inline json::valeur instant_json(const instant_a_la_seconde& i) {
  json::valeur v = json::valeur::nouvel_objet();
  v.ajouter("jour", i.jour);
  v.ajouter("mois", i.mois);
  v.ajouter("annee", i.annee);
  v.ajouter("heure", i.heure);
  v.ajouter("minute", i.minute);
  v.ajouter("seconde", i.seconde);
  return v;
}

inline json::valeur liste_json(const std::vector<std::string>& noms) {
  json::valeur v = json::valeur::nouveau_tableau();
  for (const std::string& n : noms) v.pousser(n);
  return v;
}


}  // namespace almanax::cli
