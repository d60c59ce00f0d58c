// The options several reports share, read in one place and written to the JSON
// "entrees" under the same keys: the year span of the searches (--debut, --fin), the
// date and time (--date, --heure), the observing site (--site or --lat/--lon) and the
// chosen planets (--planetes).
#pragma once

#include <QJsonObject>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calcul/pages/dates.h"
#include "cli/cli.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

inline constexpr std::string_view message_annees =
    "L'année de départ doit être inférieure à l'année de fin des recherches.";

// --debut and --fin: first year -4713..9998, last year -4712..9999, first < last.
inline std::pair<long long, long long> annees_de_recherche(arguments& a, QJsonObject& entrees,
                                                           std::string_view message = message_annees) {
  const long long debut = a.entier("debut", aujourd_hui().annee, -4713, 9998);
  const long long fin = a.entier("fin", debut + 1, -4712, 9999);
  if (debut >= fin) throw erreur_option(std::string(message));
  entrees["debut"] = static_cast<double>(debut);
  entrees["fin"] = static_cast<double>(fin);
  return {debut, fin};
}

// A date and a time (--date and --heure unless named otherwise), today and now by default.
inline instant_saisi instant_des_options(arguments& a, QJsonObject& entrees, std::string_view nom_date = "date",
                                         std::string_view nom_heure = "heure", date_jma defaut_date = aujourd_hui(),
                                         heure_hms defaut_heure = maintenant()) {
  instant_saisi i;
  i.date = a.date(nom_date, defaut_date);
  const heure_hms h = a.heure(nom_heure, defaut_heure);
  i.heure = h.heure;
  i.minute = h.minute;
  i.seconde = h.seconde;
  i.milliseconde = h.milliseconde;
  entrees[chaine_json(nom_date)] = date_json(i.date);
  entrees[chaine_json(nom_heure)] =
      QJsonObject{{"heure", i.heure}, {"minute", i.minute}, {"seconde", i.seconde + i.milliseconde / 1000.0}};
  return i;
}

inline site_nomme site_des_options(arguments& a, QJsonObject& entrees) {
  const site_nomme s = a.site();
  entrees["site"] = site_json(s);
  return s;
}

// --planetes: which of the page's planet buttons are down (all by default), in the
// order of `noms`.
template <std::size_t N>
std::array<bool, N> planetes_choisies(arguments& a, const std::vector<std::string>& noms, QJsonObject& entrees) {
  const std::vector<std::string> choisies = a.liste("planetes", noms, noms);
  std::array<bool, N> r{};
  for (std::size_t p = 0; p < N && p < noms.size(); ++p)
    for (const std::string& c : choisies) r[p] = r[p] || c == noms[p];
  entrees["planetes"] = genres_json(choisies);
  return r;
}

// The request of a planet search (perihelia, phenomena): --debut, --fin and --planetes,
// the N planets named by nom(0) .. nom(N - 1).
template <class Demande, std::size_t N, class Nom>
Demande demande_planetes(arguments& a, QJsonObject& entrees, Nom nom) {
  const auto [debut, fin] = annees_de_recherche(a, entrees);
  std::vector<std::string> noms;
  for (std::size_t p = 0; p < N; ++p) noms.emplace_back(nom(p));
  Demande r;
  r.premiere_annee = debut;
  r.derniere_annee = fin;
  r.planetes = planetes_choisies<N>(a, noms, entrees);
  return r;
}

}  // namespace almanax::cli
