#include "cli/image_cli.h"

#include <QGuiApplication>

#include "images/image_fichier.h"

namespace almanax::cli {

namespace {

// Drawing text needs the toolkit's fonts, hence a GUI application; the offscreen
// platform needs no display. Created once and kept to the end of the process.
bool application_graphique() {
  if (QCoreApplication::instance()) return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  static int argc = 3;
  static char nom[] = "astro", option[] = "-platform", plateforme[] = "offscreen";
  static char* argv[] = {nom, option, plateforme, nullptr};
  new QGuiApplication(argc, argv);
  return true;
}

}  // namespace

void ecrire_image_demandee(arguments& a, const std::function<QImage()>& dessiner) {
  if (!a.present("image")) return;
  const std::string fichier = a.texte("image", "");
  if (fichier.empty()) throw erreur_option("--image attend un nom de fichier.");
  if (!application_graphique()) throw erreur_option("L'image ne peut pas être dessinée dans ce contexte.");
  const std::string erreur = ecrire_image(QString::fromLocal8Bit(fichier.c_str()), dessiner());
  if (!erreur.empty()) throw erreur_option(erreur);
}

}  // namespace almanax::cli
