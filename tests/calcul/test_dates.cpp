#include <gtest/gtest.h>

#include "calcul/pages/dates.h"

using namespace almanax;

namespace {
instant_saisi instant(int j, int m, int a, int h = 0, int mi = 0, int s = 0) {
  return {{j, m, a}, h, mi, s, 0};
}
}  // namespace

TEST(Dates, JourEtRangDeLaDate) {
  const auto j = calculer_jour(instant(1, 1, 2000, 12));
  EXPECT_DOUBLE_EQ(static_cast<double>(j.jour_julien), 2451545.0);
  EXPECT_EQ(j.texte_nom, " Nom du jour : samedi");
  EXPECT_EQ(j.texte_rang, " Rang du jour : 1");
  EXPECT_EQ(calculer_jour(instant(31, 12, 2000)).rang_du_jour, 366);
  EXPECT_EQ(calculer_jour(instant(31, 12, 1999)).rang_du_jour, 365);
  // Historical year -1 is astronomical year 0, a leap year: 1 March is day 61.
  EXPECT_EQ(calculer_jour(instant(1, 3, -1)).rang_du_jour, 61);
  EXPECT_EQ(calculer_jour(instant(4, 10, 1582)).nom_du_jour, "jeudi");
  EXPECT_EQ(calculer_jour(instant(15, 10, 1582)).nom_du_jour, "vendredi");
}

TEST(Dates, TexteDeLIntervalle) {
  const std::string debut = " L'intervalle entre ces deux dates est de : ";
  EXPECT_EQ(texte_intervalle(0), debut + "00 jour 0 h 00 m 00 s");
  EXPECT_EQ(texte_intervalle(1.5L), debut + "01 jour 12 h 00 m 00 s");
  EXPECT_EQ(texte_intervalle(2), debut + "02 jours 0 h 00 m 00 s");
  EXPECT_EQ(texte_intervalle(1.9999L), debut + "01 jour 23 h 59 m 51 s");
  // 23 h 59 m 59.9 s carries into a whole day, and the word follows the count shown.
  EXPECT_EQ(texte_intervalle(1.0L - 0.1L / 86400), debut + "01 jour 0 h 00 m 00 s");
  EXPECT_EQ(texte_intervalle(2.0L - 0.1L / 86400), debut + "02 jours 0 h 00 m 00 s");
  EXPECT_EQ(texte_intervalle(1234.25L), debut + "1234 jours 6 h 00 m 00 s");
}

TEST(Dates, IntervalleEntreDeuxDatesStockeesEnJoursJuliens) {
  // Julian days are stored with 40 significant bits: an interval of exactly a day and a
  // half between two typed instants must still read 12 h 00 m 00 s.
  const auto r = calculer_dates(instant(29, 12, 1997, 6), instant(30, 12, 1997, 18), 1998);
  EXPECT_EQ(r.texte_intervalle, " L'intervalle entre ces deux dates est de : 01 jour 12 h 00 m 00 s");
  const auto inverse = calculer_dates(instant(30, 12, 1997, 18), instant(29, 12, 1997, 6), 1998);
  EXPECT_EQ(inverse.texte_intervalle, r.texte_intervalle);
  const auto meme = calculer_dates(instant(5, 5, 1955, 7, 8, 9), instant(5, 5, 1955, 7, 8, 9), 1998);
  EXPECT_EQ(meme.texte_intervalle, " L'intervalle entre ces deux dates est de : 00 jour 0 h 00 m 00 s");
  // Across the calendar change: 4 and 15 October 1582 are consecutive days.
  const auto reforme = calculer_dates(instant(4, 10, 1582), instant(15, 10, 1582), 1582);
  EXPECT_EQ(reforme.texte_intervalle, " L'intervalle entre ces deux dates est de : 01 jour 0 h 00 m 00 s");
}

TEST(Dates, EquinoxesEtSolstices) {
  // Worked example: June solstice 1962 at JDE 2437837.39245 (21 June, 21 h 25 m TD).
  EXPECT_NEAR(static_cast<double>(instant_saison(1962, 1)), 2437837.39245, 2e-5);
  const auto r = calculer_dates(instant(1, 1, 1962), instant(1, 1, 1962), 1962);
  EXPECT_EQ(r.saisons[1].texte, ": 21 Juin\t1962 à 21 h 25 m");
  // The four instants of a year follow each other by about a quarter of a year.
  for (int a : {-1000, -1, 1, 1000, 1001, 2026, 3000}) {
    const auto d = calculer_dates(instant(1, 1, 2000), instant(1, 1, 2000), a);
    for (int s = 1; s < 4; ++s) {
      const long double ecart = d.saisons[s].jde - d.saisons[s - 1].jde;
      EXPECT_GT(ecart, 88) << a;
      EXPECT_LT(ecart, 95) << a;
    }
  }
  // Years up to 1000 use the first polynomials, from 1001 the second: they meet smoothly.
  const long double saut = instant_saison(1001, 0) - instant_saison(1000, 0);
  EXPECT_NEAR(static_cast<double>(saut), 365.2422, 0.01);
}

TEST(Dates, LAnneeDesSaisonsEstLimiteeEtAfficheeEnAnneeHistorique) {
  const auto loin = calculer_dates(instant(1, 1, 2000), instant(1, 1, 2000), 3000);
  EXPECT_EQ(loin.annee_saisons, 3000);
  const auto tot = calculer_dates(instant(1, 1, 2000), instant(1, 1, 2000), -1000);
  EXPECT_EQ(tot.annee_saisons, -1000);
  // Year -1 (1 BC): the March equinox falls in that year and is shown as -1.
  const auto av = calculer_dates(instant(1, 1, 2000), instant(1, 1, 2000), -1);
  EXPECT_NE(av.saisons[0].texte.find("Mars\t-1 à "), std::string::npos) << av.saisons[0].texte;
  EXPECT_NE(av.saisons[3].texte.find("Décembre\t-1 à "), std::string::npos) << av.saisons[3].texte;
}

TEST(Dates, Paques) {
  const auto texte = [](int annee) {
    return calculer_dates(instant(1, 1, 2000), instant(1, 1, 2000), annee).texte_paques;
  };
  EXPECT_EQ(texte(2026), ": 5 Avril");
  EXPECT_EQ(texte(2024), ": 31 Mars");
  EXPECT_EQ(texte(2000), ": 23 Avril");
  EXPECT_EQ(texte(2285), ": 22 Mars");   // earliest possible date
  EXPECT_EQ(texte(2038), ": 25 Avril");  // latest possible date
  // 1583 is the first year of the Gregorian rule, 1582 the last of the Julian one.
  EXPECT_EQ(texte(1583), ": 10 Avril");
  EXPECT_EQ(texte(1582), ": 15 Avril");
  EXPECT_EQ(texte(325), ": 18 Avril");
  // The Julian dates repeat every 532 years, also across year 0.
  for (int a = -999; a < 1583 - 532; a += 7) {
    const date_jma p = paques(a), q = paques(a + 532);
    EXPECT_EQ(p.jour, q.jour) << a;
    EXPECT_EQ(p.mois, q.mois) << a;
  }
  // Every year of the page's range gives a real date between 22 March and 25 April.
  for (int a = -999; a <= 3000; ++a) {
    const date_jma p = paques(a);
    const int rang = p.mois * 100 + p.jour;
    ASSERT_TRUE(rang >= 322 && rang <= 425) << a << " " << p.jour << "/" << p.mois;
  }
}

TEST(Dates, Bissextile) {
  const auto texte = [](int annee) {
    return calculer_dates(instant(1, 1, 2000), instant(1, 1, 2000), annee).texte_bissextile;
  };
  EXPECT_EQ(texte(2000), ": Bissextile");
  EXPECT_EQ(texte(1900), ": Non bissextile");
  EXPECT_EQ(texte(2024), ": Bissextile");
  EXPECT_EQ(texte(1500), ": Bissextile");
  EXPECT_EQ(texte(-1), ": Bissextile");  // astronomical year 0
  EXPECT_EQ(texte(-2), ": Non bissextile");
  EXPECT_EQ(texte(-5), ": Bissextile");  // astronomical -4
}

TEST(Dates, RapportEnLignesLibelleTabulationValeur) {
  const auto r = calculer_dates(instant(1, 1, 2000, 12), instant(2, 1, 2000, 12), 2026);
  const std::string t = rapport_dates(r);
  EXPECT_EQ(t.rfind("Première date\t Nom du jour : samedi\r\n", 0), 0u);
  EXPECT_NE(t.find("Seconde date\t Nom du jour : dimanche\r\n"), std::string::npos);
  EXPECT_NE(t.find("Intervalle\t L'intervalle entre ces deux dates est de : 01 jour 0 h 00 m 00 s\r\n"),
            std::string::npos);
  EXPECT_NE(t.find("Pâques\t: 5 Avril\r\n"), std::string::npos);
  EXPECT_NE(t.find("Bissextile\t: Non bissextile\r\n"), std::string::npos);
  int lignes = 0;
  for (std::size_t i = 0; (i = t.find("\r\n", i)) != std::string::npos; i += 2) ++lignes;
  EXPECT_EQ(lignes, 11);
  EXPECT_EQ(t.find('\n'), t.find("\r\n") + 1);  // no bare line feed
}
