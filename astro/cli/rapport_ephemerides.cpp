// `astro --rapport ephemerides`: the "Éphémérides" page for one planet, date, time
// and site, printed as its "&Copie" report with every box checked.
#include <QJsonArray>
#include <optional>

#include "calcul/pages/ephemerides.h"
#include "calcul/rapport.h"
#include "cli/cli.h"
#include "cli/json_lever_coucher.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

namespace {

QJsonObject json_resultat(const resultat_ephemerides& r, const echelle_temps& echelle) {
  QJsonObject j;
  j["planete"] = genre_json(nom_planete(r.p));
  j["jour_julien"] = nombre_json(r.jour_julien);
  j["instant"] = evenement_json(r.jour_julien, echelle);

  if (r.elements) {
    const elements_orbitaux& el = *r.elements;
    j["elements"] = QJsonObject{
        {"longitude_moyenne_deg", valeur_et_texte(el.L, r.textes.longitude_moyenne)},
        {"demi_grand_axe_ua", valeur_et_texte(el.a, r.textes.demi_grand_axe)},
        {"excentricite", valeur_et_texte(el.e, r.textes.excentricite)},
        {"inclinaison_deg", valeur_et_texte(el.i, r.textes.inclinaison)},
        {"noeud_ascendant_deg", valeur_et_texte(el.Omega, r.textes.longitude_noeud)},
        {"longitude_perihelie_deg", valeur_et_texte(el.pi, r.textes.longitude_perihelie)},
        {"anomalie_moyenne_deg", valeur_et_texte(el.M, r.textes.anomalie_moyenne)},
        {"argument_perihelie_deg", valeur_et_texte(el.omega, r.textes.argument_perihelie)},
    };
  } else {
    j["elements"] = QJsonValue(QJsonValue::Null);
  }

  j["longitude_heliocentrique_deg"] = valeur_et_texte(r.longitude, r.textes.longitude_heliocentrique);
  j["latitude_heliocentrique_deg"] = valeur_et_texte(r.latitude, r.textes.latitude_heliocentrique);
  j["distance_soleil_ua"] = valeur_et_texte(r.distance_soleil, r.textes.distance_soleil);
  j["distance_soleil_km"] = valeur_et_texte(r.distance_soleil * km_par_ua, r.textes.distance_soleil_km);
  j["ascension_droite_deg"] = valeur_et_texte(r.alpha, r.textes.ascension_droite);
  j["declinaison_deg"] = valeur_et_texte(r.delta, r.textes.declinaison);
  j["distance_terre_ua"] = valeur_et_texte(r.distance_terre, r.textes.distance_terre);
  j["distance_terre_km"] =
      valeur_et_texte(r.distance_terre ? std::optional<long double>(*r.distance_terre * km_par_ua) : std::nullopt,
                      r.textes.distance_terre_km);
  j["distance_terre_geometrique_ua"] = nombre_json(r.distance_terre_geometrique);
  j["diametre_arcsec"] = valeur_et_texte(r.diametre_arcsec, r.textes.diametre_apparent);
  j["magnitude"] = valeur_et_texte(r.magnitude, r.textes.magnitude);
  j["fraction_illuminee"] = valeur_et_texte(r.fraction_illuminee, r.textes.surface_illuminee);
  j["angle_phase_deg"] = nombre_json(r.angle_phase);
  j["temps_lumiere_h"] = valeur_et_texte(r.temps_lumiere_heures, r.textes.temps_lumiere);
  if (r.saturne)
    j["anneaux"] = QJsonObject{{"inclinaison_anneaux_deg", nombre_json(r.saturne->B * rad_deg)},
                               {"delta_U_deg", nombre_json(r.saturne->delta_U)}};
  if (r.declinaison_terre_jupiter)
    j["declinaison_terre_jovicentrique_deg"] = nombre_json(*r.declinaison_terre_jupiter * rad_deg);

  if (r.lever_coucher) {
    ajouter_lever_coucher(j, *r.lever_coucher, echelle);
    QJsonArray a, d;
    for (int k = 0; k < 3; ++k) {
      a.append(nombre_json(r.position.alpha_3j[k]));
      d.append(nombre_json(r.position.delta_3j[k]));
    }
    j["alpha_3j_deg"] = a;
    j["delta_3j_deg"] = d;
  } else {
    // The Earth: no rising nor setting, the page's texts stay.
    j["lever_h"] = valeur_et_texte(std::nullopt, r.textes.heure_lever);
    j["meridien_h"] = valeur_et_texte(std::nullopt, r.textes.heure_meridien);
    j["coucher_h"] = valeur_et_texte(std::nullopt, r.textes.heure_coucher);
  }
  j["pourcentage_phase"] = r.image_vide ? QJsonValue(QJsonValue::Null) : nombre_json(r.pourcentage);
  return j;
}

}  // namespace

resultat rapport_ephemerides(arguments& a) {
  std::vector<std::string> noms(noms_planetes.begin(), noms_planetes.end());
  const std::vector<std::string> choix = a.liste("planete", {"Vénus"}, noms);
  if (choix.size() != 1) throw erreur_option("Une seule planète est attendue pour --planete.");
  int index = 0;
  while (noms[index] != choix.front()) ++index;

  entree_ephemerides e;
  e.p = *planete_de_index(index);
  resultat res;
  res.entrees["planete"] = genre_json(choix.front());
  e.instant = instant_des_options(a, res.entrees);
  const site_nomme site = site_des_options(a, res.entrees);
  e.site = site_courant_de(site);
  e.separateur = separateur_decimal();
  e.echelle = a.echelle();

  const resultat_ephemerides r = calcul_ephemerides(e);
  const champs_bloc_date d = champs_bloc_date_de(e.instant);
  res.texte = copie_ephemerides(r, cases_ephemerides{}, d.jour, d.mois, d.annee, d.heure, champs_du_site(site));
  res.jde_reference = r.jour_julien;
  res.donnees = json_resultat(r, a.echelle());
  return res;
}

}  // namespace almanax::cli
