#include "cli/image_cli.h"

#include "dessin/image_fichier.h"

namespace almanax::cli {

void ecrire_image_demandee(arguments& a, const std::function<QImage()>& dessiner) {
  if (!a.present("image")) return;
  const std::string fichier = a.texte("image", "");
  if (fichier.empty()) throw erreur_option("--image attend un nom de fichier.");
  dessin::assurer_contexte_dessin();
  const std::string erreur = dessin::enregistrer_image(dessiner(), QString::fromLocal8Bit(fichier.c_str()));
  if (!erreur.empty()) throw erreur_option(erreur);
}

}  // namespace almanax::cli
