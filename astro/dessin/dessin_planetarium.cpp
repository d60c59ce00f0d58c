#include "dessin/dessin_planetarium.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace almanax::dessin {

namespace {

constexpr int rayon_helio = 4;  // disc radius, pixels
constexpr int rayon_geo = 6;

// 96 dots per inch, so the point sizes of the texts give the same pixels everywhere.
QImage image_vierge(int largeur, int hauteur, const QColor& fond) {
  QImage image(std::max(largeur, 1), std::max(hauteur, 1), QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(fond);
  return image;
}

QFont police(int points, bool gras) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setPointSize(points);
  f.setBold(gras);
  return f;
}

// Text whose top-left corner is at (x, y), as the drawing canvas places it.
struct texte_place {
  QPainter& p;
  QFontMetrics m;
  texte_place(QPainter& peintre, const QFont& f) : p(peintre), m(f, peintre.device()) { p.setFont(f); }
  int largeur(const QString& t) const { return m.horizontalAdvance(t); }
  int hauteur() const { return m.height(); }
  void ecrire(int x, int y, const QString& t) { p.drawText(QPoint(x, y + m.ascent()), t); }
};

void disque(QPainter& p, pixel c, int rayon, const couleur_corps& couleur) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(couleur_qt(couleur));
  p.drawEllipse(QRect(c.x - rayon, c.y - rayon, 2 * rayon, 2 * rayon));
}

template <std::size_t N>
std::optional<int> disque_sous(const QImage& image, QPoint p, const std::array<couleur_corps, N>& couleurs,
                               const std::array<pixel, N>& centres, const std::array<bool, N>& montres, int rayon) {
  if (!image.valid(p)) return std::nullopt;
  const QRgb sous = image.pixel(p);
  for (std::size_t k = 0; k < N; ++k) {
    if (!montres[k] || couleur_qt(couleurs[k]).rgb() != sous) continue;
    const int dx = p.x() - centres[k].x, dy = p.y() - centres[k].y;
    if (dx * dx + dy * dy <= rayon * rayon) return static_cast<int>(k);
  }
  return std::nullopt;
}

}  // namespace

QImage image_helio(const resultat_helio& r, const std::array<bool, nombre_planetes>& montrees,
                   const QColor& fond_boutons) {
  const int W = r.largeur, H = r.hauteur;
  QImage image = image_vierge(W, H, Qt::white);
  QPainter p(&image);
  p.setPen(QPen(Qt::black, 1));
  const QPoint cadre[] = {{1, 1}, {1, H - 1}, {W - 1, H - 1}, {W - 1, 1}, {1, 1}};
  p.drawPolyline(cadre, 5);
  p.drawLine(0, H - 31, W + 19, H - 31);

  const pixel c = centre_helio(W, H);
  {
    p.setPen(QColor(255, 0, 0));
    texte_place t(p, police(12, true));
    const int th = t.hauteur();
    auto direction = [&](const QString& s, int x, int y) { t.ecrire(x, y, s); };
    direction(QStringLiteral("0°"), c.y - 20 - t.largeur(QStringLiteral("0°")) / 2, th / 2);
    direction(QStringLiteral("90°"), t.largeur(QStringLiteral("90°")) / 2 - 5, c.y - th / 2);
    direction(QStringLiteral("180°"), c.y - 20 - t.largeur(QStringLiteral("180°")) / 2, H - 41 - th / 2);
    direction(QStringLiteral("270°"), W - 20 - t.largeur(QStringLiteral("270°")) / 2, c.x + 25 - th / 2);

    p.setPen(Qt::black);
    const QString titre = QString::fromStdString(r.titre);
    p.setClipRect(QRect(QPoint(2, H - 30), QPoint(W - 1, H - 1)));
    t.ecrire((W - 1 - t.largeur(titre)) / 2, H - 15 - th / 2, titre);
    p.setClipping(false);
    p.setPen(QColor(0, 0, 255));
    t.ecrire(5, th / 2, QString::fromStdString(r.jour_julien));
  }

  p.setPen(QPen(fond_boutons, 1, Qt::DotLine));
  p.drawLine(30, c.y, H + 15, c.y);
  p.drawLine(c.x, 19, c.x, H - 50);
  disque(p, c, 7, {255, 255, 0});

  for (int k = 0; k < nombre_planetes; ++k)
    if (montrees[k]) disque(p, r.planetes[k].position, rayon_helio, couleurs_helio[k]);
  return image;
}

QImage image_geo(const resultat_geo& r, const std::array<bool, nombre_corps_geo>& montres, const QColor& fond_boutons) {
  const int W = r.largeur, H = r.hauteur;
  const int y0 = equateur_geo(H), pas = W / 24;
  // The map's background is the button face; the grid's dots and lines go over it.
  QImage image = image_vierge(W, H, fond_boutons);
  for (int i = 1; i <= 23; ++i)
    for (int y = 0; y <= 2 * y0 && y < H; y += 10)
      if (image.valid(i * pas, y)) image.setPixelColor(i * pas, y, Qt::black);
  QPainter p(&image);
  p.setPen(QPen(QColor(0, 128, 128), 1, Qt::DotLine));
  p.drawLine(0, y0 - 80, W, y0 - 80);
  p.drawLine(0, y0 + 80, W, y0 + 80);

  p.setPen(Qt::white);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(0, 0, W - 1, 2 * y0));
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(QRect(0, 2 * y0, W - 1, H - 1 - 2 * y0));
  p.drawLine(1, y0, W - 1, y0);

  {
    texte_place t(p, police(12, true));
    const int th = t.hauteur();
    const QString titre = QString::fromStdString(r.titre);
    t.ecrire(W / 2 - t.largeur(titre) / 2, 2 * y0 + 30 - th / 2, titre);
    const QString corps = QString::fromStdString(liste_corps_geo(montres));
    p.setPen(QColor(0, 0, 255));
    t.ecrire(W / 2 - t.largeur(corps) / 2, 2 * y0 + 60 - th / 2, corps);
  }
  {
    p.setPen(Qt::black);
    texte_place t(p, police(10, false));
    const int th = t.hauteur();
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(fond_boutons);
    for (int i = 1; i <= 23; ++i) {
      const QString h = QString::number(i) + QStringLiteral("h");
      t.ecrire(i * pas - t.largeur(h) / 2, 10 - th / 2, h);
      t.ecrire(i * pas - t.largeur(h) / 2, 2 * y0 - 10 - th / 2, h);
    }
    p.setBackgroundMode(Qt::TransparentMode);
    const QString plus = QStringLiteral("20°"), moins = QStringLiteral("-20°");
    for (const int x : {15, W - 15}) {
      t.ecrire(x - t.largeur(plus) / 2, y0 - 80 - th / 2, plus);
      t.ecrire(x - t.largeur(moins) / 2, y0 + 80 - th / 2, moins);
    }
  }

  for (int k = 0; k < nombre_corps_geo; ++k)
    if (montres[k]) disque(p, r.astres[k].position, rayon_geo, couleurs_geo[k]);
  return image;
}

std::optional<int> planete_sous(const QImage& image, const resultat_helio& r,
                                const std::array<bool, nombre_planetes>& montrees, QPoint p) {
  std::array<pixel, nombre_planetes> centres;
  for (int k = 0; k < nombre_planetes; ++k) centres[k] = r.planetes[k].position;
  return disque_sous(image, p, couleurs_helio, centres, montrees, rayon_helio);
}

std::optional<int> corps_sous(const QImage& image, const resultat_geo& r,
                              const std::array<bool, nombre_corps_geo>& montres, QPoint p) {
  std::array<pixel, nombre_corps_geo> centres;
  for (int k = 0; k < nombre_corps_geo; ++k) centres[k] = r.astres[k].position;
  return disque_sous(image, p, couleurs_geo, centres, montres, rayon_geo);
}

}  // namespace almanax::dessin
