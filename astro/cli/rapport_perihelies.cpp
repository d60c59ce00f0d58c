// `astro --rapport perihelies`: one search of the "Péri. et Aphélie" page into its
// empty list, printed as the page's "&Copie" report.
#include "calcul/perihelie.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

resultat rapport_perihelies(arguments& a) {
  const auto [debut, fin] = annees_de_recherche(a);
  std::vector<std::string> noms, choisies;
  for (int p = 0; p < nombre_planetes_perihelie; ++p)
    noms.emplace_back(nom_planete_perihelie(static_cast<planete_perihelie>(p)));

  recherche_perihelies r;
  r.premiere_annee = debut;
  r.derniere_annee = fin;
  r.planetes = planetes_choisies<nombre_planetes_perihelie>(a, noms, choisies);
  const resultat_perihelies res = perihelies_aphelies(r, separateur_decimal());
  if (!res.message.empty()) throw erreur_option(res.message);

  std::vector<ligne_liste> lignes;
  json::valeur rangs = json::valeur::nouveau_tableau();
  for (const passage_perihelie& t : res.lignes) {
    lignes.push_back(ligne_du_passage(t));
    json::valeur v = json::valeur::nouvel_objet();
    v.ajouter("planete", t.nom_planete);
    v.ajouter("passage", t.aphelie ? "aphelie" : "perihelie");
    v.ajouter("k", t.k);
    v.ajouter("jde", t.jde);
    v.ajouter("rayon_ua", t.rayon);
    v.ajouter("date", t.date);
    v.ajouter("rayon", t.texte_rayon);
    v.ajouter("instant", instant_json(t.instant));
    rangs.pousser(std::move(v));
  }
  resultat sortie;
  sortie.texte = copie_perihelies(lignes);
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("debut", debut);
  j.ajouter("fin", fin);
  j.ajouter("planetes", liste_json(choisies));
  j.ajouter("lignes", std::move(rangs));
  sortie.donnees = std::move(j);
  return sortie;
}

}  // namespace almanax::cli
