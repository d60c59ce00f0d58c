#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMessageBox>

#include "ihm/messages.h"
#include "outils_ihm.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::MessagesEnregistres;
using namespace almanax::ihm::test;

TEST(Messages, ComputedMessagesKeepTheirIcon) {
  MessagesEnregistres m;
  m.montrer({"abc n'est pas une valeur correcte.", "Nombre invalide", almanax::icone_message::erreur});
  m.montrer({"Fait.", "Information", almanax::icone_message::information});
  ASSERT_EQ(m.recus.size(), 2u);
  EXPECT_EQ(m.recus[0].type, MessagesEnregistres::genre::erreur);
  EXPECT_EQ(m.recus[0].titre, "Nombre invalide");
  EXPECT_EQ(m.recus[1].type, MessagesEnregistres::genre::information);
  m.reponse = false;
  EXPECT_FALSE(m.confirmer("Supprimer ?", "Confirmation"));
  m.reponse = true;
  EXPECT_TRUE(m.confirmer("Supprimer ?", "Confirmation"));
}

TEST(SauverImage, CancelledSavedOrRefused) {
  DossierTravail d;
  MessagesEnregistres m;
  DialoguesEnregistres dialogues;
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::blue);

  EXPECT_FALSE(almanax::ihm::sauver_image(dialogues, m, nullptr, image, "Équation du temps"));
  EXPECT_EQ(dialogues.titres_images, std::vector<QString>{"Équation du temps"});
  EXPECT_TRUE(m.recus.empty());

  dialogues.fichier_choisi = d.chemin("courbe.bmp");
  EXPECT_TRUE(almanax::ihm::sauver_image(dialogues, m, nullptr, image, "Équation du temps"));
  const QImage relue(d.chemin("courbe.bmp"));
  ASSERT_FALSE(relue.isNull());
  EXPECT_EQ(relue.size(), QSize(40, 30));
  EXPECT_EQ(relue.pixelColor(5, 5), QColor(Qt::blue));
  EXPECT_EQ(lire_fichier(d.chemin("courbe.bmp")).left(2), "BM");

  dialogues.fichier_choisi = d.chemin("absent/courbe.bmp");
  EXPECT_FALSE(almanax::ihm::sauver_image(dialogues, m, nullptr, image, "Planétarium géocentrique"));
  ASSERT_EQ(m.recus.size(), 1u);
  EXPECT_EQ(m.recus[0].type, MessagesEnregistres::genre::erreur);
  EXPECT_TRUE(m.recus[0].texte.contains("courbe.bmp"));
}

TEST(Messages, BoxesAreWideEnoughForTheirCaption) {
  QFont gras = QApplication::font();
  gras.setBold(true);
  for (const QString& titre : {QString("Confirmation ou infirmation avant suppression "), QString("Erreur")}) {
    const auto b = almanax::ihm::boite_message(nullptr, QMessageBox::Information,
                                               "Voulez-vous vraiment supprimer ce site ?", titre, true);
    b->show();
    // The caption, plus room for the title bar's icon and buttons.
    EXPECT_GE(b->width(), QFontMetrics(gras).horizontalAdvance(titre) + 100) << titre.toStdString();
    b->close();
  }
}
