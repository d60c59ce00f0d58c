#include <gtest/gtest.h>

#include <QTimeEdit>
#include <optional>

#include "ihm/pages/page.h"
#include "outils_ihm.h"

using almanax::date_jma;
using almanax::ihm::heure_du_bouton_maintenant;
using almanax::ihm::options_dates;
using almanax::ihm::Page;
using namespace almanax::ihm::test;

namespace {

// A page with a time picker, date spins and a "Maintenant" button, as the date pages have.
class PageEssai : public Page {
 public:
  explicit PageEssai(almanax::ihm::Contexte& c) : Page(c, "essai", "Essai", "00-essai") {
    heure = new QTimeEdit(QTime(8, 15, 30), this);
  }
  void calculer() override {
    ++calculs;
    heure_au_calcul = heure->time();
    date_au_calcul = date;
  }
  void poser_date_de_demarrage(const date_jma& d) override { date = d; }
  void nowClick(bool recalculer = true) { maintenant(heure, recalculer); }

  QTimeEdit* heure;
  int calculs = 0;
  std::optional<date_jma> date;
  QTime heure_au_calcul;
  std::optional<date_jma> date_au_calcul;
};

}  // namespace

TEST(BoutonMaintenant, TimeChosenByTheOptions) {
  const QTime present(21, 4, 5), actuelle(8, 15, 30);
  EXPECT_EQ(heure_du_bouton_maintenant({false, true, true, false}, present, actuelle), QTime(12, 0, 0));
  EXPECT_EQ(heure_du_bouton_maintenant({false, true, false, true}, present, actuelle), QTime(0, 0, 0));
  // "Maintenant heure" wins over noon and midnight.
  EXPECT_EQ(heure_du_bouton_maintenant({true, true, false, true}, present, actuelle), present);
  EXPECT_EQ(heure_du_bouton_maintenant({true, true, true, false}, present, actuelle), present);
  EXPECT_EQ(heure_du_bouton_maintenant({false, true, false, false}, present, actuelle), actuelle);
}

TEST(BoutonMaintenant, MidnightWithoutPresentTimeThenRecompute) {
  ContexteTest c;
  c.session_.poser_dates({false, true, false, true});
  PageEssai p(c);
  p.nowClick();
  EXPECT_EQ(p.heure->time(), QTime(0, 0, 0));
  EXPECT_EQ(p.calculs, 1);
  // The page computed with the new time and the start-up date already in its fields.
  EXPECT_EQ(p.heure_au_calcul, QTime(0, 0, 0));
  ASSERT_TRUE(p.date_au_calcul.has_value());
  EXPECT_EQ(*p.date_au_calcul, (date_jma{14, 7, 2024}));
}

TEST(BoutonMaintenant, PresentTimeWhenChecked) {
  ContexteTest c;
  c.session_.poser_dates({true, true, false, true});
  PageEssai p(c);
  p.nowClick();
  EXPECT_EQ(p.heure->time(), QTime(21, 4, 5));
  EXPECT_EQ(p.calculs, 1);
}

TEST(BoutonMaintenant, DateOnlyWithTheOption) {
  ContexteTest c;
  c.session_.poser_dates({true, false, true, false});
  PageEssai p(c);
  p.nowClick();
  EXPECT_FALSE(p.date.has_value());
  EXPECT_EQ(p.calculs, 1);
}

TEST(BoutonMaintenant, TheStartDayStaysAfterMidnight) {
  ContexteTest c;
  c.session_.poser_dates({true, true, true, false});
  PageEssai p(c);
  p.nowClick();
  // The clock passes midnight; the start-up date does not move.
  c.present = QTime(0, 0, 10);
  p.nowClick();
  EXPECT_EQ(*p.date, (date_jma{14, 7, 2024}));
  EXPECT_EQ(p.heure->time(), QTime(0, 0, 10));
  EXPECT_EQ(p.calculs, 2);
}

TEST(BoutonMaintenant, FieldsOnlyWhenThePageDoesNotRecompute) {
  ContexteTest c;
  c.session_.poser_dates({false, true, true, false});
  PageEssai p(c);
  p.nowClick(false);
  EXPECT_EQ(p.heure->time(), QTime(12, 0, 0));
  EXPECT_EQ(*p.date, (date_jma{14, 7, 2024}));
  EXPECT_EQ(p.calculs, 0);
}

TEST(BoutonMaintenant, HeureLegaleDuFuseau) {
  // Civil time: the zone's clock now and its date, whatever the system's clock says.
  ContexteTest c;
  c.session_.poser_dates({true, true, true, false});
  c.session_.poser_site_affiche(almanax::champs_du_site({"Sydney", -33.87L, -151.21L}));
  ASSERT_TRUE(c.session_.choisir_fuseau("Australia/Sydney"));
  c.session_.poser_heure_legale(true);
  PageEssai p(c);
  p.nowClick();  // 14 July 2024, 19:04:05 UTC is 15 July, 05:04:05 in Sydney
  EXPECT_EQ(p.heure->time(), QTime(5, 4, 5));
  EXPECT_EQ(*p.date, (date_jma{15, 7, 2024}));
  // Noon stays noon on the zone's clock, the date is the zone's.
  c.session_.poser_dates({false, true, true, false});
  p.nowClick();
  EXPECT_EQ(p.heure->time(), QTime(12, 0, 0));
  EXPECT_EQ(*p.date, (date_jma{15, 7, 2024}));
}
