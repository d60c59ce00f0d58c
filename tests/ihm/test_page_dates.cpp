#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimeEdit>

#include "calcul/pages/dates.h"
#include "ihm/pages/page_dates.h"
#include "outils_pages.h"

using almanax::date_jma;
using almanax::ihm::EditionSpin;
using almanax::ihm::PageDates;
using namespace almanax::ihm::test;

namespace {

// The value labels in the order of the command line's lines.
const char* const etiquettes[] = {"lnomjour", "lnumjour", "lnomjour2", "lnumjour2", "lbinter", "lprin",
                                  "lete",     "lautom",   "lhiver",    "lpaques",   "lbissex"};

class PageDatesTest : public ::testing::Test {
 protected:
  static void saisir(PageDates& p, const char* jour, const char* mois, const char* an, const QString& d, QTime heure) {
    const QStringList champs = d.split('/');
    taper(controle<EditionSpin>(p, jour), champs[0]);
    taper(controle<EditionSpin>(p, mois), champs[1]);
    taper(controle<EditionSpin>(p, an), champs[2]);
    controle<QTimeEdit>(p, jour == QLatin1String("edj") ? "dh" : "dh1")->setTime(heure);
  }
  static date_jma date_affichee(const PageDates& p, const char* jour, const char* mois, const char* an) {
    return {texte_edition(p, jour).toInt(), texte_edition(p, mois).toInt(), texte_edition(p, an).toInt()};
  }
  ContexteTest c;
};

TEST_F(PageDatesTest, LabelsEqualTheCommandLine) {
  struct cas {
    QString date1, heure1, date2, heure2, annee;
  };
  const cas cas_[] = {
      {"04/10/1582", "10:00:00", "15/10/1582", "22:30:15", "1582"},  // over the reform, Julian Easter
      {"01/03/2024", "00:00:00", "28/02/2023", "23:59:59", "1000"},  // backwards, the older polynomials
      {"31/12/1999", "12:00:00", "31/12/1999", "12:00:00", "-45"},   // the same instant, a year before 1
  };
  for (const cas& k : cas_) {
    PageDates p(c);
    saisir(p, "edj", "edm", "eda", k.date1, QTime::fromString(k.heure1));
    saisir(p, "edj1", "edm1", "eda1", k.date2, QTime::fromString(k.heure2));
    taper(controle<EditionSpin>(p, "an_sols"), k.annee);
    controle<QPushButton>(p, "b_date")->click();
    const QString sortie =
        QString::fromUtf8(ligne_de_commande({"--rapport", "dates", "--date1", k.date1, "--heure1", k.heure1, "--date2",
                                             k.date2, "--heure2", k.heure2, "--annee", k.annee}));
    QStringList lignes = sortie.split("\r\n");
    ASSERT_EQ(lignes.size(), static_cast<int>(std::size(etiquettes)) + 1) << sortie.toStdString();
    for (std::size_t i = 0; i < std::size(etiquettes); ++i) {
      const QString& l = lignes[static_cast<int>(i)];
      EXPECT_EQ(etiquette(p, etiquettes[i]), l.mid(l.indexOf('\t') + 1))
          << k.date1.toStdString() << " " << etiquettes[i];
    }
  }
}

TEST_F(PageDatesTest, DateArrowsRollOverAndRecompute) {
  PageDates p(c);
  struct pas {
    const char* champ;  // the edit whose arrow is clicked
    date_jma depart;
    int sens;
    date_jma arrivee;
  };
  const pas pas_[] = {
      {"edj", {1, 3, 2024}, -1, {29, 2, 2024}},
      {"edm", {15, 12, 1999}, +1, {15, 1, 2000}},
      {"eda", {1, 1, 1}, -1, {1, 1, -1}},
      {"edj", {4, 10, 1582}, +1, {15, 10, 1582}},
      {"edj1", {31, 12, 2023}, +1, {1, 1, 2024}},
      {"edm1", {31, 1, 2023}, +1, {3, 3, 2023}},
      {"eda1", {31, 12, 9999}, +1, {31, 12, -4713}},  // the year goes round
  };
  for (const pas& s : pas_) {
    const bool second = QByteArray(s.champ).endsWith('1');
    const char* j = second ? "edj1" : "edj";
    const char* m = second ? "edm1" : "edm";
    const char* a = second ? "eda1" : "eda";
    taper(controle<EditionSpin>(p, j), QString::number(s.depart.jour));
    taper(controle<EditionSpin>(p, m), QString::number(s.depart.mois));
    taper(controle<EditionSpin>(p, a), QString::number(s.depart.annee));
    controle<EditionSpin>(p, s.champ)->stepBy(s.sens);
    EXPECT_EQ(date_affichee(p, j, m, a), s.arrivee) << s.champ << " " << s.depart.jour << "/" << s.depart.mois;
    // Recomputed for the date shown.
    const almanax::jour_de_date attendu = almanax::calculer_jour({s.arrivee, 0, 0, 0, 0});
    EXPECT_EQ((second ? p.resultat().date2 : p.resultat().date1).texte_nom, attendu.texte_nom) << s.champ;
    EXPECT_EQ(etiquette(p, second ? "lnumjour2" : "lnumjour").toStdString(), attendu.texte_rang) << s.champ;
  }
}

TEST_F(PageDatesTest, GroupYearSkipsZeroWithoutRecomputing) {
  PageDates p(c);
  p.calculer();
  const QString printemps = etiquette(p, "lprin");
  auto* an = controle<EditionSpin>(p, "an_sols");
  an->setPosition(1);
  an->stepBy(-1);
  EXPECT_EQ(texte_edition(p, "an_sols"), "-1");
  an->stepBy(1);
  EXPECT_EQ(texte_edition(p, "an_sols"), "1");
  EXPECT_EQ(etiquette(p, "lprin"), printemps);
  // A typed 0 is computed, and shown, as the year 1.
  taper(an, "0");
  p.calculer();
  EXPECT_EQ(texte_edition(p, "an_sols"), "1");
  EXPECT_EQ(p.resultat().annee, 1);
}

TEST_F(PageDatesTest, LeavingTheFieldsChecksThem) {
  PageDates p(c);
  ASSERT_TRUE(activer(p));
  auto* ok = controle<QPushButton>(p, "b_date");
  auto* jour = controle<EditionSpin>(p, "edj1");
  taper(controle<EditionSpin>(p, "edm1"), "4");
  taper(controle<EditionSpin>(p, "eda1"), "2023");
  jour->setFocus();
  taper(jour, "31");
  ok->setFocus();
  EXPECT_EQ(texte_edition(p, "edj1"), "30");
  EXPECT_TRUE(c.messages_.recus.empty());

  // The group's year: past its bounds it is brought back, a text that is no number is refused.
  auto* an = controle<EditionSpin>(p, "an_sols");
  an->setFocus();
  taper(an, "5000");
  ok->setFocus();
  EXPECT_EQ(texte_edition(p, "an_sols"), "3000");
  an->setFocus();
  taper(an, "-");
  ok->setFocus();
  ASSERT_EQ(c.messages_.recus.size(), 1u);
  EXPECT_EQ(c.messages_.recus[0].texte, "'-' n'est pas une valeur entière correcte.");
  EXPECT_EQ(c.messages_.recus[0].titre, "Erreur");
  EXPECT_EQ(texte_edition(p, "an_sols"), "3000");
  EXPECT_TRUE(an->hasFocus());
}

TEST_F(PageDatesTest, NowSetsTheDatesWithoutComputing) {
  c.session_.poser_dates({false, true, false, true});  // midnight, start-up date
  c.demarrage = {31, 1, 2024};
  PageDates p(c);
  controle<QTimeEdit>(p, "dh")->setTime(QTime(8, 15, 0));
  controle<QTimeEdit>(p, "dh1")->setTime(QTime(8, 15, 0));
  p.calculer();
  const QString avant = etiquette(p, "lbinter");
  controle<QPushButton>(p, "BitBtn10")->click();
  EXPECT_EQ(controle<QTimeEdit>(p, "dh")->time(), QTime(0, 0, 0));
  EXPECT_EQ(controle<QTimeEdit>(p, "dh1")->time(), QTime(8, 15, 0));
  EXPECT_EQ(date_affichee(p, "edj", "edm", "eda"), (date_jma{31, 1, 2024}));
  EXPECT_EQ(date_affichee(p, "edj1", "edm1", "eda1"), (date_jma{32, 1, 2024}));  // the day after, carried on "OK"
  EXPECT_EQ(texte_edition(p, "an_sols"), "2024");
  EXPECT_EQ(etiquette(p, "lbinter"), avant);

  controle<QPushButton>(p, "b_date")->click();
  EXPECT_EQ(date_affichee(p, "edj1", "edm1", "eda1"), (date_jma{1, 2, 2024}));
  EXPECT_EQ(etiquette(p, "lbinter"), " L'intervalle entre ces deux dates est de : 01 jour 8 h 15 m 00 s");
  // A change of a time picker recomputes.
  auto* dh1 = controle<QTimeEdit>(p, "dh1");
  dh1->setTime(QTime(0, 0, 0));
  emit dh1->editingFinished();
  EXPECT_EQ(etiquette(p, "lbinter"), " L'intervalle entre ces deux dates est de : 01 jour 0 h 00 m 00 s");
}

}  // namespace
