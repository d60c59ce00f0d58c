// The pictures of the two planetaria, drawn from a computation into a QImage of the
// computation's size, and the body under a point of a picture shown.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <array>
#include <optional>

#include "calcul/pages/planetarium.h"

namespace almanax::dessin {

// The nine planets around the Sun; only those marked in `montrees` are drawn.
// `fond_boutons` is the desktop's button-face colour (the axes).
QImage image_helio(const resultat_helio& r, const std::array<bool, nombre_planetes>& montrees,
                   const QColor& fond_boutons);

// The strip map of the Sun, the Moon and the planets; only the bodies marked in
// `montres` are drawn and listed. `fond_boutons` is the map's background.
QImage image_geo(const resultat_geo& r, const std::array<bool, nombre_corps_geo>& montres, const QColor& fond_boutons);

// The planet (index 0..8) whose disc shows at `p` on a heliocentric picture: the
// colour there is its disc colour and the point lies on its disc. A click on a black
// outline, on a label or on the background finds nothing.
std::optional<int> planete_sous(const QImage& image, const resultat_helio& r,
                                const std::array<bool, nombre_planetes>& montrees, QPoint p);

// The same on a geocentric map (body index 0..9): the title strip is white, like the
// Moon, but lies on no disc.
std::optional<int> corps_sous(const QImage& image, const resultat_geo& r,
                              const std::array<bool, nombre_corps_geo>& montres, QPoint p);

inline QColor couleur_qt(const couleur_corps& c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace almanax::dessin
