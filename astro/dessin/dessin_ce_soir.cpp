#include "dessin/dessin_ce_soir.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>

#include "calcul/pages/planetarium.h"

namespace almanax::dessin {

namespace {

constexpr long double hauteur_min = -20, hauteur_max = 90;  // degrees shown

// The sky's shade for the Sun's altitude: day, civil, nautical, astronomical twilight, night.
QColor teinte_ciel(long double soleil) {
  if (soleil > hauteur_coucher_soleil) return QColor(214, 228, 250);
  if (soleil > hauteur_crepuscule_civil) return QColor(160, 180, 222);
  if (soleil > hauteur_crepuscule_nautique) return QColor(110, 132, 184);
  if (soleil > hauteur_crepuscule_astronomique) return QColor(66, 84, 138);
  return QColor(30, 40, 82);
}

// The planetaria's colour of each body (the geocentric map's).
QColor couleur(corps_ce_soir c) {
  static const corps_geo geo[] = {corps_geo::lune,    corps_geo::mercure, corps_geo::venus,  corps_geo::mars,
                                  corps_geo::jupiter, corps_geo::saturne, corps_geo::uranus, corps_geo::neptune};
  const couleur_corps& k = couleurs_geo[static_cast<int>(geo[static_cast<int>(c)])];
  return QColor(k.r, k.g, k.b);
}

QFont police(int points, bool gras = false) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setPointSize(points);
  f.setBold(gras);
  return f;
}

}  // namespace

QImage image_ce_soir(const resultat_ce_soir& r, int largeur, int hauteur,
                     const std::array<bool, nombre_corps_ce_soir>& dessines) {
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(police(9));
  const QFontMetrics fm(p.font());
  const int gauche = 40, droite = largeur - 10, haut = 42, bas = hauteur - 28;
  const std::size_t n = r.instants.size();
  if (n < 2) return image;
  const auto x_de = [&](std::size_t i) {
    return gauche + (droite - gauche) * static_cast<double>(i) / static_cast<double>(n - 1);
  };
  const auto y_de = [&](long double h) {
    const long double f = (std::clamp(h, hauteur_min - 5, hauteur_max) - hauteur_min) / (hauteur_max - hauteur_min);
    return static_cast<double>(bas - (bas - haut) * f);
  };

  // The sky's shade, column by column, from the Sun's altitude.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    // Whole pixels, so that neighbouring bands leave no seam.
    const int x0 = static_cast<int>(std::lround(x_de(i))), x1 = static_cast<int>(std::lround(x_de(i + 1)));
    p.fillRect(QRect(x0, haut, x1 - x0 + 1, bas - haut),
               teinte_ciel((r.hauteurs_soleil[i] + r.hauteurs_soleil[i + 1]) / 2));
  }
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(gauche, haut, droite - gauche, bas - haut));

  // Altitude scale, the horizon and the 10° line.
  for (int h = -20; h <= 90; h += 10) {
    const double y = y_de(h);
    const bool horizon = h == 0, observable = h == 10;
    p.setPen(QPen(horizon      ? QColor(20, 20, 20)
                  : observable ? QColor(250, 250, 250)
                               : QColor(150, 150, 170),
                  horizon ? 2 : 1,
                  horizon      ? Qt::SolidLine
                  : observable ? Qt::DashLine
                               : Qt::DotLine));
    p.drawLine(QPointF(gauche, y), QPointF(droite, y));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, y - fm.height() / 2.0, gauche - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1°").arg(h));
  }

  // Hours: a mark at each whole even hour of the page's time scale.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const long double a = r.heures[i], b = r.heures[i + 1] < a ? r.heures[i + 1] + 24 : r.heures[i + 1];
    for (long double h = std::ceil(a - 1e-6L); h <= b + 1e-6L; h += 1) {
      if (h < a + 1e-6L && i > 0) continue;  // drawn with the interval before
      const int heure = static_cast<int>(std::fmod(h, 24.0L));
      if (heure % 2 != 0) continue;
      const double x = x_de(i) + (x_de(i + 1) - x_de(i)) * static_cast<double>((h - a) / (b - a));
      p.setPen(QPen(QColor(150, 150, 170), 1, Qt::DotLine));
      p.drawLine(QPointF(x, haut), QPointF(x, bas));
      p.setPen(Qt::black);
      p.drawText(QRectF(x - 20, bas + 2, 40, fm.height()), Qt::AlignCenter, QStringLiteral("%1 h").arg(heure));
    }
  }

  // The curves, each over a dark edge so that the light ones read on the day's shade.
  p.setClipRect(QRectF(gauche, haut, droite - gauche, bas - haut));
  for (int k = 0; k < nombre_corps_ce_soir; ++k) {
    if (!dessines[k]) continue;
    QPainterPath chemin;
    for (std::size_t i = 0; i < n; ++i) {
      const QPointF pt(x_de(i), y_de(r.hauteurs[k][i]));
      if (i == 0)
        chemin.moveTo(pt);
      else
        chemin.lineTo(pt);
    }
    p.setPen(QPen(QColor(0, 0, 0, 160), 4));
    p.drawPath(chemin);
    p.setPen(QPen(couleur(static_cast<corps_ce_soir>(k)), 2));
    p.drawPath(chemin);
  }
  p.setClipping(false);

  // Title and legend.
  p.setPen(Qt::black);
  p.setFont(police(10, true));
  p.drawText(QRectF(0, 2, largeur, 18), Qt::AlignCenter, QString::fromStdString(r.titre));
  p.setFont(police(9));
  double x = gauche;
  for (int k = 0; k < nombre_corps_ce_soir; ++k) {
    if (!dessines[k]) continue;
    const QString nom = QString::fromUtf8(nom_corps_ce_soir(static_cast<corps_ce_soir>(k)));
    p.fillRect(QRectF(x, 25, 14, 8), Qt::black);
    p.fillRect(QRectF(x + 1, 26, 12, 6), couleur(static_cast<corps_ce_soir>(k)));
    p.setPen(Qt::black);
    p.drawText(QRectF(x + 17, 20, fm.horizontalAdvance(nom) + 4, 18), Qt::AlignLeft | Qt::AlignVCenter, nom);
    x += 17 + fm.horizontalAdvance(nom) + 14;
  }
  return image;
}

}  // namespace almanax::dessin
