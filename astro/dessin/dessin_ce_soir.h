// The "Ce soir" chart: the altitude of the Moon and the planets through the night, over
// the Sun's twilights shaded from day to full night, with the horizon and the 10° line;
// the hours in the page's time scale. The page shows it, saves it and the command line
// writes it with --image. Qt Gui only; a QGuiApplication must exist (fonts).
#pragma once

#include <QImage>
#include <array>

#include "calcul/pages/ce_soir.h"

namespace almanax::dessin {

inline constexpr int largeur_ce_soir = 760;
inline constexpr int hauteur_ce_soir = 420;

// dessines says which bodies are drawn, in the order of the result's astres.
QImage image_ce_soir(const resultat_ce_soir& r, int largeur = largeur_ce_soir, int hauteur = hauteur_ce_soir,
                     const std::array<bool, nombre_corps_ce_soir>& dessines = {true, true, true, true, true, true, true,
                                                                               true});

}  // namespace almanax::dessin
