#include "dessin/image_fichier.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include "donnees/fichier_sur.h"

namespace almanax::dessin {

std::string enregistrer_image(const QImage& image, const QString& chemin) {
  const QString suffixe = QFileInfo(chemin).suffix().toLower();
  const char* format = suffixe == QLatin1String("png") ? "PNG" : suffixe == QLatin1String("bmp") ? "BMP" : nullptr;
  if (!format)
    return "Impossible d'enregistrer l'image « " + chemin.toStdString() +
           " » : le nom doit se terminer par .bmp ou par .png.";
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&tampon, format))
    return "Impossible de préparer l'image « " + chemin.toStdString() + " ».";
  return ecrire_fichier_sur(chemin, octets);
}

void assurer_contexte_dessin() {
  if (QCoreApplication::instance()) return;
  static int argc = 3;
  static char nom[] = "astro", option[] = "-platform", plateforme[] = "offscreen";
  static char* argv[] = {nom, option, plateforme, nullptr};
  // Never destroyed: the drawing context lives as long as the process.
  new QGuiApplication(argc, argv);
}

}  // namespace almanax::dessin
