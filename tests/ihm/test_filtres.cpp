#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "outils_ihm.h"

using almanax::ihm::caractere_tape;
using almanax::ihm::EditionSpin;
using almanax::ihm::filtre;
using almanax::ihm::FiltreTouches;

namespace {

QKeyEvent touche(int cle, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& texte = {}) {
  return QKeyEvent(QEvent::KeyPress, cle, mods, texte);
}

}  // namespace

TEST(CaractereTape, ControlCodesAndCharacters) {
  EXPECT_EQ(caractere_tape(touche(Qt::Key_Backspace, Qt::NoModifier, "\b")), U'\b');
  EXPECT_EQ(caractere_tape(touche(Qt::Key_C, Qt::ControlModifier)), char32_t{3});
  EXPECT_EQ(caractere_tape(touche(Qt::Key_V, Qt::ControlModifier)), char32_t{22});
  EXPECT_EQ(caractere_tape(touche(Qt::Key_X, Qt::ControlModifier)), char32_t{24});
  EXPECT_EQ(caractere_tape(touche(Qt::Key_5, Qt::NoModifier, "5")), U'5');
  EXPECT_EQ(caractere_tape(touche(Qt::Key_E, Qt::NoModifier, "é")), U'é');
  // Keys that type nothing are never filtered.
  EXPECT_FALSE(caractere_tape(touche(Qt::Key_Left)));
  EXPECT_FALSE(caractere_tape(touche(Qt::Key_Delete, Qt::NoModifier, "\x7f")));
  EXPECT_FALSE(caractere_tape(touche(Qt::Key_Tab, Qt::NoModifier, "\t")));
  EXPECT_FALSE(caractere_tape(touche(Qt::Key_F2)));
}

class Filtres : public ::testing::Test {
 protected:
  void SetUp() override {
    jour = new EditionSpin("e_jour", "up_jour", 0, 32, &fenetre);
    an = new EditionSpin("e_an", "up_an", -4713, 9999, &fenetre);
    lettre = new EditionSpin("e_lat4", "up_ns", 0, 1, &fenetre);
    lettre->setLibelles({"N", "S"});
    lettre->edition()->setMaxLength(1);
    simple = new QLineEdit(&fenetre);
    FiltreTouches::installer(jour, filtre::chiffres);
    FiltreTouches::installer(an, filtre::annee);
    FiltreTouches::installer(lettre, filtre::nord_sud);
    FiltreTouches::installer(simple, filtre::chiffres);
    ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  }
  static void taper(QWidget* w, const QString& texte) {
    w->setFocus();
    if (auto* s = qobject_cast<EditionSpin*>(w)) s->edition()->clear();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->clear();
    QTest::keyClicks(w, texte);
  }
  QWidget fenetre;
  EditionSpin* jour = nullptr;
  EditionSpin* an = nullptr;
  EditionSpin* lettre = nullptr;
  QLineEdit* simple = nullptr;
};

TEST_F(Filtres, DigitEditsTakeDigitsOnly) {
  taper(jour, "1a2.-+ 3");
  EXPECT_EQ(jour->edition()->text(), "123");
  QTest::keyClick(jour, Qt::Key_Backspace);
  EXPECT_EQ(jour->edition()->text(), "12");
  QTest::keyClick(jour, Qt::Key_Left);  // moving in the edit is never filtered
  QTest::keyClicks(jour, "9");
  EXPECT_EQ(jour->edition()->text(), "192");
  taper(simple, "x4y5");
  EXPECT_EQ(simple->text(), "45");
}

TEST_F(Filtres, YearEditsTakeSigns) {
  taper(an, "-12a3,4");
  EXPECT_EQ(an->edition()->text(), "-1234");
  QTest::keyClick(an, Qt::Key_Backspace);
  EXPECT_EQ(an->edition()->text(), "-123");
  taper(an, "+2000");
  EXPECT_EQ(an->edition()->text(), "+2000");
}

TEST_F(Filtres, PasteGoesIntoDigitEditsButNotIntoYears) {
  QGuiApplication::clipboard()->setText("77");
  taper(jour, "");
  QTest::keyClick(jour, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(jour->edition()->text(), "77");
  taper(an, "");
  QTest::keyClick(an, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(an->edition()->text(), "");
}

TEST_F(Filtres, HemisphereLetterReplacesTheOneShown) {
  lettre->setPosition(0);
  lettre->setFocus();
  QTest::keyClicks(lettre, "s");
  EXPECT_EQ(lettre->edition()->text(), "S");
  EXPECT_TRUE(lettre->modifie());
  QTest::keyClicks(lettre, "xE1");
  EXPECT_EQ(lettre->edition()->text(), "S");
  QTest::keyClick(lettre, Qt::Key_Backspace);  // never left empty
  EXPECT_EQ(lettre->edition()->text(), "S");
  for (int fois = 0; fois < 2; ++fois) {  // nor by Delete, before or after the letter
    lettre->edition()->setCursorPosition(fois);
    QTest::keyClick(lettre, Qt::Key_Delete);
    EXPECT_EQ(lettre->edition()->text(), "S");
  }
  QTest::keyClicks(lettre, "N");
  EXPECT_EQ(lettre->edition()->text(), "N");
}

TEST_F(Filtres, EastWestLetters) {
  auto* lon = new EditionSpin("e_lon4", "up_eo", 0, 1, &fenetre);
  lon->setLibelles({"O", "E"});
  FiltreTouches::installer(lon, filtre::est_ouest);
  lon->show();
  lon->setFocus();
  QTest::keyClicks(lon, "o");
  EXPECT_EQ(lon->edition()->text(), "O");
  QTest::keyClicks(lon, "NSw");
  EXPECT_EQ(lon->edition()->text(), "O");
  QTest::keyClicks(lon, "e");
  EXPECT_EQ(lon->edition()->text(), "E");
}
