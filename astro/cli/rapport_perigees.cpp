// `astro --rapport perigees`: the "Péri. et Apogée" page for a span of years, printed
// as its "&Copie" report.
#include <ostream>

#include "calcul/pages/perigee_apogee.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

namespace {

QJsonObject evenement(const passage_trouve& p, const echelle_temps& echelle) {
  QJsonObject v = evenement_json(p.jde, echelle);
  v["genre"] = genre_json(p.ligne.libelle);
  v["k"] = nombre_json(p.k);
  v["date"] = chaine_json(p.ligne.colonnes.at(0));
  v["heure"] = chaine_json(p.ligne.colonnes.at(1));
  v["parallaxe_arcsec"] = valeur_et_texte(p.parallaxe, p.ligne.colonnes.at(2));
  v["distance_km"] = valeur_et_texte(p.distance, p.ligne.colonnes.at(3));
  return v;
}

}  // namespace

resultat rapport_perigees(arguments& a) {
  resultat res;
  const auto [debut, fin] = annees_de_recherche(a, res.entrees);
  const std::vector<std::string> types = a.liste("types", {"périgée", "apogée"}, {"périgée", "apogée"});
  bool perigees = false, apogees = false;
  for (const std::string& t : types) (t == "périgée" ? perigees : apogees) = true;
  res.entrees["types"] = genres_json(types);

  // The whole span makes some 390,000 rows: each is written as it is found, and only
  // what is printed is built.
  if (!a.json()) {
    res.ecrire = [=](std::ostream& out) {
      bool vide = true;
      parcourir_perigees_apogees(debut, fin, perigees, apogees, [&](passage_trouve&& p) {
        if (vide) out << entete_copie_perigees;
        vide = false;
        out << ligne_copie_perigee(p.ligne);
      });
      if (!vide) out << crlf;
    };
    return res;
  }
  res.ecrire = [=, entrees = res.entrees, echelle = a.echelle()](std::ostream& out) {
    document_json_au_fil document(out, "perigees", entrees);
    std::string lignes;
    parcourir_perigees_apogees(debut, fin, perigees, apogees, [&](passage_trouve&& p) {
      lignes += ligne_copie_perigee(p.ligne);
      document.evenement(evenement(p, echelle));
    });
    // The copy's text, the one thing held: nothing at all for an empty list.
    document.terminer(lignes.empty() ? std::string() : std::string(entete_copie_perigees) + lignes + std::string(crlf));
  };
  return res;
}

}  // namespace almanax::cli
