// `astro --rapport perigees`: the "Péri. et Apogée" page for a span of years, printed
// as its "&Copie" report.
#include "calcul/perigee_apogee.h"
#include "cli/cli.h"

namespace almanax::cli {

resultat rapport_perigees(arguments& a) {
  const long long courante = aujourd_hui().annee;
  // The page's year spins: first year -4713..9998, last year -4712..9999.
  const long long debut = a.entier("debut", courante, -4713, 9998);
  const long long fin = a.entier("fin", debut + 1, -4712, 9999);
  if (debut >= fin) throw erreur_option("L'année de départ doit être inférieure à l'année de fin des recherches.");
  const std::vector<std::string> types = a.liste("types", {"périgée", "apogée"}, {"périgée", "apogée"});
  bool perigees = false, apogees = false;
  for (const std::string& t : types) (t == "périgée" ? perigees : apogees) = true;

  const resultat_perigees r = perigees_apogees(debut, fin, perigees, apogees);

  resultat res;
  std::vector<ligne_liste> lignes;
  json::valeur passages = json::valeur::nouveau_tableau();
  for (const passage_trouve& p : r.passages) {
    lignes.push_back(p.ligne);
    json::valeur v = json::valeur::nouvel_objet();
    v.ajouter("type", p.genre == passage_lunaire::perigee ? "perigee" : "apogee");
    v.ajouter("k", p.k);
    v.ajouter("jde", p.jde);
    v.ajouter("parallaxe_secondes", p.parallaxe);
    v.ajouter("distance_km", p.distance);
    v.ajouter("date", p.ligne.colonnes.at(0));
    v.ajouter("heure", p.ligne.colonnes.at(1));
    v.ajouter("parallaxe", p.ligne.colonnes.at(2));
    v.ajouter("distance", p.ligne.colonnes.at(3));
    passages.pousser(std::move(v));
  }
  res.texte = copie_perigees(lignes);
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("debut", debut);
  j.ajouter("fin", fin);
  j.ajouter("perigees", perigees);
  j.ajouter("apogees", apogees);
  j.ajouter("passages", std::move(passages));
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
