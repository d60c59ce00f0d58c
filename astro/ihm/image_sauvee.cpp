#include "ihm/image_sauvee.h"

#include <optional>

#include "ihm/messages.h"
#include "images/image_fichier.h"

namespace almanax::ihm {

bool enregistrer_image(Dialogues& dialogues, Messages& messages, QWidget* parent, const QImage& image,
                       const QString& titre) {
  const std::optional<QString> fichier = dialogues.fichier_image(parent, titre);
  if (!fichier || fichier->isEmpty()) return false;
  const std::string erreur = ecrire_image(*fichier, image);
  if (!erreur.empty()) {
    messages.erreur(QString::fromStdString(erreur), QStringLiteral("Erreur d'écriture"));
    return false;
  }
  return true;
}

}  // namespace almanax::ihm
