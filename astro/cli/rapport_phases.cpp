// `astro --rapport phases`: the "Phases de la Lune" page for a starting month and
// year, printed as its "&Copie" report with the six months checked.
#include "calcul/phases.h"
#include "cli/cli.h"

namespace almanax::cli {

resultat rapport_phases(arguments& a) {
  const date_jma aujourd = aujourd_hui();
  // The page's spin buttons: month 1..12, year -4713..9999 used as it stands.
  const int mois = static_cast<int>(a.entier("mois", aujourd.mois, 1, 12));
  const long long annee = a.entier("annee", aujourd.annee, -4713, 9999);

  const resultat_phases r = phases_de_la_lune(mois, annee);

  resultat res;
  res.texte = copie_phases(r, {true, true, true, true, true, true});
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("mois", mois);
  j.ajouter("annee", annee);
  json::valeur listes = json::valeur::nouveau_tableau();
  for (const liste_phases& l : r.listes) {
    json::valeur liste = json::valeur::nouvel_objet();
    liste.ajouter("mois", l.mois);
    liste.ajouter("annee", l.annee);
    json::valeur phases = json::valeur::nouveau_tableau();
    for (const phase_trouvee& t : l.phases) {
      json::valeur p = json::valeur::nouvel_objet();
      p.ajouter("phase", t.ligne.libelle);
      p.ajouter("numero", static_cast<int>(t.phase));
      p.ajouter("lunaison", t.k);
      p.ajouter("jde", t.jde);
      p.ajouter("date", t.ligne.colonnes.at(0));
      p.ajouter("heure", t.ligne.colonnes.at(1));
      phases.pousser(std::move(p));
    }
    liste.ajouter("phases", std::move(phases));
    listes.pousser(std::move(liste));
  }
  j.ajouter("listes", std::move(listes));
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
