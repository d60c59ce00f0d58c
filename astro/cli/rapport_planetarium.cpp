// `astro --rapport planetarium-helio` and `--rapport planetarium-geo`: the two
// planetaria for one date and time. The text gives the picture's title, the Julian
// day and one line per body drawn (its coordinates as the information panel writes
// them and the pixel of its disc's centre); --image FICHIER also draws the page's
// picture into a BMP or PNG file, without a window.
#include "calcul/pages/planetarium.h"
#include "calcul/rapport.h"
#include "cli/cli.h"
#include "cli/image_cli.h"
#include "cli/recherche_annees.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

namespace {

// --planetes: the bodies drawn (the page's tool buttons down), all by default.
template <std::size_t N>
std::array<bool, N> corps_choisis(arguments& a, const std::array<std::string_view, N>& noms, QJsonObject& entrees) {
  return planetes_choisies<N>(a, std::vector<std::string>(noms.begin(), noms.end()), entrees);
}

std::string position_texte(const pixel& p) {
  return "x = " + std::to_string(p.x) + ", y = " + std::to_string(p.y);
}

// The picture's common part: size, Julian day, title; the instant and its ΔT.
void ajouter_image(resultat& res, const instant_planetarium& i, int largeur, int hauteur, const std::string& titre,
                   const std::string& texte_jour_julien, const echelle_temps& echelle) {
  res.jde_reference = i.jour_julien;
  QJsonObject& j = res.donnees;
  j["jour_julien"] = valeur_et_texte(i.jour_julien, texte_jour_julien);
  j["instant"] = evenement_json(i.jour_julien, echelle);
  j["date_utilisee"] = date_json(i.instant.date);
  j["largeur"] = largeur;
  j["hauteur"] = hauteur;
  j["titre"] = chaine_json(titre);
}

// Outside the years of its series, a map that shows Pluto says so after the bodies.
void ajouter_pluton(resultat& res, const std::string& avertissement, bool montre) {
  if (!montre || avertissement.empty()) return;
  res.texte += avertissement + std::string(crlf);
  res.donnees["avertissement_pluton"] = chaine_json(avertissement);
}

std::string lignes_en_tete(const std::string& titre, const std::string& jour_julien) {
  return titre + std::string(crlf) + jour_julien + std::string(crlf) + std::string(crlf);
}

}  // namespace

resultat rapport_planetarium_helio(arguments& a) {
  resultat res;
  const instant_saisi i = instant_des_options(a, res.entrees);
  const std::array<bool, nombre_planetes> montrees = corps_choisis(a, noms_planetes, res.entrees);
  const resultat_helio r = calcul_helio(i, largeur_helio, hauteur_helio, separateur_decimal(), a.echelle());
  ecrire_image_demandee(a, dessinateurs().helio, r, montrees);

  res.texte = lignes_en_tete(r.titre, r.jour_julien);
  QJsonArray planetes;
  for (const planete_helio& p : r.planetes) {
    const int k = static_cast<int>(p.p);
    if (montrees[k])
      res.texte += ligne_rapport(std::string(nom_planete(p.p)) + " ",
                                 p.texte_longitude + "\t" + p.texte_rayon + "\t" + position_texte(p.position));
    planetes.append(QJsonObject{{"planete", genre_json(nom_planete(p.p))},
                                {"montree", montrees[k]},
                                {"longitude_deg", valeur_et_texte(p.longitude, p.texte_longitude)},
                                {"rayon_ua", valeur_et_texte(p.rayon, p.texte_rayon)},
                                {"x", p.position.x},
                                {"y", p.position.y}});
  }
  ajouter_pluton(res, r.avertissement_pluton, montrees[static_cast<int>(planete::pluton)]);
  ajouter_image(res, r.instant, r.largeur, r.hauteur, r.titre, r.jour_julien, a.echelle());
  const pixel soleil = centre_helio(r.largeur, r.hauteur);
  res.donnees["soleil"] = QJsonObject{{"x", soleil.x}, {"y", soleil.y}};
  res.donnees["planetes"] = planetes;
  return res;
}

resultat rapport_planetarium_geo(arguments& a) {
  resultat res;
  const instant_saisi i = instant_des_options(a, res.entrees);
  const std::array<bool, nombre_corps_geo> montres = corps_choisis(a, noms_corps_geo, res.entrees);
  const resultat_geo r = calcul_geo(i, largeur_geo, hauteur_geo, separateur_decimal(), a.echelle());
  ecrire_image_demandee(a, dessinateurs().geo, r, montres);

  const std::string liste = liste_corps_geo(montres);
  res.texte =
      r.titre + std::string(crlf) + liste + std::string(crlf) + r.jour_julien + std::string(crlf) + std::string(crlf);
  QJsonArray astres;
  for (int k = 0; k < nombre_corps_geo; ++k) {
    const astre_geo& c = r.astres[k];
    if (montres[k])
      res.texte += ligne_rapport(std::string(noms_corps_geo[k]) + " ",
                                 c.texte_alpha + "\t" + c.texte_delta + "\t" + position_texte(c.position));
    astres.append(QJsonObject{{"corps", genre_json(noms_corps_geo[k])},
                              {"montre", montres[k]},
                              {"ascension_droite_deg", valeur_et_texte(c.alpha, c.texte_alpha)},
                              {"declinaison_deg", valeur_et_texte(c.delta, c.texte_delta)},
                              {c.corps == corps_geo::lune ? "distance_km" : "distance_ua", nombre_json(c.distance)},
                              {"x", c.position.x},
                              {"y", c.position.y}});
  }
  ajouter_pluton(res, r.avertissement_pluton, montres[static_cast<int>(corps_geo::pluton)]);
  ajouter_image(res, r.instant, r.largeur, r.hauteur, r.titre, r.jour_julien, a.echelle());
  res.donnees["liste"] = chaine_json(liste);
  res.donnees["equateur_y"] = equateur_geo(r.hauteur);
  res.donnees["astres"] = astres;
  return res;
}

}  // namespace almanax::cli
