#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calcul/calendrier.h"
#include "calcul/pages/satellites.h"

using namespace almanax;

// The handbook's worked example of the low-accuracy theory: 1992 December 16 at 0 h.
TEST(Satellites, HandbookExample) {
  const positions_satellites p = positions_des_satellites(2448972.5L);
  EXPECT_NEAR(p.io, -3.44, 0.02);
  EXPECT_NEAR(p.europe, 7.44, 0.02);
  EXPECT_NEAR(p.ganymede, 1.24, 0.02);
  EXPECT_NEAR(p.callisto, 7.08, 0.02);
}

// Over twenty years: each satellite stays within its orbit's radius and reaches it,
// and the curves repeat with the synodic periods seen from the Earth.
TEST(Satellites, ElongationsAndPeriods) {
  const struct {
    satellite s;
    double rayon_max, periode;
  } cas[] = {{satellite::io, 5.932, 1.7699},
             {satellite::europe, 9.4080, 3.5541},
             {satellite::ganymede, 15.014, 7.1664},
             {satellite::callisto, 26.564, 16.7536}};
  const long double debut = 2448972.5L, pas = 0.02L;
  const int n = 20 * 365 * 50;
  double plus_grand[4] = {};
  std::vector<long double> passages[4];  // crossings from east to west of the planet
  long double avant[4] = {};
  for (int i = 0; i <= n; ++i) {
    const long double jd = debut + i * pas;
    const positions_satellites p = positions_des_satellites(jd);
    for (int k = 0; k < 4; ++k) {
      const long double x = offset_satellite(p, cas[k].s);
      plus_grand[k] = std::max(plus_grand[k], static_cast<double>(std::fabs(x)));
      if (i > 0 && avant[k] < 0 && x >= 0) passages[k].push_back(jd);
      avant[k] = x;
    }
  }
  for (int k = 0; k < 4; ++k) {
    const auto& c = cas[k];
    EXPECT_LE(plus_grand[k], c.rayon_max) << nom_satellite(c.s);
    EXPECT_GE(plus_grand[k], c.rayon_max - 0.08) << nom_satellite(c.s);
    ASSERT_GT(passages[k].size(), 100u);
    const double periode = static_cast<double>((passages[k].back() - passages[k].front()) / (passages[k].size() - 1));
    EXPECT_NEAR(periode, c.periode, 0.002) << nom_satellite(c.s);
  }
}

TEST(Satellites, MonthChart) {
  const graphique_satellites g = graphique_des_satellites(1, 1994);
  EXPECT_EQ(g.y_jupiter, 192);
  EXPECT_EQ(g.echelle, 76);
  EXPECT_EQ(g.pas_jour, 24);
  EXPECT_DOUBLE_EQ(static_cast<double>(g.jour_julien), 2449352.5);  // 31 December 1993, 0 h
  ASSERT_EQ(g.jours.size(), 32u);
  EXPECT_EQ(g.jours.back().x, 744);
  EXPECT_EQ(g.jours.back().numero, 31);
  ASSERT_EQ(g.positions.size(), 385u);
  EXPECT_DOUBLE_EQ(static_cast<double>(g.positions[12].jour_julien - g.jour_julien), 1.0);  // 64/768 day a point
  // Callisto, last of the drawing order, 26.07 radii east at the start: 132 pixels up.
  EXPECT_EQ(g.points[3][0].x, 0);
  EXPECT_EQ(g.points[3][0].y, 192 - 132);
  EXPECT_EQ(g.points[3][384].x, 768);

  // Labels past the month's end run on into the next month.
  const struct {
    int mois, annee;
    std::vector<int> fin;
  } cas[] = {{4, 1994, {29, 30, 1}}, {2, 1992, {29, 1, 2}}, {2, 1993, {28, 1, 2, 3}}};
  for (const auto& c : cas) {
    const graphique_satellites m = graphique_des_satellites(c.mois, c.annee);
    std::vector<int> fin;
    for (std::size_t k = m.jours.size() - c.fin.size(); k < m.jours.size(); ++k) fin.push_back(m.jours[k].numero);
    EXPECT_EQ(fin, c.fin) << c.mois << "/" << c.annee;
  }
  // A smaller window: fewer points and a finer scale, same instants per pixel.
  const graphique_satellites petit = graphique_des_satellites(1, 1994, 400, 250);
  EXPECT_EQ(petit.positions.size(), 201u);
  EXPECT_EQ(petit.pas_jour, 12);  // 12.5 rounds to even
  EXPECT_EQ(petit.echelle, 40);
}

// The year is the spin's, historical: -1 is 1 BC, astronomical 0, a leap year.
TEST(Satellites, HistoricalYears) {
  const struct {
    int mois, annee;
    date_jma jour_zero;  // day 0 of the chart, astronomical year
    int jours_du_mois;
  } cas[] = {{1, -1, {31, 12, -1}, 31}, {2, -1, {31, 1, 0}, 29},  {3, -1, {29, 2, 0}, 31},
             {2, -5, {31, 1, -4}, 29},  {2, -4, {31, 1, -3}, 28}, {1, 1, {31, 12, 0}, 31}};
  for (const auto& c : cas) {
    const graphique_satellites g = graphique_des_satellites(c.mois, c.annee);
    date_de_calcul d;
    d.jour = c.jour_zero.jour;
    d.mois = c.jour_zero.mois;
    d.annee = c.jour_zero.annee;
    julien(d);
    EXPECT_DOUBLE_EQ(static_cast<double>(g.jour_julien), static_cast<double>(d.jour_julien))
        << c.mois << "/" << c.annee;
    EXPECT_EQ(g.jours_du_mois, c.jours_du_mois) << c.mois << "/" << c.annee;
  }
  // The report's dates are historical again: January of 1 BC starts on 31/12/-2.
  const graphique_satellites g = graphique_des_satellites(1, -1);
  EXPECT_NE(texte_satellites({positions_des_satellites(g.jour_julien)}, false, ",").find("\r\n31/12/-2\t"),
            std::string::npos);
}

// Day k's line stands where the curves reach JD0 + k, whatever the width.
TEST(Satellites, DayLinesOnTheCurvesScale) {
  // 1098: the chart of a window of 1150 pixels.
  for (int largeur : {768, 400, 1098, 1000, 333}) {
    const graphique_satellites g = graphique_des_satellites(1, 1994, largeur, 434);
    ASSERT_GE(g.jours.size(), 2u) << largeur;
    for (std::size_t k = 0; k < g.jours.size(); ++k) {
      // Point e of the curves is at x = 2e and JD0 + e * 64 / w.
      const long double x_du_jour = static_cast<long double>(k) * largeur / 32.0L;
      EXPECT_LE(std::fabs(static_cast<double>(g.jours[k].x - x_du_jour)), 0.5) << largeur << " day " << k;
      EXPECT_LT(g.jours[k].x, largeur);
    }
    EXPECT_GE(static_cast<long double>(g.jours.size()) * largeur / 32.0L, largeur - 0.5L) << largeur;
  }
}

// The labels are the days of the month of each line's date, across the calendar change.
TEST(Satellites, LabelsAreTheRealDates) {
  const graphique_satellites g = graphique_des_satellites(10, 1582);
  ASSERT_EQ(g.jours.size(), 32u);
  std::vector<int> numeros;
  for (const jour_grille& j : g.jours) numeros.push_back(j.numero);
  const std::vector<int> attendus = {0,  1,  2,  3,  4,  15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                                     26, 27, 28, 29, 30, 31, 1,  2,  3,  4,  5,  6,  7,  8,  9,  10};
  EXPECT_EQ(numeros, attendus);
}

TEST(Satellites, Text) {
  const positions_satellites p = positions_des_satellites(2448972.5L + 0.25L);
  EXPECT_EQ(texte_satellites({p}, true, ","),
            "Satellites joviens : écart à Jupiter en rayons de Jupiter (positif à l'ouest)\r\n"
            "Date\tHeure\tIo\tEurope\tGanymède\tCallisto\r\n"
            "16/12/1992\t06:00\t1,52\t9,18\t4,45\t9,44\r\n");
  EXPECT_NE(texte_satellites({positions_des_satellites(2448972.5L)}, false, ".")
                .find("\r\n16/12/1992\t-3.46\t7.43\t1.23\t7.08\r\n"),
            std::string::npos);
}
