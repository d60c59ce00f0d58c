// `astro --rapport perigees`: the "Péri. et Apogée" page for a span of years, printed
// as its "&Copie" report.
#include <ostream>

#include "calcul/delta_t.h"
#include "calcul/heures_des_listes.h"
#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/perigee_apogee.h"
#include "cli/cli.h"
#include "cli/debut_recherche.h"
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
  if (calendrier_demande(a)) {
    std::vector<passage_trouve> passages;
    parcourir_perigees_apogees(
        debut, fin, perigees, apogees, [&](passage_trouve&& p) { passages.push_back(std::move(p)); }, {}, a.echelle());
    res.calendrier = calendrier_perigees(passages);
    return res;
  }
  // The search keeps its years of TT (see perigees_apogees); its start is read as typed.
  res.jde_reference = jde_debut_recherche(debut, 1, a.echelle());

  // The whole span makes some 390,000 rows: each is written as it is found, and only
  // what is printed is built.
  if (!a.json()) {
    res.ecrire = [=, echelle = a.echelle()](std::ostream& out) {
      bool vide = true;
      suite_decalages suite(echelle.legale());
      parcourir_perigees_apogees(
          debut, fin, perigees, apogees,
          [&](passage_trouve&& p) {
            const std::string marque = suite.marque(p.decalage);
            if (vide) out << entete_copie_perigees_a(suite.mention());
            vide = false;
            out << ligne_copie_perigee(p.ligne, marque);
          },
          {}, echelle);
      if (!vide) out << crlf;
    };
    return res;
  }
  QJsonObject entrees = res.entrees;
  a.completer_entrees(entrees);
  res.ecrire = [=, echelle = a.echelle(), delta_t = delta_t_s(*res.jde_reference)](std::ostream& out) {
    document_json_au_fil document(out, "perigees", entrees, QJsonObject{{"delta_t_s", nombre_json(delta_t)}});
    std::string lignes;
    suite_decalages suite(echelle.legale());
    parcourir_perigees_apogees(
        debut, fin, perigees, apogees,
        [&](passage_trouve&& p) {
          lignes += ligne_copie_perigee(p.ligne, suite.marque(p.decalage));
          document.evenement(evenement(p, echelle));
        },
        {}, echelle);
    // The copy's text, the one thing held: nothing at all for an empty list.
    document.terminer(lignes.empty() ? std::string()
                                     : entete_copie_perigees_a(suite.mention()) + lignes + std::string(crlf));
  };
  return res;
}

}  // namespace almanax::cli
