// "Sauvegarder" on the pages with a picture: the save dialog with the page's title,
// then the picture written as BMP, or PNG when the chosen name ends in ".png".
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace almanax::ihm {

class Dialogues;
class Messages;

// Asks for a file; cancelled, nothing happens. The file is replaced atomically, so a
// failed save (read-only folder, full disk) leaves an existing file intact and tells
// why in a French error box. true when the picture is on disk.
bool enregistrer_image(Dialogues& dialogues, Messages& messages, QWidget* parent, const QImage& image,
                       const QString& titre);

}  // namespace almanax::ihm
