// `astro --rapport equation-temps`: the "Equa. Temps" page's value for a date (its
// l_equa line) and, with --image, its yearly curve.
#include "calcul/pages/equa_time.h"
#include "cli/cli.h"
#include "cli/image_cli.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

resultat rapport_equation_temps(arguments& a) {
  const date_jma date = a.date("date", aujourd_hui());
  const equation_du_jour jour = equation_du_temps_du_jour(date, a.echelle());
  const courbe_equation_du_temps courbe =
      trace_equation_du_temps(date.annee, largeur_courbe_equation, hauteur_courbe_equation, a.echelle());
  ecrire_image_demandee(a, dessinateurs().equation_du_temps, courbe);

  resultat res;
  res.texte = jour.texte + "\r\n";
  res.entrees["date"] = date_json(date);
  res.jde_reference = jour.jour_julien;
  res.donnees["jour_julien"] = nombre_json(jour.jour_julien);
  res.donnees["instant"] = evenement_json(jour.jour_julien, a.echelle());
  res.donnees["equation_min"] = valeur_et_texte(jour.minutes, jour.texte);
  // The curve's days of the year: column 30 + n is noon of day n (355 days in 1582), the
  // civil noon in civil time.
  const int jours = jours_de_l_annee(annee_astronomique(date.annee));
  QJsonArray valeurs;
  for (const point_equation& p : courbe.points)
    if (p.x > 30 && p.x <= 30 + jours) valeurs.append(nombre_json(p.minutes));
  res.donnees["courbe_midi_min"] = valeurs;
  return res;
}

}  // namespace almanax::cli
