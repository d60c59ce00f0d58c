// Pictures written to files: the charts saved from the window and those the command
// line renders with --image. Qt Gui only, no widgets, so both can use it.
#pragma once

#include <QImage>
#include <QString>
#include <string>

namespace almanax {

// A name ending in ".png" (any case) gives PNG; anything else is written as BMP, the
// format the save dialog offers first.
const char* format_image(const QString& chemin);

// Encodes `image` in memory, then writes it atomically with ecrire_fichier_sur: a
// picture that cannot be encoded or a write that fails (read-only folder, full disk)
// leaves any existing file as it was. Empty on success, else a French message.
std::string ecrire_image(const QString& chemin, const QImage& image);

}  // namespace almanax
