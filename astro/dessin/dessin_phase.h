// The small phase pictures of the "Éphémérides" and "Soleil, Lune" pages: a disc of
// 100 x 100 pixels whose lit part, white, is drawn on the right, the rest in the
// window's face colour. Drawn on a QImage without antialiasing, so the flood fill
// sees exact colours.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

namespace almanax::dessin {

inline constexpr int cote_phase = 100;

// The picture for an illuminated fraction `pourcentage` (0..100, whole percent):
// the dotted outline and, when something is lit, the right half of the disc and the
// terminator in solid strokes, all in `trait`; then the four corners are flood-filled
// with `fond`. The fill passes the gaps of the dotted outline, so only the region
// closed by the two solid arcs stays white. Nothing lit: everything but the dots
// takes the face colour.
QImage image_phase(int pourcentage, const QColor& trait, const QColor& fond);

// A picture with nothing drawn, all in the face colour (the Earth seen from itself).
QImage image_vide(const QColor& fond);

// Fills with `couleur` the region of the colour found at `depart` that is connected to
// it through the four neighbours of each pixel. A start outside the picture, or on a
// pixel already of that colour, changes nothing.
void remplir(QImage& image, QPoint depart, const QColor& couleur);

}  // namespace almanax::dessin
