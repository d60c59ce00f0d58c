#include <gtest/gtest.h>

#include <QImage>

#include "ihm/messages.h"
#include "outils_ihm.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::sauver_image;
using namespace almanax::ihm::test;

// The format follows the chosen name; a save that cannot be done says why and leaves
// the file that was there byte for byte.
TEST(SauverImage, FormatByExtensionAndFailureLosesNothing) {
  DossierTravail d;
  MessagesEnregistres m;
  DialoguesEnregistres dialogues;
  QImage image(24, 16, QImage::Format_RGB32);
  image.fill(Qt::red);
  const std::pair<const char*, QByteArray> cas[] = {
      {"courbe.png", "\x89PNG"}, {"COURBE.PNG", "\x89PNG"}, {"courbe.bmp", "BM"}, {"courbe.png.bmp", "BM"}};
  for (const auto& [nom, debut] : cas) {
    dialogues.fichier_choisi = d.chemin(nom);
    EXPECT_TRUE(sauver_image(dialogues, m, nullptr, image, "Équation du temps")) << nom;
    EXPECT_EQ(lire_fichier(d.chemin(nom)).left(debut.size()), debut) << nom;
    EXPECT_EQ(QImage(d.chemin(nom)).pixelColor(3, 3), QColor(Qt::red)) << nom;
  }
  EXPECT_TRUE(m.recus.empty());

  dialogues.fichier_choisi = d.chemin("courbe.bmp");
  const QByteArray avant = lire_fichier(d.chemin("courbe.bmp"));
  EXPECT_FALSE(sauver_image(dialogues, m, nullptr, QImage(), "Équation du temps"));  // cannot be encoded
  EXPECT_EQ(lire_fichier(d.chemin("courbe.bmp")), avant);
  dialogues.fichier_choisi = d.chemin("absent/image.bmp");
  EXPECT_FALSE(sauver_image(dialogues, m, nullptr, image, "Configuration des satelites joviens"));
  ASSERT_EQ(m.recus.size(), 2u);
  for (const auto& r : m.recus) {
    EXPECT_EQ(r.type, MessagesEnregistres::genre::erreur);
    EXPECT_EQ(r.titre, "Erreur d'écriture");
  }
  EXPECT_TRUE(m.recus[0].texte.contains("courbe.bmp"));
  EXPECT_TRUE(m.recus[1].texte.contains("n'existe pas"));
}
