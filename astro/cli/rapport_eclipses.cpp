// `astro --rapport eclipses`: one search of the "Eclipses" page into its empty box,
// printed as the page's "&Copie" report.

#include "calcul/eclipses.h"
#include "cli/cli.h"

namespace almanax::cli {

namespace {


const char* nom_genre(const eclipse_trouvee& e) {
  if (e.type == type_eclipses::lune) {
    switch (e.genre_lune) {
      case genre_eclipse_lunaire::penombre: return "penombre";
      case genre_eclipse_lunaire::partielle: return "partielle";
      case genre_eclipse_lunaire::totale: return "totale";
    }
  }
  switch (e.genre_soleil) {
    case genre_eclipse_solaire::totale_centrale: return "totale_centrale";
    case genre_eclipse_solaire::annulaire_centrale: return "annulaire_centrale";
    case genre_eclipse_solaire::annulaire_totale_centrale: return "annulaire_totale_centrale";
    case genre_eclipse_solaire::annulaire_partielle_centrale: return "annulaire_partielle_centrale";
    case genre_eclipse_solaire::partielle_non_centrale: return "partielle_non_centrale";
  }
  return "";
}

// Contacts as instants: the maximum -+ a semi-duration in minutes (none when 0).
void ajouter_contacts(json::valeur& v, const char* debut, const char* fin, long double jde, long double demi_duree) {
  v.ajouter(debut, demi_duree > 0 ? json::valeur(jde - demi_duree / 1440) : json::valeur());
  v.ajouter(fin, demi_duree > 0 ? json::valeur(jde + demi_duree / 1440) : json::valeur());
}

}  // namespace

resultat rapport_eclipses(arguments& a) {
  const long long courante = aujourd_hui().annee;
  // The page's year spins: first year -4713..9998, last year -4712..9999.
  const long long debut = a.entier("debut", courante, -4713, 9998);
  const long long fin = a.entier("fin", debut + 1, -4712, 9999);
  if (debut >= fin) throw erreur_option("La date de départ doit être inférieure à l'année de fin des recherches.");
  const std::vector<std::string> type = a.liste("type", {"lunaire"}, {"solaire", "lunaire"});
  if (type.size() != 1) throw erreur_option("Valeur invalide pour --type : un seul type (solaire ou lunaire).");
  const bool soleil = type[0] == "solaire";

  const resultat_eclipses r =
      recherche_eclipses(debut, fin, soleil ? type_eclipses::soleil : type_eclipses::lune, true, separateur_decimal());

  resultat res;
  res.texte = copie_eclipses(r.texte);
  json::valeur eclipses = json::valeur::nouveau_tableau();
  for (const eclipse_trouvee& e : r.eclipses) {
    json::valeur v = json::valeur::nouvel_objet();
    v.ajouter("k", e.k);
    v.ajouter("jde", e.jde);
    v.ajouter("genre", nom_genre(e));
    v.ajouter("gamma", e.gamma);
    v.ajouter("u", e.u);
    if (soleil) {
      v.ajouter("rayon_penombre", e.rayon_penombre);
      v.ajouter("magnitude",
                e.genre_soleil == genre_eclipse_solaire::partielle_non_centrale ? json::valeur(e.magnitude) : json::valeur());
    } else {
      v.ajouter("magnitude_penombre", e.magnitude_penombre);
      v.ajouter("magnitude_ombre", e.magnitude_ombre);
      v.ajouter("demi_duree_penombre_min", e.demi_duree_penombre);
      v.ajouter("demi_duree_partielle_min", e.demi_duree_partielle);
      v.ajouter("demi_duree_totale_min", e.demi_duree_totale);
      ajouter_contacts(v, "premier_contact_penombre_jde", "dernier_contact_penombre_jde", e.jde, e.demi_duree_penombre);
      ajouter_contacts(v, "premier_contact_ombre_jde", "dernier_contact_ombre_jde", e.jde, e.demi_duree_partielle);
      ajouter_contacts(v, "debut_totalite_jde", "fin_totalite_jde", e.jde, e.demi_duree_totale);
    }
    v.ajouter("texte", e.texte);
    eclipses.pousser(std::move(v));
  }
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("debut", debut);
  j.ajouter("fin", fin);
  j.ajouter("type", type[0]);
  j.ajouter("lunaisons", r.candidats);
  j.ajouter("eclipses", std::move(eclipses));
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
