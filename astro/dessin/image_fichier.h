// Pictures as files: saving a page's picture (BMP, or PNG when the name ends in
// ".png") through the program's atomic file writing, and the offscreen drawing
// context the command line needs to draw a picture without a window.
#pragma once

#include <QString>
#include <string>

class QImage;

namespace almanax::dessin {

// Writes the picture to `chemin`: PNG for a name ending in ".png", BMP for ".bmp"
// (any case). The file is replaced atomically; an existing file is left untouched
// on any failure. Empty on success, else a French message naming the file.
std::string enregistrer_image(const QImage& image, const QString& chemin);

// Makes sure a drawing context exists (fonts need one): without any, starts one on
// the offscreen platform, which opens no window, reads no settings and writes no
// file. Kept until the process ends.
void assurer_contexte_dessin();

}  // namespace almanax::dessin
