// `astro --rapport soleil-lune`: the "Soleil, Lune" page for one date, time and site,
// printed as its "&Copie" report with every box checked.
#include <QJsonArray>

#include "calcul/pages/soleil_lune.h"
#include "calcul/rapport.h"
#include "cli/cli.h"
#include "cli/json_lever_coucher.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

namespace {

QJsonArray json_trois_jours(const std::array<long double, 3>& x) {
  QJsonArray t;
  for (long double v : x) t.append(nombre_json(v));
  return t;
}

QJsonObject json_soleil(const ephemeride_soleil& s, const echelle_temps& echelle) {
  QJsonObject j{
      {"longitude_geometrique_deg", valeur_et_texte(s.longitude_geometrique, s.textes.longitude_geometrique)},
      {"longitude_apparente_deg", valeur_et_texte(s.longitude_apparente, s.textes.longitude_apparente)},
      {"latitude_apparente_arcsec", valeur_et_texte(s.position.latitude_apparente, s.textes.latitude_apparente)},
      {"ascension_droite_deg", valeur_et_texte(s.position.alpha, s.textes.ascension_droite)},
      {"declinaison_deg", valeur_et_texte(s.position.delta, s.textes.declinaison)},
      {"distance_ua", valeur_et_texte(s.position.distance, s.textes.distance_terre)},
      {"nutation_longitude_deg", nombre_json(s.position.delta_psi)},
      {"obliquite_vraie_deg", nombre_json(s.position.epsilon)},
      {"alpha_3j_deg", json_trois_jours(s.alpha_3j)},
      {"delta_3j_deg", json_trois_jours(s.delta_3j)},
  };
  ajouter_lever_coucher(j, s.lever_coucher, echelle);
  return j;
}

QJsonObject json_lune(const ephemeride_lune& l, const echelle_temps& echelle) {
  QJsonObject j{
      {"longitude_deg", valeur_et_texte(l.lambda, l.textes.longitude)},
      {"latitude_deg", valeur_et_texte(l.beta, l.textes.latitude)},
      {"ascension_droite_deg", valeur_et_texte(l.alpha, l.textes.ascension_droite)},
      {"declinaison_deg", valeur_et_texte(l.delta, l.textes.declinaison)},
      {"distance_km", valeur_et_texte(l.distance, l.textes.distance_terre)},
      {"parallaxe_deg", valeur_et_texte(l.parallaxe, l.textes.parallaxe)},
      {"fraction_illuminee_pourcent", valeur_et_texte(l.phase.fraction, l.textes.fraction_illuminee)},
      {"diametre_apparent_deg", valeur_et_texte(l.diametre, l.textes.diametre_apparent)},
      {"geocentrique_equinoxe_moyen", QJsonObject{{"longitude_deg", nombre_json(l.geocentrique.lambda)},
                                                  {"latitude_deg", nombre_json(l.geocentrique.beta)},
                                                  {"distance_km", nombre_json(l.geocentrique.distance)},
                                                  {"parallaxe_deg", nombre_json(l.geocentrique.parallaxe)},
                                                  {"somme_l", nombre_json(l.geocentrique.somme_l)},
                                                  {"somme_r", nombre_json(l.geocentrique.somme_r)},
                                                  {"somme_b", nombre_json(l.geocentrique.somme_b)}}},
      {"nutation_longitude_deg", nombre_json(l.delta_psi)},
      {"obliquite_vraie_deg", nombre_json(l.epsilon)},
      {"phase", QJsonObject{{"elongation_deg", nombre_json(l.phase.elongation)},
                            {"angle_de_phase_deg", nombre_json(l.phase.angle_de_phase)},
                            {"fraction_arrondie", nombre_json(l.fraction_arrondie)},
                            {"croissante", l.croissante}}},
      {"hauteur_h0_deg", nombre_json(l.hauteur_h0)},
      {"alpha_3j_deg", json_trois_jours(l.alpha_3j)},
      {"delta_3j_deg", json_trois_jours(l.delta_3j)},
  };
  ajouter_lever_coucher(j, l.lever_coucher, echelle);
  return j;
}

}  // namespace

resultat rapport_soleil_lune(arguments& a) {
  resultat res;
  const instant_saisi instant = instant_des_options(a, res.entrees);
  const site_nomme site = site_des_options(a, res.entrees);

  const resultat_soleil_lune r = calcul_soleil_lune(instant, site_courant_de(site), separateur_decimal(), a.echelle());

  res.texte = copie_soleil_lune(r, cases_soleil_lune{}, champs_bloc_date_de(instant), champs_du_site(site));
  res.jde_reference = r.jour_julien;
  res.donnees["jour_julien"] = nombre_json(r.jour_julien);
  res.donnees["instant"] = evenement_json(r.jour_julien, a.echelle());
  res.donnees["soleil"] = json_soleil(r.soleil, a.echelle());
  res.donnees["lune"] = json_lune(r.lune, a.echelle());
  return res;
}

}  // namespace almanax::cli
