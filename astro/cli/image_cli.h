// --image FICHIER on the reports with a picture: the page's picture rendered offscreen
// at its design size, written as PNG or BMP by the file's extension. No window is
// opened, no setting or data file is read or written.
#pragma once

#include <QImage>
#include <functional>

#include "cli/cli.h"

namespace almanax::cli {

// When --image is given: draws with `dessiner` (in the offscreen drawing context) and
// writes the file atomically. A file that cannot be written throws erreur_option with
// the French reason; an existing file is then left as it was.
void ecrire_image_demandee(arguments& a, const std::function<QImage()>& dessiner);

}  // namespace almanax::cli
