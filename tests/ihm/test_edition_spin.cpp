#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "ihm/controles/champs_date.h"
#include "ihm/controles/edition_spin.h"
#include "outils_ihm.h"

using almanax::sens_pas;
using almanax::ihm::EditionSpin;

TEST(EditionSpin, ArrowsMoveTheTextThenReportTheDirection) {
  EditionSpin e("e_jour", "up_jour", 0, 32);
  e.setPosition(30);
  std::vector<std::string> ordre;
  QObject::connect(&e, &EditionSpin::texteChange,
                   [&] { ordre.push_back("texte " + e.edition()->text().toStdString()); });
  QObject::connect(&e, &EditionSpin::clic,
                   [&](sens_pas s) { ordre.push_back(s == sens_pas::avant ? "avant" : "arriere"); });
  e.stepBy(1);
  e.stepBy(-1);
  e.stepBy(-1);
  EXPECT_EQ(ordre, (std::vector<std::string>{"texte 31", "avant", "texte 30", "arriere", "texte 29", "arriere"}));
  EXPECT_EQ(e.objectName(), "e_jour");
  EXPECT_EQ(e.nomSpin(), "up_jour");
}

TEST(EditionSpin, BoundsStopOrWrap) {
  EditionSpin borne("e_an", "up_an", -4713, 9999);
  borne.setPosition(9999);
  QSignalSpy clics(&borne, &EditionSpin::clic);
  borne.stepBy(1);
  EXPECT_EQ(borne.position(), 9999);
  EXPECT_EQ(clics.count(), 1);  // the click is reported even at the bound
  borne.setPosition(20000);
  EXPECT_EQ(borne.edition()->text(), "9999");

  EditionSpin tour("h_an", "up_an_helio", -4713, 9999);
  tour.setBoucle(true);
  tour.setPosition(9999);
  tour.stepBy(1);
  EXPECT_EQ(tour.position(), -4713);
  tour.stepBy(-2);
  EXPECT_EQ(tour.position(), 9998);
}

TEST(EditionSpin, StepsFromTheTypedTextAndFallsBackOnTheLastPosition) {
  EditionSpin e("e_lat", "ulat", 0, 89);
  e.setPosition(10);
  e.edition()->setText("45");
  EXPECT_EQ(e.position(), 45);
  e.stepBy(1);
  EXPECT_EQ(e.edition()->text(), "46");
  e.edition()->setText("");  // no number: the up-down keeps its last position
  EXPECT_EQ(e.position(), 46);
  e.edition()->setText("300");
  EXPECT_EQ(e.position(), 89);
}

TEST(EditionSpin, LettersGoRound) {
  EditionSpin e("e_lon4", "up_eo", 0, 1);
  e.setLibelles({"O", "E"});
  e.setBoucle(true);
  e.setPosition(1);
  EXPECT_EQ(e.edition()->text(), "E");
  e.stepBy(1);
  EXPECT_EQ(e.edition()->text(), "O");
  EXPECT_EQ(e.position(), 0);
  e.stepBy(-1);
  EXPECT_EQ(e.edition()->text(), "E");
  e.edition()->setText("o");
  EXPECT_EQ(e.position(), 0);
}

TEST(EditionSpin, ModifiedOnlyByTheUser) {
  almanax::ihm::test::DossierTravail d;
  QWidget fenetre;
  auto* e = new EditionSpin("e_lat", "ulat", 0, 89, &fenetre);
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  e->setFocus();
  EXPECT_FALSE(e->modifie());
  QTest::keyClicks(e, "7");
  EXPECT_TRUE(e->modifie());
  e->setPosition(3);
  EXPECT_FALSE(e->modifie());
  e->stepBy(1);
  EXPECT_FALSE(e->modifie());
}

TEST(EditionSpin, LeavingClampsAndKeepsWhatWasTyped) {
  QWidget fenetre;
  auto* e = new EditionSpin("e_lon", "ulon", 0, 179, &fenetre);
  auto* autre = new QLineEdit(&fenetre);
  e->setBorneEnSortie(true);
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  QSignalSpy quitte(e, &EditionSpin::quitte);
  QSignalSpy invalide(e, &EditionSpin::texteInvalide);

  e->setFocus();
  e->edition()->selectAll();
  QTest::keyClicks(e, "250");
  autre->setFocus();
  EXPECT_EQ(e->edition()->text(), "179");
  EXPECT_TRUE(e->modifie());  // still a change made by the user
  EXPECT_EQ(quitte.count(), 1);
  EXPECT_EQ(invalide.count(), 0);

  e->setFocus();
  e->edition()->setText("12x");
  autre->setFocus();
  EXPECT_EQ(e->edition()->text(), "179");  // the last position comes back
  ASSERT_EQ(invalide.count(), 1);
  EXPECT_EQ(invalide.at(0).at(0).toString(), "12x");
  EXPECT_EQ(quitte.count(), 2);
}

TEST(EditionSpin, NoClampWhenNotAsked) {
  QWidget fenetre;
  auto* e = new EditionSpin("e_jour", "up_jour", 0, 32, &fenetre);
  auto* autre = new QLineEdit(&fenetre);
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  e->setFocus();
  e->edition()->setText("45");
  autre->setFocus();
  EXPECT_EQ(e->edition()->text(), "45");  // the page's own exit check decides
}

TEST(ChampsDate, ArrowsStopAtTheEndsOfTheRange) {
  for (const bool boucle : {false, true}) {
    QWidget page;
    almanax::ihm::ChampsDate date({"e_jour", "up_jour", "e_mois", "up_mois", "e_an", "up_an"}, {31, 12, 9999}, boucle,
                                  &page);
    for (EditionSpin* e : {date.jour(), date.mois(), date.an()})
      QObject::connect(e, &EditionSpin::clic, [&date](sens_pas s) { date.normaliser(s); });
    date.jour()->stepBy(1);
    EXPECT_EQ(date.date(), (almanax::date_jma{31, 12, 9999})) << boucle;
    date.poser({1, 1, -4713});
    date.jour()->stepBy(-1);
    EXPECT_EQ(date.date(), (almanax::date_jma{1, 1, -4713})) << boucle;
    // A day typed past the end is computed as the last day, not as 1/1/9999.
    date.poser({31, 12, 9999});
    date.jour()->edition()->setText("32");
    EXPECT_EQ(date.date_a_calculer(), (almanax::date_jma{31, 12, 9999})) << boucle;
  }
}
