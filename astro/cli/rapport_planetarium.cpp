// `astro --rapport planetarium-helio` and `--rapport planetarium-geo`: the two
// planetaria for one date and time. The text gives the picture's title, the Julian
// day and one line per body (its coordinates as the information panel writes them and
// the pixel of its disc's centre); --image FICHIER also draws the page's picture into
// a BMP or PNG file, without a window.
#include <QGuiApplication>
#include <QPalette>

#include "calcul/planetarium.h"
#include "calcul/rapport.h"
#include "cli/cli.h"
#include "dessin/dessin_planetarium.h"
#include "dessin/image_fichier.h"

namespace almanax::cli {

namespace {

instant_saisi instant_des_options(arguments& a) {
  instant_saisi i;
  i.date = a.date("date", aujourd_hui());
  const heure_hms h = a.heure("heure", maintenant());
  i.heure = h.heure;
  i.minute = h.minute;
  i.seconde = h.seconde;
  return i;
}

// --corps: the bodies drawn (the page's tool buttons), all by default; "aucun" for none.
template <std::size_t N>
std::array<bool, N> corps_choisis(arguments& a, const std::array<std::string_view, N>& noms) {
  std::vector<std::string> permis(noms.begin(), noms.end());
  permis.emplace_back("aucun");
  const std::vector<std::string> choix = a.liste("corps", {permis.begin(), permis.end() - 1}, permis);
  std::array<bool, N> montres{};
  for (const std::string& c : choix)
    for (std::size_t k = 0; k < N; ++k)
      if (noms[k] == c) montres[k] = true;
  return montres;
}

// Draws the picture into the file named by --image, when given.
template <class Dessin>
void image_demandee(arguments& a, Dessin dessiner) {
  const std::string fichier = a.texte("image", "");
  if (fichier.empty()) return;
  dessin::assurer_contexte_dessin();
  const QImage image = dessiner(QGuiApplication::palette().color(QPalette::Button));
  const std::string erreur = dessin::enregistrer_image(image, QString::fromStdString(fichier));
  if (!erreur.empty()) throw erreur_option(erreur);
}

std::string position_texte(const pixel& p) {
  return "x = " + std::to_string(p.x) + ", y = " + std::to_string(p.y);
}

void ajouter_pixel(json::valeur& j, const pixel& p) {
  j.ajouter("x", p.x);
  j.ajouter("y", p.y);
}

void ajouter_instant(json::valeur& j, const instant_planetarium& i, int largeur, int hauteur) {
  j.ajouter("date", std::to_string(i.instant.date.jour) + "/" + std::to_string(i.instant.date.mois) + "/" +
                        std::to_string(i.instant.date.annee));
  j.ajouter("heure", texte_heure(i.instant.heure, i.instant.minute, i.instant.seconde));
  j.ajouter("jour_julien", i.jour_julien);
  j.ajouter("largeur", largeur);
  j.ajouter("hauteur", hauteur);
}

}  // namespace

resultat rapport_planetarium_helio(arguments& a) {
  const instant_saisi i = instant_des_options(a);
  const std::array<bool, nombre_planetes> montrees = corps_choisis(a, noms_planetes);
  const resultat_helio r = calcul_helio(i, largeur_helio, hauteur_helio, separateur_decimal());
  image_demandee(a, [&](const QColor& fond) { return dessin::image_helio(r, montrees, fond); });

  resultat res;
  res.texte = r.titre + std::string(crlf) + r.jour_julien + std::string(crlf) + std::string(crlf);
  json::valeur planetes = json::valeur::nouveau_tableau();
  for (const planete_helio& p : r.planetes) {
    const int k = static_cast<int>(p.p);
    if (montrees[k])
      res.texte += ligne_rapport(std::string(nom_planete(p.p)) + " ",
                                 p.texte_longitude + "\t" + p.texte_rayon + "\t" + position_texte(p.position));
    json::valeur j = json::valeur::nouvel_objet();
    j.ajouter("planete", std::string(nom_planete(p.p)));
    j.ajouter("index_planete", k);
    j.ajouter("montree", montrees[k]);
    j.ajouter("longitude_deg", p.longitude);
    j.ajouter("rayon_ua", p.rayon);
    ajouter_pixel(j, p.position);
    json::valeur t = json::valeur::nouvel_objet();
    t.ajouter("longitude", p.texte_longitude);
    t.ajouter("rayon", p.texte_rayon);
    j.ajouter("textes", std::move(t));
    planetes.pousser(std::move(j));
  }
  res.donnees = json::valeur::nouvel_objet();
  ajouter_instant(res.donnees, r.instant, r.largeur, r.hauteur);
  res.donnees.ajouter("titre", r.titre);
  res.donnees.ajouter("texte_jour_julien", r.jour_julien);
  const pixel soleil = centre_helio(r.largeur, r.hauteur);
  json::valeur s = json::valeur::nouvel_objet();
  ajouter_pixel(s, soleil);
  res.donnees.ajouter("soleil", std::move(s));
  res.donnees.ajouter("planetes", std::move(planetes));
  return res;
}

resultat rapport_planetarium_geo(arguments& a) {
  const instant_saisi i = instant_des_options(a);
  const std::array<bool, nombre_corps_geo> montres = corps_choisis(a, noms_corps_geo);
  const resultat_geo r = calcul_geo(i, largeur_geo, hauteur_geo, separateur_decimal());
  image_demandee(a, [&](const QColor& fond) { return dessin::image_geo(r, montres, fond); });

  resultat res;
  const std::string liste = liste_corps_geo(montres);
  res.texte =
      r.titre + std::string(crlf) + liste + std::string(crlf) + r.jour_julien + std::string(crlf) + std::string(crlf);
  json::valeur astres = json::valeur::nouveau_tableau();
  for (int k = 0; k < nombre_corps_geo; ++k) {
    const astre_geo& c = r.astres[k];
    const std::string nom(noms_corps_geo[k]);
    if (montres[k])
      res.texte += ligne_rapport(nom + " ", c.texte_alpha + "\t" + c.texte_delta + "\t" + position_texte(c.position));
    json::valeur j = json::valeur::nouvel_objet();
    j.ajouter("corps", nom);
    j.ajouter("index_corps", k);
    j.ajouter("montre", montres[k]);
    j.ajouter("ascension_droite_deg", c.alpha);
    j.ajouter("declinaison_deg", c.delta);
    j.ajouter(c.corps == corps_geo::lune ? "distance_km" : "distance_ua", c.distance);
    ajouter_pixel(j, c.position);
    json::valeur t = json::valeur::nouvel_objet();
    t.ajouter("ascension_droite", c.texte_alpha);
    t.ajouter("declinaison", c.texte_delta);
    j.ajouter("textes", std::move(t));
    astres.pousser(std::move(j));
  }
  res.donnees = json::valeur::nouvel_objet();
  ajouter_instant(res.donnees, r.instant, r.largeur, r.hauteur);
  res.donnees.ajouter("titre", r.titre);
  res.donnees.ajouter("liste", liste);
  res.donnees.ajouter("texte_jour_julien", r.jour_julien);
  res.donnees.ajouter("equateur_y", equateur_geo(r.hauteur));
  res.donnees.ajouter("astres", std::move(astres));
  return res;
}

}  // namespace almanax::cli
