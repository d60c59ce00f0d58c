#include "dessin/dessin_graphiques.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

namespace almanax::dessin {

namespace {

// Pictures are drawn without antialiasing: exact colours, one pixel per line as designed.
void preparer(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
}

QFont police(int points, bool gras) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setPointSize(points);
  f.setBold(gras);
  return f;
}

const QColor maroon(128, 0, 0);
const QColor lime(0, 255, 0);
const QColor fuchsia(255, 0, 255);

}  // namespace

QImage image_equation_du_temps(const courbe_equation_du_temps& c) {
  QImage image(c.largeur_image, c.hauteur_image, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  preparer(p);
  const int droite = c.largeur_image - 4;  // the grid's right end
  const int h = c.hauteur;

  p.setPen(QPen(Qt::black, 1));
  p.drawPolyline(QPolygon({{0, 0}, {0, h - 1}, {c.largeur_image - 1, h - 1}, {c.largeur_image - 1, 0}, {0, 0}}));

  // Minute scale: 5 minutes every 30 pixels, the zero line at y = 130.
  p.setFont(police(9, false));
  const QFontMetrics fm(p.font());
  static const char* const minutes[] = {"20", "15", "10", "5", "0", "-5", "-10", "-15", "-20"};
  const QColor couleurs[] = {Qt::black, maroon, lime, fuchsia, Qt::blue, fuchsia, lime, maroon, Qt::black};
  for (int i = 0; i <= 8; ++i) {
    const int y = 30 * i + 10;
    const QString texte = QString::fromLatin1(minutes[i]);
    p.setPen(Qt::black);
    p.drawText(QRect(0, y - fm.height() / 2, 30, fm.height()), Qt::AlignCenter, texte);
    p.setPen(QPen(couleurs[i], i == 4 ? 2 : 1, Qt::DotLine));
    p.drawLine(30, y, droite, y);
  }

  // Month lines; the last one closes the year and has no name.
  static const int mois_x[] = {30, 61, 90, 121, 151, 182, 212, 243, 273, 303, 334, 366, 396};
  static const char* const mois_noms[] = {"Jan",  "Fév", "Mar", "Avr", "Mai", "Jui",
                                          "Juil", "Aoû", "Sep", "Oct", "Nov", "Déc"};
  for (int j = 0; j <= 12; ++j) {
    p.setPen(QPen(Qt::black, 1, Qt::DashDotDotLine));
    p.drawLine(mois_x[j], 0, mois_x[j], h - 50);
    if (j == 12) continue;
    const QString nom = QString::fromUtf8(mois_noms[j]);
    const int l = fm.horizontalAdvance(nom);
    p.setPen(Qt::black);
    p.drawText(QRect(mois_x[j] + l / 2 - 2, h - 40 - fm.height() / 2, l + 2, fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, nom);
  }

  // The curve: one day per column, each joined to the one before by a vertical stroke.
  p.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::SquareCap));
  int precedent = 130;
  for (const point_equation& pt : c.points) {
    p.drawLine(pt.x, precedent, pt.x, pt.y);
    precedent = pt.y;
  }
  return image;
}

QImage image_satellites(const graphique_satellites& g, const std::array<bool, 4>& dessines) {
  const int w = g.largeur, h = g.hauteur;
  QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  preparer(p);

  p.setPen(QPen(QColor(255, 255, 0), 5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(0, g.y_jupiter, w, g.y_jupiter);

  // Day lines: solid at both ends, dotted between; the day numbers under the frame.
  p.setFont(police(12, true));
  const QFontMetrics fm_jours(p.font());
  for (const jour_grille& j : g.jours) {
    p.setPen(QPen(QColor(192, 192, 192), 1, Qt::SolidLine));
    p.drawLine(j.x, 0, j.x, 15);
    p.setPen(QPen(QColor(192, 192, 192), 1, Qt::DotLine));
    p.drawLine(j.x, 15, j.x, h - 50);
    p.setPen(QPen(QColor(192, 192, 192), 1, Qt::SolidLine));
    p.drawLine(j.x, h - 50, j.x, h - 65);
    const QString numero = QString::number(j.numero);
    const int l = fm_jours.horizontalAdvance(numero);
    p.setPen(Qt::black);
    p.drawText(QRect(j.x - l / 2 - 1, (h - 50) + fm_jours.height() / 2, l + 2, fm_jours.height()), Qt::AlignCenter,
               numero);
  }
  p.setFont(police(14, true));
  const QFontMetrics fm(p.font());
  p.setPen(QColor(255, 0, 0));
  p.drawText(QPoint(10, 15 + fm.ascent()), QStringLiteral("Est"));
  p.drawText(QPoint(10, h - fm.height() - 65 + fm.ascent()), QStringLiteral("Ouest"));

  const QColor couleurs[] = {QColor(128, 0, 0), QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 0)};
  for (std::size_t i = 0; i < ordre_satellites.size(); ++i) {
    if (!dessines[i] || g.points[i].empty()) continue;
    p.setPen(QPen(couleurs[i], 1));
    QPolygon ligne;
    for (const point_pixel& pt : g.points[i]) ligne << QPoint(pt.x, pt.y);
    p.drawPolyline(ligne);
  }

  p.setPen(QPen(Qt::black, 1));
  p.drawPolyline(QPolygon({{1, 1}, {w - 1, 1}, {w - 1, h - 51}, {1, h - 51}}));
  return image;
}

}  // namespace almanax::dessin
