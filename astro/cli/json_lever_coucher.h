// Rising, transit and setting in the reports' JSON: each a value with its text (hours,
// null when the event does not happen), the event's state as a kind and the clock of its
// hours: "legale" with --fuseau (the zone's clock on the civil day), "tel_quel" without
// (the time argument's day). A second event of the civil day gives "seconde_valeur".
#pragma once

#include <QJsonObject>

#include "calcul/lever_coucher.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

inline const char* libelle_etat(etat_evenement e) {
  switch (e) {
    case etat_evenement::normal:
      return "Normal";
    case etat_evenement::toujours_leve:
      return "Toujours levé";
    case etat_evenement::jamais_leve:
      return "Jamais levé";
    case etat_evenement::indetermine:
      return "Indéterminé";
    case etat_evenement::pas_ce_jour:
      return "Pas ce jour";
  }
  return "Indéterminé";
}

inline QJsonObject json_evenement(long double heure, etat_evenement e, const std::string& texte,
                                  const std::optional<long double>& seconde, const echelle_temps& echelle) {
  QJsonObject v =
      valeur_et_texte(e == etat_evenement::normal ? std::optional<long double>(heure) : std::nullopt, texte);
  v["etat"] = genre_json(libelle_etat(e));
  v["echelle"] = echelle.legale() ? "legale" : "tel_quel";
  if (seconde) v["seconde_valeur"] = nombre_json(*seconde);
  return v;
}

inline void ajouter_lever_coucher(QJsonObject& j, const sortie_lever_coucher& lc, const echelle_temps& echelle) {
  j["lever_h"] = json_evenement(lc.heure_lever, lc.etat_lever, lc.texte_lever, lc.second_lever, echelle);
  j["meridien_h"] = json_evenement(lc.heure_meridien, lc.etat_meridien, lc.texte_meridien, lc.second_meridien, echelle);
  j["coucher_h"] = json_evenement(lc.heure_coucher, lc.etat_coucher, lc.texte_coucher, lc.second_coucher, echelle);
}

}  // namespace almanax::cli
