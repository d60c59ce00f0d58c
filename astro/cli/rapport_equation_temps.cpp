// `astro --rapport equation-temps`: the "Equa. Temps" page's value for a date (its
// l_equa line) and, with --image, its yearly curve.
#include "calcul/equa_time.h"
#include "cli/cli.h"
#include "cli/image_cli.h"
#include "dessin/dessin_graphiques.h"

namespace almanax::cli {

resultat rapport_equation_temps(arguments& a) {
  const date_jma date = a.date("date", aujourd_hui());
  const equation_du_jour jour = equation_du_temps_du_jour(date);
  const courbe_equation_du_temps courbe = trace_equation_du_temps(date.annee);
  ecrire_image_demandee(a, [&] { return dessin::image_equation_du_temps(courbe); });

  resultat res;
  res.texte = jour.l_equa + "\r\n";
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("jour", date.jour);
  j.ajouter("mois", date.mois);
  j.ajouter("annee", date.annee);
  j.ajouter("jour_julien", jour.jour_julien);
  j.ajouter("minutes", jour.minutes);
  j.ajouter("l_equa", jour.l_equa);
  // The curve's days of the year: column 30 + n is noon of day n.
  const int jours = est_bissextile(annee_astronomique(date.annee)) ? 366 : 365;
  json::valeur valeurs = json::valeur::nouveau_tableau();
  for (const point_equation& p : courbe.points)
    if (p.x > 30 && p.x <= 30 + jours) valeurs.pousser(p.minutes);
  json::valeur c = json::valeur::nouvel_objet();
  c.ajouter("annee", date.annee);
  c.ajouter("heure", "12:00 (midi de chaque jour, du 1er janvier au 31 décembre)");
  c.ajouter("minutes", std::move(valeurs));
  j.ajouter("courbe", std::move(c));
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
