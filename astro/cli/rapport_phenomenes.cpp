// `astro --rapport phenomenes`: one search of the "Phénomènes Planétaires" page into
// its empty list, printed as the page's "&Copie" report.
#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/phenomene.h"
#include "cli/cli.h"
#include "cli/debut_recherche.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

resultat rapport_phenomenes(arguments& a) {
  resultat sortie;
  const recherche_phenomenes r = demande_planetes<recherche_phenomenes, nombre_planetes_phenomene>(
      a, sortie.entrees, [](std::size_t p) { return nom_planete_phenomene(static_cast<planete_phenomene>(p)); });
  const bool ics = calendrier_demande(a);
  const resultat_phenomenes res = phenomenes_planetaires(r, {}, a.echelle());
  if (!res.message.empty()) throw erreur_option(res.message);
  if (ics) {
    sortie.calendrier = calendrier_phenomenes(res.lignes);
    return sortie;
  }

  // The search keeps its years of TT; its start is read as typed.
  sortie.jde_reference = jde_debut_recherche(r.premiere_annee, 1, a.echelle());
  std::vector<ligne_liste> lignes;
  std::vector<int> decalages;
  QJsonArray evenements;
  for (const phenomene_trouve& t : res.lignes) {
    lignes.push_back(ligne_du_phenomene(t));
    if (a.echelle().legale()) decalages.push_back(t.decalage);
    if (!a.json()) continue;  // the JSON is built only when it is printed
    QJsonObject v = evenement_json(t.jde, a.echelle());
    v["planete"] = genre_json(t.nom_planete);
    v["genre"] = genre_json(t.phenomene);
    v["k"] = static_cast<double>(t.k);
    v["date"] = chaine_json(t.date);
    evenements.append(v);
  }
  sortie.texte = copie_phenomenes_avec_decalages(lignes, decalages);
  sortie.donnees["evenements"] = evenements;
  return sortie;
}

}  // namespace almanax::cli
