#include "donnees/dossiers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "donnees/reglages.h"

namespace almanax {

QString dossier_donnees_utilisateur() {
  // ALMANAX_DONNEES names another folder: a copy kept on a stick, a test's folder.
  const QString choisi = qEnvironmentVariable("ALMANAX_DONNEES");
  if (!choisi.isEmpty()) return QDir(choisi).absolutePath();
  // The folder QStandardPaths::AppDataLocation gives a window named as the settings
  // store, found without an application object (the command line has none).
  const QString racine = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return QDir(racine).filePath(QString::fromLatin1(organisation_reglages) + QLatin1Char('/') +
                               QString::fromLatin1(application_reglages));
}

QString dossier_du_fichier(const char* nom, const QString& travail) {
  // A dangling link or a FIFO counts as there: exists() would follow the link or
  // could not tell, and the file the user put there must be the one reported.
  const QFileInfo ici(QDir(travail).filePath(QString::fromLatin1(nom)));
  if (ici.exists() || ici.isSymLink()) return travail;
  return dossier_donnees_utilisateur();
}

}  // namespace almanax
