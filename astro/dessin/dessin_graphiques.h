// The charts of the "Equa. Temps" and "Sat. joviens" pages drawn into pictures. The
// pages show them, their "Sauvegarder" buttons save them and the command line writes
// them with --image: one drawing for the three. Qt Gui only; a QGuiApplication must
// exist (fonts).
#pragma once

#include <QImage>
#include <array>

#include "calcul/pages/equa_time.h"
#include "calcul/pages/satellites.h"

namespace almanax::dessin {

// The equation-of-time picture, of the image control's size (400 × 350 as designed):
// the frame, the minute scale, the month lines and their names, the red curve.
QImage image_equation_du_temps(const courbe_equation_du_temps& c);

// The satellites' chart, of the size the chart was computed for. dessines says which
// curves are drawn, in the order of ordre_satellites (Ganymede, Europa, Io, Callisto).
QImage image_satellites(const graphique_satellites& g, const std::array<bool, 4>& dessines = {true, true, true, true});

}  // namespace almanax::dessin
