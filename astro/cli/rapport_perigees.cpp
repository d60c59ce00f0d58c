// `astro --rapport perigees`: the "Péri. et Apogée" page for a span of years, printed
// as its "&Copie" report.
#include "calcul/perigee_apogee.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

resultat rapport_perigees(arguments& a) {
  resultat res;
  const auto [debut, fin] = annees_de_recherche(a, res.entrees);
  const std::vector<std::string> types = a.liste("types", {"périgée", "apogée"}, {"périgée", "apogée"});
  bool perigees = false, apogees = false;
  for (const std::string& t : types) (t == "périgée" ? perigees : apogees) = true;
  res.entrees["types"] = genres_json(types);

  const resultat_perigees r = perigees_apogees(debut, fin, perigees, apogees);

  std::vector<ligne_liste> lignes;
  QJsonArray evenements;
  for (const passage_trouve& p : r.passages) {
    lignes.push_back(p.ligne);
    QJsonObject v = evenement_json(p.jde);
    v["genre"] = genre_json(p.ligne.libelle);
    v["k"] = nombre_json(p.k);
    v["date"] = chaine_json(p.ligne.colonnes.at(0));
    v["heure"] = chaine_json(p.ligne.colonnes.at(1));
    v["parallaxe_arcsec"] = valeur_et_texte(p.parallaxe, p.ligne.colonnes.at(2));
    v["distance_km"] = valeur_et_texte(p.distance, p.ligne.colonnes.at(3));
    evenements.append(v);
  }
  res.texte = copie_perigees(lignes);
  res.donnees["evenements"] = evenements;
  return res;
}

}  // namespace almanax::cli
