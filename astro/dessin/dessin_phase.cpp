#include "dessin/dessin_phase.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace almanax::dessin {

namespace {

// The box of an ellipse given by two opposite corners, as the drawing describes it
// on a grid of 0..100: the last row and column of a box are not part of it, so the
// disc (0, 0)-(100, 100) covers exactly the 100 x 100 pixels of the picture.
QRectF boite(int x1, int y1, int x2, int y2) {
  const int gauche = std::min(x1, x2), droite = std::max(x1, x2);
  const int haut = std::min(y1, y2), bas = std::max(y1, y2);
  return QRectF(gauche, haut, std::max(0, droite - gauche - 1), std::max(0, bas - haut - 1));
}

// Half of the ellipse in `b`, from its bottom to its top through its right side (or
// its left side), as a line through whole pixels. Both halves drawn on a picture start
// and end on the same two pixels, so together they close the lit part exactly (the
// toolkit's own arcs may stop a pixel short).
QPolygon demi_ellipse(const QRectF& b, bool par_la_droite) {
  constexpr int pas = 64;
  const double cx = b.center().x(), cy = b.center().y();
  const double rx = b.width() / 2, ry = b.height() / 2;
  QPolygon points;
  for (int k = 0; k <= pas; ++k) {
    const double a = M_PI * (double(k) / pas - 0.5);  // -90 (bottom) .. +90 (top) degrees
    const double x = par_la_droite ? cx + rx * std::cos(a) : cx - rx * std::cos(a);
    points << QPoint(qRound(x), qRound(cy - ry * std::sin(a)));
  }
  return points;
}

}  // namespace

void remplir(QImage& image, QPoint depart, const QColor& couleur) {
  if (!image.rect().contains(depart)) return;
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
    image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb ancienne = image.pixel(depart);
  const QRgb nouvelle = couleur.rgba();
  if (ancienne == nouvelle) return;
  // Row by row: each run of the old colour is filled whole, then the rows above and
  // below are searched for runs touching it.
  std::vector<QPoint> pile{depart};
  const int largeur = image.width(), hauteur = image.height();
  while (!pile.empty()) {
    const QPoint p = pile.back();
    pile.pop_back();
    auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
    if (ligne[p.x()] != ancienne) continue;
    int g = p.x(), d = p.x();
    while (g > 0 && ligne[g - 1] == ancienne) --g;
    while (d < largeur - 1 && ligne[d + 1] == ancienne) ++d;
    std::fill(ligne + g, ligne + d + 1, nouvelle);
    for (const int y : {p.y() - 1, p.y() + 1}) {
      if (y < 0 || y >= hauteur) continue;
      const auto* voisine = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      bool dans_une_suite = false;
      for (int x = g; x <= d; ++x) {
        const bool a_remplir = voisine[x] == ancienne;
        if (a_remplir && !dans_une_suite) pile.emplace_back(x, y);
        dans_une_suite = a_remplir;
      }
    }
  }
}

QImage image_vide(const QColor& fond) {
  QImage image(cote_phase, cote_phase, QImage::Format_RGB32);
  image.fill(fond);
  return image;
}

QImage image_phase(int pourcentage, const QColor& trait, const QColor& fond) {
  const int p = std::clamp(pourcentage, 0, 100);
  QImage image(cote_phase, cote_phase, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing, false);
    peintre.setBrush(Qt::NoBrush);
    QPen pen(trait, 0, Qt::DotLine);
    peintre.setPen(pen);
    const QRectF disque = boite(0, 0, 100, 100);
    peintre.drawEllipse(disque);
    if (p > 0) {
      pen.setStyle(Qt::SolidLine);
      peintre.setPen(pen);
      // The lit limb: the right half of the disc, from the bottom up.
      const QPolygon limbe = demi_ellipse(disque, true);
      peintre.drawPolyline(limbe);
      // The terminator, from the same bottom to the same top: its right half for a
      // crescent, its left half past the quarter.
      peintre.drawPolyline(demi_ellipse(boite(100 - p, 0, p, 100), p < 50));
      // Near the quarter the terminator is too thin to close the lit part.
      if (p >= 49 && p <= 51) peintre.drawLine(limbe.first(), limbe.last());
    }
  }
  for (const QPoint coin : {QPoint(1, 1), QPoint(1, 99), QPoint(99, 1), QPoint(99, 99)}) remplir(image, coin, fond);
  return image;
}

}  // namespace almanax::dessin
