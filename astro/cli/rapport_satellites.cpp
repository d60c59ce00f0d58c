// `astro --rapport satellites`: the offsets of Jupiter's four great satellites, for
// each day of the "Sat. joviens" chart of a month at 0 h, or at one instant; with
// --image, the page's chart of that month.
#include "calcul/dates.h"
#include "calcul/satellites.h"
#include "cli/cli.h"
#include "cli/image_cli.h"
#include "dessin/dessin_graphiques.h"

namespace almanax::cli {

resultat rapport_satellites(arguments& a) {
  const date_jma aujourd = aujourd_hui();
  const bool instant = a.present("date") || a.present("heure");
  if (instant && (a.present("mois") || a.present("annee")))
    throw erreur_option("--date et --heure ne se combinent pas avec --mois et --annee.");

  std::vector<positions_satellites> positions;
  int mois = aujourd.mois, annee = aujourd.annee;
  if (instant) {
    const date_jma date = a.date("date", aujourd);
    const heure_hms h = a.heure("heure", {0, 0, 0});
    positions.push_back(positions_des_satellites(jour_julien_saisi({date, h.heure, h.minute, h.seconde, 0})));
    // The chart of --image: the page with the date's month and year in its spins.
    mois = date.mois;
    annee = date.annee;
  } else {
    // The page's spins: month 1..12, year -4713..9999 taken as it stands.
    mois = static_cast<int>(a.entier("mois", aujourd.mois, 1, 12));
    annee = static_cast<int>(a.entier("annee", aujourd.annee, -4713, 9999));
  }
  const graphique_satellites g = graphique_des_satellites(mois, annee);
  if (!instant)
    for (std::size_t k = 0; k < g.jours.size(); ++k)
      positions.push_back(positions_des_satellites(g.jour_julien + static_cast<long double>(k)));
  ecrire_image_demandee(a, [&] { return dessin::image_satellites(g); });

  resultat res;
  res.texte = texte_satellites(positions, instant, separateur_decimal());
  json::valeur j = json::valeur::nouvel_objet();
  if (!instant) {
    j.ajouter("mois", mois);
    j.ajouter("annee", annee);
  }
  j.ajouter("unite", "rayons de Jupiter, positifs à l'ouest");
  json::valeur liste = json::valeur::nouveau_tableau();
  for (const positions_satellites& p : positions) {
    json::valeur v = json::valeur::nouvel_objet();
    v.ajouter("jour_julien", p.jour_julien);
    v.ajouter("io", p.io);
    v.ajouter("europe", p.europe);
    v.ajouter("ganymede", p.ganymede);
    v.ajouter("callisto", p.callisto);
    liste.pousser(std::move(v));
  }
  j.ajouter("positions", std::move(liste));
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
