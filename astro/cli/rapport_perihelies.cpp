// `astro --rapport perihelies`: one search of the "Péri. et Aphélie" page into its
// empty list, printed as the page's "&Copie" report.
#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/perihelie.h"
#include "cli/cli.h"
#include "cli/debut_recherche.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

resultat rapport_perihelies(arguments& a) {
  resultat sortie;
  const recherche_perihelies r = demande_planetes<recherche_perihelies, nombre_planetes_perihelie>(
      a, sortie.entrees, [](std::size_t p) { return nom_planete_perihelie(static_cast<planete_perihelie>(p)); });
  const bool ics = calendrier_demande(a);
  const resultat_perihelies res = perihelies_aphelies(r, separateur_decimal(), {}, a.echelle());
  if (!res.message.empty()) throw erreur_option(res.message);
  if (ics) {
    sortie.calendrier = calendrier_perihelies(res.lignes);
    return sortie;
  }

  // The search keeps its years of TT; its start is read as typed.
  sortie.jde_reference = jde_debut_recherche(r.premiere_annee, 1, a.echelle());
  std::vector<ligne_liste> lignes;
  std::vector<int> decalages;
  QJsonArray evenements;
  for (const passage_perihelie& t : res.lignes) {
    lignes.push_back(ligne_du_passage(t));
    if (a.echelle().legale()) decalages.push_back(t.decalage);
    if (!a.json()) continue;  // the JSON is built only when it is printed
    QJsonObject v = evenement_json(t.jde, a.echelle());
    v["planete"] = genre_json(t.nom_planete);
    v["genre"] = genre_json(t.passage);
    v["k"] = nombre_json(t.k);
    v["date"] = chaine_json(t.date);
    v["rayon_ua"] = valeur_et_texte(t.rayon, t.texte_rayon);
    evenements.append(v);
  }
  sortie.texte = copie_perihelies_avec_decalages(lignes, decalages);
  sortie.donnees["evenements"] = evenements;
  return sortie;
}

}  // namespace almanax::cli
