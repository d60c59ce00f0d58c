#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "ihm/image_sauvee.h"
#include "ihm/messages.h"
#include "images/image_fichier.h"
#include "outils_ihm.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::enregistrer_image;
using namespace almanax::ihm::test;

namespace {

QImage image_test(const QColor& couleur) {
  QImage image(24, 16, QImage::Format_RGB32);
  image.fill(couleur);
  return image;
}

}  // namespace

// The format follows the chosen name; BMP for any other ending.
TEST(EnregistrerImage, FormatByExtension) {
  DossierTravail d;
  MessagesEnregistres m;
  DialoguesEnregistres dialogues;
  const struct {
    const char* nom;
    QByteArray debut;
  } cas[] = {{"courbe.png", "\x89PNG"}, {"COURBE.PNG", "\x89PNG"}, {"courbe", "BM"}, {"courbe.png.bmp", "BM"}};
  for (const auto& c : cas) {
    dialogues.fichier_choisi = d.chemin(c.nom);
    EXPECT_TRUE(enregistrer_image(dialogues, m, nullptr, image_test(Qt::red), "Équation du temps")) << c.nom;
    EXPECT_EQ(lire_fichier(d.chemin(c.nom)).left(c.debut.size()), c.debut) << c.nom;
    const QImage relue(d.chemin(c.nom), almanax::format_image(d.chemin(c.nom)));
    EXPECT_EQ(relue.pixelColor(3, 3), QColor(Qt::red)) << c.nom;
  }
  EXPECT_TRUE(m.recus.empty());
}

// A save that cannot be done says why and leaves what was there untouched.
TEST(EnregistrerImage, FailureLosesNothing) {
  DossierTravail d;
  MessagesEnregistres m;
  DialoguesEnregistres dialogues;
  dialogues.fichier_choisi = d.chemin("ancienne.bmp");
  ASSERT_TRUE(enregistrer_image(dialogues, m, nullptr, image_test(Qt::green), "Équation du temps"));
  const QByteArray avant = lire_fichier(d.chemin("ancienne.bmp"));

  // An empty picture cannot be encoded: the old file keeps every byte.
  EXPECT_FALSE(enregistrer_image(dialogues, m, nullptr, QImage(), "Équation du temps"));
  EXPECT_EQ(lire_fichier(d.chemin("ancienne.bmp")), avant);

  // A folder under the chosen name, and a folder that does not exist.
  ASSERT_TRUE(QDir(d.dossier()).mkdir("dossier.bmp"));
  dialogues.fichier_choisi = d.chemin("dossier.bmp");
  EXPECT_FALSE(enregistrer_image(dialogues, m, nullptr, image_test(Qt::blue), "Configuration des satelites joviens"));
  EXPECT_TRUE(QFileInfo(d.chemin("dossier.bmp")).isDir());
  dialogues.fichier_choisi = d.chemin("absent/image.bmp");
  EXPECT_FALSE(enregistrer_image(dialogues, m, nullptr, image_test(Qt::blue), "Configuration des satelites joviens"));

  ASSERT_EQ(m.recus.size(), 3u);
  for (const auto& r : m.recus) {
    EXPECT_EQ(r.type, MessagesEnregistres::genre::erreur);
    EXPECT_EQ(r.titre, "Erreur d'écriture");
  }
  EXPECT_TRUE(m.recus[0].texte.contains("ancienne.bmp"));
  EXPECT_TRUE(m.recus[2].texte.contains("n'existe pas"));
}
