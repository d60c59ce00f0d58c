#include <gtest/gtest.h>

#include <QLineEdit>

#include "ihm/controles/controles_dates.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"
#include "outils_ihm.h"

using almanax::ihm::EditionSpin;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::texte_champ;

namespace {

// A window holding some of the pages' date fields, found by name as in the real one.
class FenetreDates : public ::testing::Test {
 protected:
  EditionSpin* champ(const char* nom, const char* texte, int min = -100000, int max = 100000) {
    auto* e = new EditionSpin(nom, QString("up_") + nom, min, max, &fenetre);
    e->edition()->setText(texte);
    return e;
  }
  QWidget fenetre;
  MessagesEnregistres messages;
};

}  // namespace

TEST_F(FenetreDates, DayFieldLimitedToItsMonth) {
  auto* j = champ("e_jour", "31");
  auto* m = champ("e_mois", "4");
  auto* a = champ("e_an", "2024");
  almanax::ihm::verifier_champ_jour(j, m, a, messages);
  EXPECT_EQ(texte_champ(j), "30");
  j->edition()->setText("0");
  almanax::ihm::verifier_champ_jour(j, m, a, messages);
  EXPECT_EQ(texte_champ(j), "1");
  m->edition()->setText("2");
  a->edition()->setText("1900");
  j->edition()->setText("29");
  almanax::ihm::verifier_champ_jour(j, m, a, messages);
  EXPECT_EQ(texte_champ(j), "28");
  EXPECT_TRUE(messages.recus.empty());
}

TEST_F(FenetreDates, DayFieldWithoutANumberIsReported) {
  auto* j = champ("e_jour", "12");
  auto* m = champ("e_mois", "x3");
  auto* a = champ("e_an", "2024");
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  almanax::ihm::verifier_champ_jour(j, m, a, messages);
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "'x3' n'est pas une valeur entière correcte.");
  EXPECT_EQ(messages.recus[0].type, MessagesEnregistres::genre::erreur);
  EXPECT_EQ(texte_champ(j), "12");
  EXPECT_EQ(fenetre.focusWidget(), m);
}

TEST_F(FenetreDates, DateClampTreatsThePagesThatExist) {
  // Only the heliocentric planetarium's date is there.
  auto* j = champ("h_jour", "31");
  auto* m = champ("h_mois", "13");
  auto* a = champ("h_an", "12000");
  almanax::ihm::borner_dates_fenetre(&fenetre, messages);
  // The day is limited with the month as typed (13 counts 31 days).
  EXPECT_EQ(texte_champ(j), "31");
  EXPECT_EQ(texte_champ(m), "12");
  EXPECT_EQ(texte_champ(a), "10000");
  EXPECT_TRUE(messages.recus.empty());
}

TEST_F(FenetreDates, DateClampInOrderAndStopsAtTheFirstNonNumber) {
  auto* j1 = champ("jourequi", "31");
  champ("moisequi", "6");
  champ("anequi", "2000");
  auto* j2 = champ("jourequi2", "0");
  auto* m2 = champ("moisequi2", "zz");
  champ("anequi2", "1998");
  auto* hj = champ("h_jour", "40");
  champ("h_mois", "1");
  champ("h_an", "2000");
  almanax::ihm::borner_dates_fenetre(&fenetre, messages);
  EXPECT_EQ(texte_champ(j1), "30");  // treated before the failure: corrected
  EXPECT_EQ(texte_champ(j2), "0");   // the failing triple is left as typed
  EXPECT_EQ(texte_champ(hj), "40");  // and so is the one after it
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "'zz' n'est pas une valeur entière correcte.");
  EXPECT_EQ(messages.recus[0].titre, "Erreur");
  (void)m2;
}

TEST_F(FenetreDates, YearValidationNamesTheLastBadField) {
  champ("e_an", "19x2");
  champ("an_phe", "2000");
  champ("an_phe2", "2010");
  auto* sol = champ("an_sol", "abc");
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  almanax::ihm::valider_annees_fenetre(&fenetre, messages);
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "abc n'est pas une valeur correcte.");
  EXPECT_EQ(messages.recus[0].titre, "Nombre invalide");
  EXPECT_EQ(fenetre.focusWidget(), sol);
}

TEST_F(FenetreDates, SearchSpanMustGoForward) {
  champ("e_an_helie", "2020");
  auto* fin = champ("e_an_helie2", "2020");
  auto* phe2 = champ("an_phe2", "1990");
  champ("an_phe", "2000");
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  almanax::ihm::valider_annees_fenetre(&fenetre, messages);
  // Only the first failing order test is reported.
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "L'année de départ doit être inférieure à l'année de fin des recherches.");
  EXPECT_EQ(messages.recus[0].titre, "Erreur de date !");
  EXPECT_EQ(fin->position(), 2021);
  EXPECT_EQ(texte_champ(fin), "2021");
  EXPECT_EQ(texte_champ(phe2), "1990");
  EXPECT_EQ(fenetre.focusWidget(), fin);

  messages.recus.clear();
  almanax::ihm::valider_annees_fenetre(&fenetre, messages);
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(texte_champ(phe2), "2001");
}

TEST_F(FenetreDates, FocusMovedByACheckDoesNotRunItAgain) {
  auto* debut = champ("ec_an", "2030");
  auto* fin = champ("ec_an2", "2000");
  auto* autre = champ("an_sat", "2024");
  // Every year field runs the validation when it is left, as on the pages.
  for (EditionSpin* e : {debut, fin, autre})
    QObject::connect(e, &EditionSpin::quitte, [this] { almanax::ihm::valider_annees_fenetre(&fenetre, messages); });
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  debut->setFocus();
  // Leaving ec_an for an_sat: the check moves the focus on to ec_an2, so an_sat is
  // left in turn while the first check runs; that must not report a second time.
  autre->setFocus();
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "La date de départ doit être inférieure à l'année de fin des recherches.");
  EXPECT_EQ(texte_champ(fin), "2031");
  EXPECT_EQ(fenetre.focusWidget(), fin);
}
