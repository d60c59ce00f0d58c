#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/dates.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

namespace {
QJsonObject json_jour(const jour_de_date& j) {
  return {{"jour_julien", nombre_json(j.jour_julien)},
          {"nom_du_jour", genre_json(j.nom_du_jour)},
          {"rang_du_jour", valeur_et_texte(j.rang_du_jour, j.texte_rang)}};
}
}  // namespace

resultat rapport_dates(arguments& a) {
  resultat res;
  const instant_saisi i1 = instant_des_options(a, res.entrees, "date1", "heure1");
  // By default the second date is the next day at the same time, as "Maintenant" sets it.
  const date_jma lendemain = normaliser_date({i1.date.jour + 1, i1.date.mois, i1.date.annee}, sens_pas::avant);
  const instant_saisi i2 = instant_des_options(a, res.entrees, "date2", "heure2", lendemain,
                                               {i1.heure, i1.minute, i1.seconde, i1.milliseconde});
  const int annee = static_cast<int>(a.entier("annee", i1.date.annee, -1000, 3000));
  if (annee == 0) throw erreur_option("Valeur invalide pour --annee : l'année 0 n'existe pas (après -1 vient 1).");
  res.entrees["annee"] = annee;

  const bool ics = calendrier_demande(a);
  const resultat_dates r = calculer_dates(i1, i2, annee, a.echelle());
  if (ics) {
    res.calendrier = calendrier_dates(r);
    return res;
  }
  // The first typed instant, read on the zone's clock with --fuseau.
  res.jde_reference = a.echelle().vers_tt(r.date1.jour_julien);

  res.texte = rapport_dates(r);
  QJsonObject& j = res.donnees;
  j["date1"] = json_jour(r.date1);
  j["date2"] = json_jour(r.date2);
  j["intervalle_jours"] = valeur_et_texte(r.intervalle_jours, r.texte_intervalle);
  // The equinoxes and solstices as events, in the order of the year.
  static const char* const saisons[4] = {"Printemps", "Été", "Automne", "Hiver"};
  QJsonArray evenements;
  for (int s = 0; s < 4; ++s) {
    QJsonObject e = evenement_json(r.saisons[s].jde, a.echelle());
    e["genre"] = genre_json(saisons[s]);
    e["texte"] = chaine_json(r.saisons[s].texte);
    evenements.append(e);
  }
  j["evenements"] = evenements;
  j["paques"] = QJsonObject{{"jour", r.paques_jour}, {"mois", r.paques_mois}, {"texte", chaine_json(r.texte_paques)}};
  j["bissextile"] = QJsonObject{{"valeur", r.bissextile}, {"texte", chaine_json(r.texte_bissextile)}};
  return res;
}

}  // namespace almanax::cli
