#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calcul/pages/equa_time.h"

using namespace almanax;

TEST(EquationDuTemps, DayTexts) {
  const struct {
    date_jma date;
    const char* texte;
  } cas[] = {
      {{11, 2, 1992}, "le 11 Février 1992 : -14 m 17 s "},
      {{13, 10, 1992}, "le 13 Octobre 1992 : 13 m 43 s "},
      {{3, 11, 1992}, "le 3 Novembre 1992 : 16 m 28 s "},
  };
  for (const auto& c : cas) EXPECT_EQ(equation_du_temps_du_jour(c.date).texte, c.texte);
  EXPECT_NEAR(equation_du_temps_du_jour({11, 2, 1992}).minutes, -14.29, 0.01);
}

// Read back, every day's text gives its value to the half second: no "60 s", and no
// sign lost when the value lies between -1 and 0 minute.
TEST(EquationDuTemps, TextMatchesValueAllYear) {
  int negatifs_sous_une_minute = 0;
  for (int annee : {1992, 2024}) {
    for (int mois = 1; mois <= 12; ++mois) {
      for (int jour = 1; jour <= jours_du_mois(mois, annee); ++jour) {
        const equation_du_jour r = equation_du_temps_du_jour({jour, mois, annee});
        const std::string valeur = r.texte.substr(r.texte.find(" : ") + 3);
        int m = 0, s = 0;
        ASSERT_EQ(std::sscanf(valeur.c_str(), "%d m %d s", &m, &s), 2) << r.texte;
        ASSERT_LT(s, 60) << r.texte;
        const double signe = valeur[0] == '-' ? -1.0 : 1.0;
        const double lu = signe * (std::abs(m) * 60 + s) / 60.0;
        EXPECT_NEAR(lu, static_cast<double>(r.minutes), 0.5 / 60 + 1e-9) << r.texte;
        if (r.minutes < 0 && r.minutes > -1 && s > 0) {
          ++negatifs_sous_une_minute;
          EXPECT_EQ(valeur.substr(0, 4), "-0 m") << r.texte;
        }
      }
    }
  }
  EXPECT_GT(negatifs_sous_une_minute, 0);
}

TEST(EquationDuTemps, YearCurveGeometry) {
  const courbe_equation_du_temps c = trace_equation_du_temps(1992);
  EXPECT_EQ(c.largeur, 436);
  EXPECT_EQ(c.hauteur, 310);
  ASSERT_EQ(c.points.size(), 411u);  // x = 30 .. 440
  EXPECT_EQ(c.points.front().x, 30);
  EXPECT_EQ(c.points.back().x, 440);
  // Column 30 + n is noon of day n.
  EXPECT_NEAR(static_cast<double>(c.points[42].minutes),
              static_cast<double>(valeur_equation_du_temps((c.jour_julien + 41.5L - 2451545.0L) / 36525.0L)), 1e-12);
  // The maximum, early in November: 99 pixels above the zero line.
  const auto haut = std::min_element(c.points.begin(), c.points.end(),
                                     [](const point_equation& a, const point_equation& b) { return a.y < b.y; });
  EXPECT_EQ(haut->y, 31);
  EXPECT_GE(haut->x - 30, 305);  // 1 November
  EXPECT_LE(haut->x - 30, 310);  // 5 November
}
