// `astro --rapport eclipses`: one search of the "Eclipses" page into its empty box,
// printed as the page's "&Copie" report.

#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/eclipses.h"
#include "cli/cli.h"
#include "cli/debut_recherche.h"
#include "cli/recherche_annees.h"

namespace almanax::cli {

namespace {

// The kind of an eclipse, in the words of the page's text.
const char* libelle_genre(const eclipse_trouvee& e) {
  if (e.type == astre_eclipse::lune) {
    switch (e.genre_lune) {
      case genre_eclipse_lunaire::penombre:
        return "Partielle dans la pénombre";
      case genre_eclipse_lunaire::partielle:
        return "Partielle";
      case genre_eclipse_lunaire::totale:
        return "Totale";
    }
  }
  switch (e.genre_soleil) {
    case genre_eclipse_solaire::totale_centrale:
      return "Totale centrale";
    case genre_eclipse_solaire::annulaire_centrale:
      return "Annulaire centrale";
    case genre_eclipse_solaire::annulaire_totale_centrale:
      return "Annulaire totale centrale";
    case genre_eclipse_solaire::annulaire_partielle_centrale:
      return "Annulaire partielle centrale";
    case genre_eclipse_solaire::partielle_non_centrale:
      return "Partielle non-centrale";
  }
  return "";
}

// A contact as an event: the maximum - (sens -1) or + (sens +1) a semi-duration in
// minutes; null when the phase does not happen (semi-duration 0).
QJsonValue contact(long double jde, long double demi_duree_min, int sens, const echelle_temps& echelle) {
  if (!(demi_duree_min > 0)) return QJsonValue(QJsonValue::Null);
  return evenement_json(jde + sens * demi_duree_min / 1440, echelle);
}

}  // namespace

resultat rapport_eclipses(arguments& a) {
  resultat res;
  const auto [debut, fin] =
      annees_de_recherche(a, res.entrees, "La date de départ doit être inférieure à l'année de fin des recherches.");
  const std::vector<std::string> type = a.liste("type", {"lunaire"}, {"solaire", "lunaire"});
  if (type.size() != 1) throw erreur_option("Valeur invalide pour --type : un seul type (solaire ou lunaire).");
  const bool soleil = type[0] == "solaire";
  res.entrees["type"] = genre_json(type[0]);

  const bool ics = calendrier_demande(a);
  const echelle_temps& echelle = a.echelle();
  const resultat_eclipses r = recherche_eclipses(debut, fin, soleil ? astre_eclipse::soleil : astre_eclipse::lune,
                                                 boite_eclipses{}, separateur_decimal(), echelle);
  // The search keeps its years of TT; its start is read as typed.
  res.jde_reference = jde_debut_recherche(debut, 1, echelle);

  if (ics) {
    res.calendrier = calendrier_eclipses(r.eclipses);
    return res;
  }
  const std::string mention =
      echelle.legale() && !r.eclipses.empty() ? mention_heure_legale(r.eclipses.front().decalage) : std::string();
  res.texte = copie_eclipses(r.texte, mention);
  if (!a.json()) return res;  // the JSON is built only when it is printed
  QJsonArray evenements;
  for (const eclipse_trouvee& e : r.eclipses) {
    QJsonObject v = evenement_json(e.jde, a.echelle());
    v["genre"] = genre_json(libelle_genre(e));
    v["k"] = nombre_json(e.k);
    v["gamma"] = nombre_json(e.gamma);
    v["u"] = nombre_json(e.u);
    if (soleil) {
      v["rayon_penombre"] = nombre_json(e.rayon_penombre);
      v["magnitude"] = e.genre_soleil == genre_eclipse_solaire::partielle_non_centrale ? nombre_json(e.magnitude)
                                                                                       : QJsonValue(QJsonValue::Null);
    } else {
      v["magnitude_penombre"] = nombre_json(e.magnitude_penombre);
      v["magnitude_ombre"] = nombre_json(e.magnitude_ombre);
      v["demi_duree_penombre_min"] = nombre_json(e.demi_duree_penombre);
      v["demi_duree_partielle_min"] = nombre_json(e.demi_duree_partielle);
      v["demi_duree_totale_min"] = nombre_json(e.demi_duree_totale);
      v["premier_contact_penombre"] = contact(e.jde, e.demi_duree_penombre, -1, a.echelle());
      v["premier_contact_ombre"] = contact(e.jde, e.demi_duree_partielle, -1, a.echelle());
      v["debut_totalite"] = contact(e.jde, e.demi_duree_totale, -1, a.echelle());
      v["fin_totalite"] = contact(e.jde, e.demi_duree_totale, 1, a.echelle());
      v["dernier_contact_ombre"] = contact(e.jde, e.demi_duree_partielle, 1, a.echelle());
      v["dernier_contact_penombre"] = contact(e.jde, e.demi_duree_penombre, 1, a.echelle());
    }
    v["texte"] = chaine_json(e.texte);
    evenements.append(v);
  }
  res.donnees["lunaisons"] = static_cast<double>(r.candidats);
  res.donnees["evenements"] = evenements;
  return res;
}

}  // namespace almanax::cli
