// Rising, transit and setting in the reports' JSON: state, hour (null when the event
// does not happen) and the text the page shows.
#pragma once

#include "calcul/lever_coucher.h"
#include "cli/json.h"

namespace almanax::cli {

inline const char* nom_etat(etat_evenement e) {
  switch (e) {
    case etat_evenement::normal: return "normal";
    case etat_evenement::toujours_leve: return "toujours_leve";
    case etat_evenement::jamais_leve: return "jamais_leve";
    case etat_evenement::indetermine: return "indetermine";
    case etat_evenement::pas_ce_jour: return "pas_ce_jour";
  }
  return "indetermine";
}

inline json::valeur json_evenement(long double heure, etat_evenement e, const std::string& texte) {
  json::valeur v = json::valeur::nouvel_objet();
  v.ajouter("etat", nom_etat(e));
  v.ajouter("heure", e == etat_evenement::normal ? json::valeur(heure) : json::valeur());
  v.ajouter("texte", texte);
  return v;
}

inline void ajouter_lever_coucher(json::valeur& j, const sortie_lever_coucher& lc) {
  j.ajouter("lever", json_evenement(lc.heure_lever, lc.etat_lever, lc.texte_lever));
  j.ajouter("meridien", json_evenement(lc.heure_meridien, lc.etat_meridien, lc.texte_meridien));
  j.ajouter("coucher", json_evenement(lc.heure_coucher, lc.etat_coucher, lc.texte_coucher));
}

}  // namespace almanax::cli
