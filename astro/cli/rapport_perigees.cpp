// `astro --rapport perigees`: the "Péri. et Apogée" page for a span of years, printed
// as its "&Copie" report.
#include <QJsonDocument>
#include <ostream>
#include <sstream>

#include "calcul/delta_t.h"
#include "calcul/heures_des_listes.h"
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

// The streamed document with the result's "delta_t_s", which the toolkit writes before
// "evenements" (keys in alphabetical order): the document is written into a buffer,
// the member put in after `"resultat":{` once, and the buffer handed on after each
// piece.
class document_avec_delta_t {
 public:
  document_avec_delta_t(std::ostream& out, const QJsonObject& entrees, long double delta_t)
      : out_(out), document_(tampon_, "perigees", entrees) {
    std::string tete = tampon_.str();
    const std::string membre = QJsonDocument(QJsonObject{{"delta_t_s", nombre_json(delta_t)}})
                                   .toJson(QJsonDocument::Compact)
                                   .toStdString();  // {"delta_t_s":69.18}
    const std::string_view resultat = "\"resultat\":{";
    const std::size_t ici = tete.rfind(resultat);
    if (ici != std::string::npos) tete.insert(ici + resultat.size(), membre.substr(1, membre.size() - 2) + ",");
    out_ << tete;
    vider();
  }
  void evenement(const QJsonObject& e) {
    document_.evenement(e);
    out_ << tampon_.str();
    vider();
  }
  void terminer(std::string_view texte) {
    document_.terminer(texte);
    out_ << tampon_.str();
    vider();
  }

 private:
  void vider() { tampon_.str({}); }
  std::ostream& out_;
  std::ostringstream tampon_;
  document_json_au_fil document_;
};

}  // namespace

resultat rapport_perigees(arguments& a) {
  resultat res;
  const auto [debut, fin] = annees_de_recherche(a, res.entrees);
  const std::vector<std::string> types = a.liste("types", {"périgée", "apogée"}, {"périgée", "apogée"});
  bool perigees = false, apogees = false;
  for (const std::string& t : types) (t == "périgée" ? perigees : apogees) = true;
  res.entrees["types"] = genres_json(types);
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
    document_avec_delta_t document(out, entrees, delta_t);
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
