#include "images/image_fichier.h"

#include <QBuffer>
#include <QDir>

#include "donnees/fichier_sur.h"

namespace almanax {

const char* format_image(const QString& chemin) {
  return chemin.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
}

std::string ecrire_image(const QString& chemin, const QImage& image) {
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&tampon, format_image(chemin)) || octets.isEmpty())
    return "L'image n'a pas été enregistrée dans " + QDir::toNativeSeparators(chemin).toStdString() +
           " : elle n'a pas pu être codée au format " + format_image(chemin) + ".";
  return ecrire_fichier_sur(chemin, octets);
}

}  // namespace almanax
