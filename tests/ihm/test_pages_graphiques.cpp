#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "ihm/fenetre_principale.h"
#include "ihm/pages/page_equation_temps.h"
#include "ihm/pages/page_satellites.h"
#include "outils_pages.h"

using almanax::ihm::EditionSpin;
using almanax::ihm::PageEquationTemps;
using almanax::ihm::PageSatellites;
using namespace almanax::ihm::test;

namespace {

int compter(const QImage& image, const QColor& couleur) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == couleur;
  return n;
}

}  // namespace

TEST(PageEquationTemps, ComputesDrawsSavesAndSteps) {
  DossierTravail d;
  ContexteTest c;
  PageEquationTemps p(c);
  controle<QPushButton>(p, "bt_equa_time")->click();  // the fields' defaults: 13/10/1992
  EXPECT_EQ(etiquette(p, "l_equa"), "le 13 Octobre 1992 : 13 m 43 s ");
  const QImage image = p.image();
  ASSERT_EQ(image.size(), QSize(400, 350));
  EXPECT_EQ(image.pixelColor(399, 309), QColor(Qt::black));    // the frame's bottom right corner
  EXPECT_EQ(image.pixelColor(30 + 307, 31), QColor(Qt::red));  // the November maximum
  c.dialogues_.fichier_choisi = d.chemin("courbe.png");
  controle<QPushButton>(p, "save_tmps")->click();
  EXPECT_EQ(c.dialogues_.titres_images, std::vector<QString>{"Équation du temps"});
  EXPECT_EQ(QImage(d.chemin("courbe.png")), image);

  // Typed days are held within the month as they are typed...
  auto* jour = controle<EditionSpin>(p, "equa_jour");
  auto* mois = controle<EditionSpin>(p, "equa_mois");
  taper(mois, "2");
  taper(jour, "31");
  EXPECT_EQ(jour->edition()->text(), "29");  // 1992 is a leap year
  taper(jour, "0");
  EXPECT_EQ(jour->edition()->text(), "1");
  // The year is historical: -1 (1 BC) is a leap year, -4 (5 BC) is not.
  auto* an = controle<EditionSpin>(p, "equa_an");
  taper(an, "-1");
  taper(jour, "29");
  EXPECT_EQ(jour->edition()->text(), "29");
  taper(an, "-4");
  taper(jour, "29");
  EXPECT_EQ(jour->edition()->text(), "28");
  taper(an, "1992");
  // ...but the arrows carry past the month's end, and the curve waits for OK.
  taper(mois, "10");
  taper(jour, "31");
  jour->stepBy(1);
  EXPECT_EQ(jour->edition()->text(), "1");
  EXPECT_EQ(mois->edition()->text(), "11");
  EXPECT_EQ(etiquette(p, "l_equa"), "le 13 Octobre 1992 : 13 m 43 s ");
  EXPECT_EQ(p.image(), image);
  controle<QPushButton>(p, "bt_equa_time")->click();
  EXPECT_EQ(etiquette(p, "l_equa").left(21), "le 1 Novembre 1992 : ");
}

TEST(PageSatellites, ChartCheckBoxesAndSpins) {
  DossierTravail d;
  ContexteTest c;
  PageSatellites p(c);
  p.calculer();  // the spins' defaults: January 1994
  const QImage tous = p.image();
  ASSERT_EQ(tous.size(), QSize(768, 434));
  const QColor io(255, 0, 0), europe(0, 0, 255), ganymede(128, 0, 0), callisto(0, 128, 0);
  for (const QColor& couleur : {europe, ganymede, callisto}) EXPECT_GT(compter(tous, couleur), 300);
  EXPECT_EQ(tous.pixelColor(767, 200), QColor(Qt::black));       // frame, right side
  EXPECT_EQ(tous.pixelColor(24 * 5, 8), QColor(192, 192, 192));  // a day line, solid at the top

  const char* const cases[] = {"c_io", "c_eu", "c_gan", "c_cal"};
  for (const char* nom : cases) controle<QCheckBox>(p, nom)->setChecked(false);
  p.calculer();
  const QImage aucun = p.image();
  for (const QColor& couleur : {europe, ganymede, callisto}) EXPECT_EQ(compter(aucun, couleur), 0);
  const int rouge_textes = compter(aucun, io);  // "Est" and "Ouest"

  // Io alone: its curve is the same as when drawn among the others (where only
  // Callisto, drawn after it, may cover it).
  controle<QCheckBox>(p, "c_io")->setChecked(true);
  p.calculer();
  const QImage seul = p.image();
  EXPECT_GT(compter(seul, io), rouge_textes + 300);
  for (int y = 2; y < 383; ++y)
    for (int x = 2; x < 766; ++x)
      if (seul.pixelColor(x, y) == io) {
        ASSERT_TRUE(tous.pixelColor(x, y) == io || tous.pixelColor(x, y) == callisto) << x << "," << y;
      }

  // The month goes round without the year and without a new chart.
  auto* mois = controle<EditionSpin>(p, "mois_sat");
  taper(mois, "12");
  mois->stepBy(1);
  EXPECT_EQ(mois->edition()->text(), "1");
  EXPECT_EQ(texte_edition(p, "an_sat"), "1994");
  EXPECT_EQ(p.image(), seul);

  // The year's arrows step over year 0; a typed 0 is read as 1.
  auto* an = controle<EditionSpin>(p, "an_sat");
  taper(an, "1");
  an->stepBy(-1);
  EXPECT_EQ(an->edition()->text(), "-1");
  an->stepBy(1);
  EXPECT_EQ(an->edition()->text(), "1");
  taper(an, "0");
  p.calculer();
  EXPECT_EQ(an->edition()->text(), "1");
  EXPECT_EQ(p.graphique().annee, 1);
  taper(an, "1994");
  taper(mois, "1");
  p.calculer();
  ASSERT_EQ(p.image(), seul);

  c.dialogues_.fichier_choisi = d.chemin("jupiter.bmp");
  controle<QPushButton>(p, "imp_sat")->click();
  EXPECT_EQ(c.dialogues_.titres_images, std::vector<QString>{"Configuration des satelites joviens"});
  EXPECT_EQ(QImage(d.chemin("jupiter.bmp")).convertToFormat(QImage::Format_RGB32), seul);
}

// In the window: both charts are drawn at start-up, the satellites' at the design size,
// and the satellites' chart follows the window's size.
TEST(PagesGraphiquesFenetre, StartUpAndResize) {
  vider_reglages();
  DossierTravail d;
  almanax::ihm::MessagesEnregistres messages;
  almanax::ihm::DialoguesEnregistres dialogues;
  almanax::ihm::FenetrePrincipale::parametres parametres;
  parametres.messages = &messages;
  parametres.dialogues = &dialogues;
  almanax::ihm::FenetrePrincipale f(parametres);
  f.show();
  QCoreApplication::processEvents();
  auto* sat = f.findChild<PageSatellites*>();
  auto* equa = f.findChild<PageEquationTemps*>();
  ASSERT_TRUE(sat && equa);
  EXPECT_EQ(sat->image().size(), QSize(768, 434));
  EXPECT_EQ(equa->image().size(), QSize(400, 350));
  EXPECT_TRUE(etiquette(*equa, "l_equa").startsWith("le "));
  f.resize(almanax::ihm::largeur_conception + 100, almanax::ihm::hauteur_conception + 60);
  QCoreApplication::processEvents();
  EXPECT_EQ(sat->image().size(), QSize(868, 494));
  EXPECT_EQ(sat->graphique().largeur, 868);
  f.close();
  vider_reglages();
}
