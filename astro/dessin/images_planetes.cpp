#include "dessin/images_planetes.h"

#include <QPainter>
#include <QPixmap>
#include <array>
#include <map>

#include "calcul/pages/perihelie.h"

namespace almanax::dessin {

namespace {

struct image_planete {
  int image;
  QRgb couleur;
};

constexpr std::array<image_planete, 8> images{{
    {4, qRgb(150, 140, 130)},  // Mercure
    {5, qRgb(235, 215, 150)},  // Vénus
    {6, qRgb(205, 80, 45)},    // Mars
    {7, qRgb(215, 170, 120)},  // Jupiter
    {8, qRgb(220, 195, 110)},  // Saturne
    {9, qRgb(130, 210, 220)},  // Uranus
    {10, qRgb(60, 100, 220)},  // Neptune
    {12, qRgb(50, 120, 200)},  // Terre
}};

QIcon dessiner(QRgb couleur) {
  QPixmap p(12, 12);
  p.fill(Qt::transparent);
  QPainter d(&p);
  d.setRenderHint(QPainter::Antialiasing);
  d.setPen(QColor(60, 60, 60));
  d.setBrush(QColor(couleur));
  d.drawEllipse(QRectF(1, 1, 10, 10));
  return QIcon(p);
}

}  // namespace

QIcon icone_planete(int image) {
  // Drawn once; the lists ask for them on every repaint.
  static std::map<int, QIcon> faites;
  auto it = faites.find(image);
  if (it != faites.end()) return it->second;
  for (const image_planete& i : images)
    if (i.image == image) return faites[image] = dessiner(i.couleur);
  return {};
}

QIcon icone_du_nom(std::string_view nom) {
  // The perihelion page's planets are every planet of the lists.
  for (int p = 0; p < nombre_planetes_perihelie; ++p) {
    const auto pl = static_cast<planete_perihelie>(p);
    if (nom == nom_planete_perihelie(pl)) return icone_planete(image_perihelie(pl));
  }
  return {};
}

}  // namespace almanax::dessin
