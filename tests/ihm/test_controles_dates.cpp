#include <gtest/gtest.h>

#include <QLineEdit>

#include "ihm/controles/controles_dates.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"
#include "outils_ihm.h"

using almanax::champ_annee;
using almanax::date_bornee;
using almanax::ihm::EditionSpin;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::texte_champ;

namespace {

// A window holding some of the pages' date fields, given to the checks as the pages
// declare them.
class FenetreDates : public ::testing::Test {
 protected:
  EditionSpin* champ(const char* nom, const char* texte, int min = -100000, int max = 100000) {
    auto* e = new EditionSpin(nom, QString("up_") + nom, min, max, &fenetre);
    e->edition()->setText(texte);
    return e;
  }
  // A year field as a page declares it (no page: the message names no page).
  static almanax::ihm::annee_a_valider annee(champ_annee role, QWidget* champ) {
    return {role, champ, "Année", nullptr, {}};
  }
  QWidget fenetre;
  MessagesEnregistres messages;
  almanax::ihm::VerificationsDates verifications{messages};
};

}  // namespace

TEST_F(FenetreDates, DayFieldLimitedToItsMonth) {
  auto* j = champ("e_jour", "31");
  auto* m = champ("e_mois", "4");
  auto* a = champ("e_an", "2024");
  verifications.verifier_jour(j, m, a);
  EXPECT_EQ(texte_champ(j), "30");
  j->edition()->setText("0");
  verifications.verifier_jour(j, m, a);
  EXPECT_EQ(texte_champ(j), "1");
  m->edition()->setText("2");
  a->edition()->setText("1900");
  j->edition()->setText("29");
  verifications.verifier_jour(j, m, a);
  EXPECT_EQ(texte_champ(j), "28");
  EXPECT_TRUE(messages.recus.empty());
}

TEST_F(FenetreDates, DayFieldWithoutANumberIsReported) {
  auto* j = champ("e_jour", "12");
  auto* m = champ("e_mois", "x3");
  auto* a = champ("e_an", "2024");
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  verifications.verifier_jour(j, m, a);
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
  verifications.borner({{date_bornee::planetarium_helio, j, m, a}});
  // The day is limited with the month as typed (13 counts 31 days).
  EXPECT_EQ(texte_champ(j), "31");
  EXPECT_EQ(texte_champ(m), "12");
  EXPECT_EQ(texte_champ(a), "10000");
  EXPECT_TRUE(messages.recus.empty());
}

TEST_F(FenetreDates, DateClampInOrderAndStopsAtTheFirstNonNumber) {
  auto* j1 = champ("jourequi", "31");
  auto* m1 = champ("moisequi", "6");
  auto* a1 = champ("anequi", "2000");
  auto* j2 = champ("jourequi2", "0");
  auto* m2 = champ("moisequi2", "zz");
  auto* a2 = champ("anequi2", "1998");
  auto* hj = champ("h_jour", "40");
  auto* hm = champ("h_mois", "1");
  auto* ha = champ("h_an", "2000");
  // Given in another order than the checks': the roles set the order.
  verifications.borner({{date_bornee::planetarium_helio, hj, hm, ha},
                        {date_bornee::precession_voulue, j2, m2, a2},
                        {date_bornee::precession_reference, j1, m1, a1}});
  EXPECT_EQ(texte_champ(j1), "30");  // treated before the failure: corrected
  EXPECT_EQ(texte_champ(j2), "0");   // the failing triple is left as typed
  EXPECT_EQ(texte_champ(hj), "40");  // and so is the one after it
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "'zz' n'est pas une valeur entière correcte.");
  EXPECT_EQ(messages.recus[0].titre, "Erreur");
  (void)m2;
}

TEST_F(FenetreDates, YearValidationNamesTheLastBadField) {
  auto* e_an = champ("e_an", "19x2");
  auto* phe = champ("an_phe", "2000");
  auto* phe2 = champ("an_phe2", "2010");
  auto* sol = champ("an_sol", "abc");
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  verifications.valider({annee(champ_annee::soleil_lune, sol), annee(champ_annee::ephemerides, e_an),
                         annee(champ_annee::phenomenes_debut, phe), annee(champ_annee::phenomenes_fin, phe2)});
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "abc n'est pas une valeur correcte.");
  EXPECT_EQ(messages.recus[0].titre, "Nombre invalide");
  EXPECT_EQ(fenetre.focusWidget(), sol);
}

TEST_F(FenetreDates, SearchSpanMustGoForward) {
  auto* debut = champ("e_an_helie", "2020");
  auto* fin = champ("e_an_helie2", "2020");
  auto* phe2 = champ("an_phe2", "1990");
  auto* phe = champ("an_phe", "2000");
  const std::vector<almanax::ihm::annee_a_valider> annees = {
      annee(champ_annee::perihelies_debut, debut), annee(champ_annee::perihelies_fin, fin),
      annee(champ_annee::phenomenes_fin, phe2), annee(champ_annee::phenomenes_debut, phe)};
  ASSERT_TRUE(almanax::ihm::test::activer(fenetre));
  verifications.valider(annees);
  // Only the first failing order test is reported.
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(messages.recus[0].texte, "L'année de départ doit être inférieure à l'année de fin des recherches.");
  EXPECT_EQ(messages.recus[0].titre, "Erreur de date !");
  EXPECT_EQ(fin->position(), 2021);
  EXPECT_EQ(texte_champ(fin), "2021");
  EXPECT_EQ(texte_champ(phe2), "1990");
  EXPECT_EQ(fenetre.focusWidget(), fin);

  messages.recus.clear();
  verifications.valider(annees);
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_EQ(texte_champ(phe2), "2001");
}

TEST_F(FenetreDates, FocusMovedByACheckDoesNotRunItAgain) {
  auto* debut = champ("ec_an", "2030");
  auto* fin = champ("ec_an2", "2000");
  auto* autre = champ("an_sat", "2024");
  const std::vector<almanax::ihm::annee_a_valider> annees = {annee(champ_annee::eclipses_debut, debut),
                                                             annee(champ_annee::eclipses_fin, fin),
                                                             annee(champ_annee::satellites, autre)};
  // Every year field runs the validation when it is left, as on the pages.
  for (EditionSpin* e : {debut, fin, autre})
    QObject::connect(e, &EditionSpin::quitte, [this, &annees] { verifications.valider(annees); });
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
