#include "calcul/dates.h"
#include "cli/cli.h"

namespace almanax::cli {

namespace {
json::valeur json_jour(const jour_de_date& j) {
  json::valeur v = json::valeur::nouvel_objet();
  v.ajouter("jour_julien", j.jour_julien);
  v.ajouter("nom_du_jour", j.nom_du_jour);
  v.ajouter("rang_du_jour", j.rang_du_jour);
  return v;
}
}  // namespace

resultat rapport_dates(arguments& a) {
  const date_jma d1 = a.date("date1", aujourd_hui());
  const heure_hms h1 = a.heure("heure1", maintenant());
  // By default the second date is the next day at the same time, as "Maintenant" sets it.
  date_jma lendemain = normaliser_date({d1.jour + 1, d1.mois, d1.annee}, sens_pas::avant);
  const date_jma d2 = a.date("date2", lendemain);
  const heure_hms h2 = a.heure("heure2", h1);
  const int annee = static_cast<int>(a.entier("annee", d1.annee, -1000, 3000));
  if (annee == 0) throw erreur_option("Valeur invalide pour --annee : l'année 0 n'existe pas (après -1 vient 1).");

  const resultat_dates r = calculer_dates({d1, h1.heure, h1.minute, h1.seconde, 0}, {d2, h2.heure, h2.minute, h2.seconde, 0}, annee);

  resultat res;
  res.texte = rapport_dates(r);
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("date1", json_jour(r.date1));
  j.ajouter("date2", json_jour(r.date2));
  j.ajouter("intervalle_jours", r.intervalle_jours);
  j.ajouter("annee", r.annee);
  static const char* const noms[4] = {"printemps", "ete", "automne", "hiver"};
  json::valeur saisons = json::valeur::nouvel_objet();
  for (int s = 0; s < 4; ++s) saisons.ajouter(noms[s], r.saisons[s].jde);
  j.ajouter("equinoxes_solstices_jde", std::move(saisons));
  json::valeur p = json::valeur::nouvel_objet();
  p.ajouter("jour", r.paques_jour);
  p.ajouter("mois", r.paques_mois);
  j.ajouter("paques", std::move(p));
  j.ajouter("bissextile", r.bissextile);
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
