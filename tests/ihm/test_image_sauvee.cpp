#include <gtest/gtest.h>

#include <QImage>

#include "ihm/messages.h"
#include "outils_ihm.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::sauver_image;
using namespace almanax::ihm::test;

// PNG when the chosen name says so; a picture that cannot be written leaves the file
// that was there byte for byte.
TEST(SauverImage, PngByExtensionAndFailureLosesNothing) {
  DossierTravail d;
  MessagesEnregistres m;
  DialoguesEnregistres dialogues;
  QImage image(24, 16, QImage::Format_RGB32);
  image.fill(Qt::red);
  for (const char* nom : {"courbe.png", "COURBE.PNG"}) {
    dialogues.fichier_choisi = d.chemin(nom);
    EXPECT_TRUE(sauver_image(dialogues, m, nullptr, image, "Équation du temps")) << nom;
    EXPECT_EQ(lire_fichier(d.chemin(nom)).left(4), "\x89PNG") << nom;
    EXPECT_EQ(QImage(d.chemin(nom)).pixelColor(3, 3), QColor(Qt::red)) << nom;
  }
  const QByteArray avant = lire_fichier(d.chemin("courbe.png"));
  dialogues.fichier_choisi = d.chemin("courbe.png");
  EXPECT_FALSE(sauver_image(dialogues, m, nullptr, QImage(), "Équation du temps"));  // cannot be encoded
  EXPECT_EQ(lire_fichier(d.chemin("courbe.png")), avant);
  ASSERT_EQ(m.recus.size(), 1u);
  EXPECT_EQ(m.recus[0].titre, "Erreur d'écriture");
  EXPECT_TRUE(m.recus[0].texte.contains("courbe.png"));
}
