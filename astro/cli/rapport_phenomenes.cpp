// `astro --rapport phenomenes`: one search of the "Phénomènes Planétaires" page into
// its empty list, printed as the page's "&Copie" report.
#include "calcul/pages/phenomene.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

resultat rapport_phenomenes(arguments& a) {
  resultat sortie;
  const recherche_phenomenes r = demande_planetes<recherche_phenomenes, nombre_planetes_phenomene>(
      a, sortie.entrees, [](std::size_t p) { return nom_planete_phenomene(static_cast<planete_phenomene>(p)); });
  const resultat_phenomenes res = phenomenes_planetaires(r);
  if (!res.message.empty()) throw erreur_option(res.message);

  std::vector<ligne_liste> lignes;
  QJsonArray evenements;
  for (const phenomene_trouve& t : res.lignes) {
    lignes.push_back(ligne_du_phenomene(t));
    if (!a.json()) continue;  // the JSON is built only when it is printed
    QJsonObject v = evenement_json(t.jde, a.echelle());
    v["planete"] = genre_json(t.nom_planete);
    v["genre"] = genre_json(t.phenomene);
    v["k"] = static_cast<double>(t.k);
    v["date"] = chaine_json(t.date);
    evenements.append(v);
  }
  sortie.texte = copie_phenomenes(lignes);
  sortie.donnees["evenements"] = evenements;
  return sortie;
}

}  // namespace almanax::cli
