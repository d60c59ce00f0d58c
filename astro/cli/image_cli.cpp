#include "cli/image_cli.h"

namespace almanax::cli {

dessinateurs_images& dessinateurs() {
  static dessinateurs_images table;
  return table;
}

std::optional<std::string> fichier_image_demande(arguments& a, bool dessinateur_present) {
  if (!a.present("image")) return std::nullopt;
  std::string fichier = a.texte("image", "");
  if (fichier.empty()) throw erreur_option("--image attend un nom de fichier.");
  if (!dessinateur_present)
    throw erreur_option(
        "--image n'est pas disponible dans ce programme : les images sont dessinées par le programme complet, "
        "astro-graphique.");
  return fichier;
}

}  // namespace almanax::cli
