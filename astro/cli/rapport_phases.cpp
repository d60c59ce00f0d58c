// `astro --rapport phases`: the "Phases de la Lune" page for a starting month and
// year, printed as its "&Copie" report with the six months checked.
#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/phases.h"
#include "cli/cli.h"
#include "cli/debut_recherche.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

resultat rapport_phases(arguments& a) {
  const date_jma aujourd = aujourd_hui();
  // The page's spin buttons: month 1..12, year -4713..9999 used as it stands.
  const int mois = static_cast<int>(a.entier("mois", aujourd.mois, 1, 12));
  const long long annee = a.entier("annee", aujourd.annee, -4713, 9999);

  const bool ics = calendrier_demande(a);
  const resultat_phases r = phases_de_la_lune(mois, annee, {}, a.echelle());

  resultat res;
  if (ics) {
    std::vector<const phase_trouvee*> phases;
    for (const liste_phases& l : r.listes)
      for (const phase_trouvee& t : l.phases) phases.push_back(&t);
    res.calendrier = calendrier_phases(phases);
    return res;
  }
  res.jde_reference = jde_debut_recherche(annee, mois, a.echelle());
  res.texte = copie_phases(r, {true, true, true, true, true, true});
  res.entrees = {{"mois", mois}, {"annee", static_cast<double>(annee)}};
  QJsonArray listes;
  for (const liste_phases& l : r.listes) {
    QJsonArray evenements;
    for (const phase_trouvee& t : l.phases) {
      QJsonObject p = evenement_json(t.jde, a.echelle());
      p["genre"] = genre_json(t.ligne.libelle);
      p["lunaison"] = nombre_json(t.k);
      p["date"] = chaine_json(t.ligne.colonnes.at(0));
      p["heure"] = chaine_json(t.ligne.colonnes.at(1));
      evenements.append(p);
    }
    listes.append(QJsonObject{{"mois", l.mois}, {"annee", static_cast<double>(l.annee)}, {"evenements", evenements}});
  }
  res.donnees["listes"] = listes;
  return res;
}

}  // namespace almanax::cli
