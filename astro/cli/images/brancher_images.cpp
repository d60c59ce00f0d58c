#include "cli/images/brancher_images.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>

#include "cli/image_cli.h"
#include "dessin/dessin_ce_soir.h"
#include "dessin/dessin_graphiques.h"
#include "dessin/dessin_planetarium.h"
#include "dessin/image_fichier.h"

namespace almanax::cli {

namespace {

// Draws in the offscreen drawing context and writes the file atomically.
template <class Dessin>
std::string ecrire(const std::string& fichier, const Dessin& dessiner) {
  dessin::assurer_contexte_dessin();
  return dessin::enregistrer_image(dessiner(), QString::fromLocal8Bit(fichier.c_str()));
}

// The desktop's button-face colour of the drawing context (the axes and the map's
// background); asked once the context exists.
QColor fond_boutons() {
  return QGuiApplication::palette().color(QPalette::Button);
}

}  // namespace

void brancher_images() {
  dessinateurs_images& t = dessinateurs();
  t.ce_soir = [](const resultat_ce_soir& r, const std::string& f) {
    return ecrire(f, [&] { return dessin::image_ce_soir(r); });
  };
  t.equation_du_temps = [](const courbe_equation_du_temps& c, const std::string& f) {
    return ecrire(f, [&] { return dessin::image_equation_du_temps(c); });
  };
  t.satellites = [](const graphique_satellites& g, const std::string& f) {
    return ecrire(f, [&] { return dessin::image_satellites(g); });
  };
  t.helio = [](const resultat_helio& r, const std::array<bool, nombre_planetes>& montrees, const std::string& f) {
    return ecrire(f, [&] { return dessin::image_helio(r, montrees, fond_boutons()); });
  };
  t.geo = [](const resultat_geo& r, const std::array<bool, nombre_corps_geo>& montres, const std::string& f) {
    return ecrire(f, [&] { return dessin::image_geo(r, montres, fond_boutons()); });
  };
}

}  // namespace almanax::cli
