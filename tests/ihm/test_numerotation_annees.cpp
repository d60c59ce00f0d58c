// Every year field says in its tooltip how it counts the years before our era: the
// event searches and the comet's perihelion year astronomically (0 is 1 BC), the date
// fields of the other pages and the Jupiter chart historically (no year 0).
#include <gtest/gtest.h>

#include <memory>

#include "ihm/controles/controles.h"
#include "ihm/fenetre_principale.h"
#include "outils_ihm.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::FenetrePrincipale;
using almanax::ihm::MessagesEnregistres;
using namespace almanax::ihm::test;

TEST(NumerotationAnnees, EveryYearFieldSaysHowItCounts) {
  DossierTravail d;
  vider_reglages();
  MessagesEnregistres messages;
  DialoguesEnregistres dialogues;
  auto f = fenetre_de_test(messages, dialogues);
  const char* astronomiques[] = {"an_dep", "p_a_an",  "p_a_an2",    "ec_an",       "ec_an2",
                                 "an_phe", "an_phe2", "e_an_helie", "e_an_helie2", "tcoman"};
  const char* historiques[] = {"e_an", "an_sol", "equa_an", "an_com",  "anequi", "anequi2",
                               "h_an", "eda",    "eda1",    "an_sols", "an_sat"};
  for (const char* nom : astronomiques) {
    auto* w = f->findChild<QWidget*>(nom);
    ASSERT_NE(w, nullptr) << nom;
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(almanax::ihm::bulle_annee_astronomique)) << nom;
  }
  for (const char* nom : historiques) {
    auto* w = f->findChild<QWidget*>(nom);
    ASSERT_NE(w, nullptr) << nom;
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(almanax::ihm::bulle_annee_historique)) << nom;
  }
  f.reset();
  vider_reglages();
}
