// `astro --rapport satellites`: the offsets of Jupiter's four great satellites, for
// each day of the "Sat. joviens" chart of a month at 0 h (the civil days' 0 h with
// --fuseau), or at one instant; with --image, the page's chart of that month.
#include "calcul/pages/dates.h"
#include "calcul/pages/satellites.h"
#include "cli/cli.h"
#include "cli/image_cli.h"
#include "cli/recherche_annees.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

resultat rapport_satellites(arguments& a) {
  const date_jma aujourd = aujourd_hui();
  const bool instant = a.present("date") || a.present("heure");
  if (instant && (a.present("mois") || a.present("annee")))
    throw erreur_option("--date et --heure ne se combinent pas avec --mois et --annee.");

  resultat res;
  std::vector<positions_satellites> positions;
  int mois = aujourd.mois, annee = aujourd.annee;
  if (instant) {
    const instant_saisi i = instant_des_options(a, res.entrees, "date", "heure", aujourd, {0, 0, 0});
    positions.push_back(positions_des_satellites(a.echelle().vers_tt(jour_julien_saisi(i))));
    // The chart of --image: the page with the date's month and year in its spins
    // (historical years, as the date's).
    mois = i.date.mois;
    annee = i.date.annee;
  } else {
    // The page's spins: month 1..12, historical year -4713..9999 (no year 0).
    mois = static_cast<int>(a.entier("mois", aujourd.mois, 1, 12));
    annee = static_cast<int>(a.entier("annee", aujourd.annee, -4713, 9999));
    if (annee == 0)
      throw erreur_option("Valeur invalide pour --annee : 0 (l'année 0 n'existe pas : après -1 vient 1).");
    res.entrees = {{"mois", mois}, {"annee", annee}};
  }
  const graphique_satellites g = graphique_des_satellites(mois, annee, sat_largeur, sat_hauteur, a.echelle());
  if (!instant)
    for (std::size_t k = 0; k < g.jours.size(); ++k)
      positions.push_back(positions_des_satellites(instant_jour_grille(g, static_cast<int>(k), a.echelle())));
  ecrire_image_demandee(a, dessinateurs().satellites, g);

  res.texte = texte_satellites(positions, instant, separateur_decimal(), a.echelle());
  res.jde_reference = positions.front().jour_julien;
  // X in Jupiter radii, positive to the west.
  QJsonArray liste;
  for (const positions_satellites& p : positions)
    liste.append(QJsonObject{{"jour_julien", nombre_json(p.jour_julien)},
                             {"instant", evenement_json(p.jour_julien, a.echelle())},
                             {"io", nombre_json(p.io)},
                             {"europe", nombre_json(p.europe)},
                             {"ganymede", nombre_json(p.ganymede)},
                             {"callisto", nombre_json(p.callisto)}});
  res.donnees["positions"] = liste;
  return res;
}

}  // namespace almanax::cli
