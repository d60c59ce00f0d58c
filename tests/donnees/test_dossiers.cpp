#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "donnees/dossiers.h"
#include "fichiers_test.h"

using namespace almanax;

// The working directory's file wins; otherwise the user's data folder, under
// XDG_DATA_HOME, whatever the working directory holds besides.
TEST(DossiersDonnees, FichierDuDossierDeTravailSinonDossierUtilisateur) {
  QTemporaryDir travail, donnees;
  ASSERT_TRUE(travail.isValid() && donnees.isValid());
  const QByteArray avant = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", donnees.path().toLocal8Bit());
  const QString utilisateur = donnees.path() + "/Quillory/Almanax";
  EXPECT_EQ(dossier_donnees_utilisateur(), utilisateur);

  EXPECT_EQ(dossier_du_fichier("villes.dat", travail.path()), utilisateur);
  essais::ecrire(travail.filePath("villes.dat"), "Paris,48.86,-2.35\r\n");
  EXPECT_EQ(dossier_du_fichier("villes.dat", travail.path()), travail.path());
  // Each file by itself: the sites here, the comets in the data folder.
  EXPECT_EQ(dossier_du_fichier("cometes.dat", travail.path()), utilisateur);
  // A link to nowhere is still the user's file in the working directory.
  ASSERT_TRUE(QFile::link(travail.filePath("absent"), travail.filePath("cometes.dat")));
  EXPECT_EQ(dossier_du_fichier("cometes.dat", travail.path()), travail.path());

  if (avant.isNull())
    qunsetenv("XDG_DATA_HOME");
  else
    qputenv("XDG_DATA_HOME", avant);
}
