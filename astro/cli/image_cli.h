// --image FICHIER on the reports with a picture: the page's picture rendered offscreen
// at its design size, written as PNG or BMP by the file's extension. No window is
// opened, no setting or data file is read or written.
//
// The reports hold no drawing code: they hand their computation to a drawer of the
// table below, which the drawing library fills (cli/images/brancher_images.h). The
// text-only program leaves it empty, so it never loads the graphics libraries.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "calcul/pages/planetarium.h"
#include "cli/cli.h"

namespace almanax {
struct resultat_ce_soir;
struct courbe_equation_du_temps;
struct graphique_satellites;
}  // namespace almanax

namespace almanax::cli {

// Each drawer draws its page's picture and writes it to `fichier` (the name as typed):
// empty on success, else the French reason (an existing file is then left as it was).
struct dessinateurs_images {
  using fichier = const std::string&;
  std::function<std::string(const resultat_ce_soir&, fichier)> ce_soir;
  std::function<std::string(const courbe_equation_du_temps&, fichier)> equation_du_temps;
  std::function<std::string(const graphique_satellites&, fichier)> satellites;
  std::function<std::string(const resultat_helio&, const std::array<bool, nombre_planetes>&, fichier)> helio;
  std::function<std::string(const resultat_geo&, const std::array<bool, nombre_corps_geo>&, fichier)> geo;
};

// The program's drawers, empty until the drawing library fills them.
dessinateurs_images& dessinateurs();

// The file of --image, checked, or nothing without --image. Throws erreur_option for an
// empty name, or when `dessinateur_present` is false (a program without the drawings).
std::optional<std::string> fichier_image_demande(arguments& a, bool dessinateur_present);

// When --image is given: `dessiner(donnees..., fichier)` writes the picture; its
// refusal is thrown as erreur_option.
template <class Dessinateur, class... Donnees>
void ecrire_image_demandee(arguments& a, const Dessinateur& dessiner, const Donnees&... donnees) {
  const std::optional<std::string> fichier = fichier_image_demande(a, static_cast<bool>(dessiner));
  if (!fichier) return;
  const std::string erreur = dessiner(donnees..., *fichier);
  if (!erreur.empty()) throw erreur_option(erreur);
}

}  // namespace almanax::cli
