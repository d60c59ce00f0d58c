// The small planet pictures of the event lists and of their planet buttons, by their
// index in the page's image list: 4 Mercure, 5 Vénus, 6 Mars, 7 Jupiter, 8 Saturne,
// 9 Uranus, 10 Neptune, 12 Terre. Drawn by the program: a disc in the planet's colour.
#pragma once

#include <QIcon>
#include <string_view>

namespace almanax::dessin {

QIcon icone_planete(int image);

// The picture of a list row from its caption ("Vénus"); none for another caption.
QIcon icone_du_nom(std::string_view nom);

}  // namespace almanax::dessin
