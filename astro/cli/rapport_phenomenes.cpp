// `astro --rapport phenomenes`: one search of the "Phénomènes Planétaires" page into
// its empty list, printed as the page's "&Copie" report.
#include "calcul/phenomene.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

resultat rapport_phenomenes(arguments& a) {
  const auto [debut, fin] = annees_de_recherche(a);
  std::vector<std::string> noms, choisies;
  for (int p = 0; p < nombre_planetes_phenomene; ++p)
    noms.emplace_back(nom_planete_phenomene(static_cast<planete_phenomene>(p)));

  recherche_phenomenes r;
  r.premiere_annee = debut;
  r.derniere_annee = fin;
  r.planetes = planetes_choisies<nombre_planetes_phenomene>(a, noms, choisies);
  const resultat_phenomenes res = phenomenes_planetaires(r);
  if (!res.message.empty()) throw erreur_option(res.message);

  std::vector<ligne_liste> lignes;
  json::valeur rangs = json::valeur::nouveau_tableau();
  for (const phenomene_trouve& t : res.lignes) {
    lignes.push_back(ligne_du_phenomene(t));
    json::valeur v = json::valeur::nouvel_objet();
    v.ajouter("planete", t.nom_planete);
    v.ajouter("phenomene", t.phenomene);
    v.ajouter("k", t.k);
    v.ajouter("jde", t.jde);
    v.ajouter("date", t.date);
    v.ajouter("instant", instant_json(t.instant));
    rangs.pousser(std::move(v));
  }
  resultat sortie;
  sortie.texte = copie_phenomenes(lignes);
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("debut", debut);
  j.ajouter("fin", fin);
  j.ajouter("planetes", liste_json(choisies));
  j.ajouter("lignes", std::move(rangs));
  sortie.donnees = std::move(j);
  return sortie;
}

}  // namespace almanax::cli
