#include <gtest/gtest.h>
#include <planseries/planseries.h>

#include <cmath>

#include "calcul/formats.h"
#include "calcul/planete.h"

using namespace almanax;

namespace {
constexpr long double arcsec = 1.0L / 3600.0L;
constexpr long double jd_venus = 2448976.5L;  // 20 December 1992, 0 h

long double hms(long double h, long double m, long double s) {
  return (h + m / 60 + s / 3600) * 15;
}
long double dms(long double d, long double m, long double s) {
  return d < 0 ? d - m / 60 - s / 3600 : d + m / 60 + s / 3600;
}
}  // namespace

TEST(Planete, IndexEtNoms) {
  EXPECT_EQ(planete_de_index(0), planete::mercure);
  EXPECT_EQ(planete_de_index(8), planete::pluton);
  EXPECT_FALSE(planete_de_index(9));
  EXPECT_FALSE(planete_de_index(-1));
  EXPECT_EQ(nom_planete(planete::venus), "Vénus");
  EXPECT_EQ(nom_planete(planete::pluton), "Pluton");
}

// Venus, 20 December 1992 at 0 h: the published apparent place is
// 21 h 04 m 41.454 s, -18° 53' 16.84", at 0.910947 AU after the light-time step
// (0.910845 AU before it).
TEST(Planete, Venus1992) {
  etat_position e = trois_instants(planete::venus, jd_venus);
  EXPECT_NEAR(e.alpha, hms(21, 4, 41.454L), 2 * arcsec);
  EXPECT_NEAR(e.delta, dms(-18, 53, 16.84L), 2 * arcsec);
  EXPECT_EQ(format_hms(e.alpha), "21 h 04 m 41 s");
  EXPECT_EQ(format_dms_signe(e.delta), "-18 ° 53 '  17 ''");
  EXPECT_NEAR(e.Delta, 0.910947L, 2e-6L);
  EXPECT_NEAR(e.Delta_geometrique, 0.910845L, 2e-6L);
  EXPECT_NEAR(e.Delta, 0.9108L, 2e-4L);
  // Heliocentric values of the instant itself (before the light time).
  EXPECT_NEAR(e.longitude_helio, 26.11428L, 1e-5L);
  EXPECT_NEAR(e.latitude_helio, -2.62070L, 1e-5L);
  // R after the light-time step: the planet 0.00526 day earlier.
  EXPECT_NEAR(e.R, planseries::venus_rayon(temps_t(jd_venus - temps_lumiere(e.Delta_geometrique))), 1e-12L);
  EXPECT_NEAR(e.R, 0.724603L, 2e-6L);
  EXPECT_EQ(e.alpha_3j[1], e.alpha);
  EXPECT_EQ(e.delta_3j[1], e.delta);
  EXPECT_TRUE(e.apparent);
  // Nutation of the apparent place: a few arcseconds, true obliquity near 23.44°.
  EXPECT_LT(std::fabs(e.nutation.delta_psi), 20 * arcsec);
  EXPECT_NEAR(e.nutation.epsilon(), 23.44L, 0.01L);
}

// The two neighbouring days are real positions, and the returned state is the
// instant's own (not the last day's).
TEST(Planete, TroisInstants) {
  const etat_position e = trois_instants(planete::mars, jd_venus);
  for (int k = -1; k <= 1; ++k) {
    etat_position seul;
    position_instant(planete::mars, jd_venus, k, seul);
    EXPECT_NEAR(e.alpha_3j[k + 1], seul.alpha, 1e-12L) << k;
    EXPECT_NEAR(e.delta_3j[k + 1], seul.delta, 1e-12L) << k;
    if (k == 0) {
      EXPECT_NEAR(e.Delta, seul.Delta, 1e-15L);
      EXPECT_NEAR(e.R, seul.R, 1e-15L);
    }
  }
  // Mars near opposition (January 1993) moves retrograde: alpha decreases.
  EXPECT_GT(e.alpha_3j[0], e.alpha_3j[1]);
  EXPECT_GT(e.alpha_3j[1], e.alpha_3j[2]);
  // A day apart is a fraction of a degree, never the same value.
  EXPECT_GT(std::fabs(e.alpha_3j[2] - e.alpha_3j[0]), 0.1L);
  EXPECT_LT(std::fabs(e.alpha_3j[2] - e.alpha_3j[0]), 2.0L);
  EXPECT_EQ(e.instant, 0);
}

TEST(Planete, LaTerreNAQueDesValeursHeliocentriques) {
  const etat_position e = trois_instants(planete::terre, jd_venus);
  const long double t = temps_t(jd_venus);
  EXPECT_EQ(e.Delta, 0);
  EXPECT_FALSE(e.apparent);
  EXPECT_NEAR(e.R, planseries::terre_rayon(t), 1e-15L);
  EXPECT_NEAR(e.longitude_helio, modulo_360(planseries::terre_longitude(t) * rad_deg), 1e-12L);
  EXPECT_NEAR(e.latitude_helio, planseries::terre_latitude(t) * rad_deg, 1e-12L);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(e.alpha_3j[k], 0);
}

// Pluto on 13 October 1992: heliocentric 232.74009°, 29.711383 AU; its published
// astrometric place 15 h 31 m 43.7 s, -4° 27' 29" includes the light time (about
// 2.5" of motion), which the geometric place here leaves out.
TEST(Planete, PlutonGeometriqueJ2000) {
  const long double jd = 2448908.5L;
  const etat_position e = trois_instants(planete::pluton, jd);
  EXPECT_NEAR(e.longitude_helio, 232.74009L, 1e-5L);
  EXPECT_NEAR(e.r_pluton, 29.711383L, 2e-6L);
  EXPECT_NEAR(e.alpha, hms(15, 31, 43.7L), 5 * arcsec);
  EXPECT_NEAR(e.delta, dms(-4, 27, 29), 5 * arcsec);
  EXPECT_NEAR(e.Delta, 30.528L, 0.002L);
  EXPECT_TRUE(e.apparent);
  // r_pluton is the radius before the light-time step; R the one after it.
  EXPECT_NEAR(e.R, heliocentrique(planete::pluton, temps_t(jd - temps_lumiere(e.Delta))).R, 1e-12L);
  EXPECT_NE(e.R, e.r_pluton);
}

TEST(Planete, CompletionDesSommesDePluton) {
  const long double t = -0.05L, T = 10 * t;
  const coord_heliocentriques h = heliocentrique(planete::pluton, t);
  EXPECT_NEAR(h.L * rad_deg, 238.956785L + 144.96L * T + planseries::pluton_longitude(deg_rad, t) * 1e-6L, 1e-10L);
  EXPECT_NEAR(h.B * rad_deg, planseries::pluton_latitude(deg_rad, t) * 1e-6L - 3.908202L, 1e-10L);
  EXPECT_NEAR(h.R, 40.7247248L + planseries::pluton_rayon(deg_rad, t) * 1e-7L, 1e-10L);
}

// Jupiter crosses 0 h on 11 February 1999: the day before is stored near 360°,
// the day after near 0°, both reduced and left as they are.
TEST(Planete, PassageParZeroHeure) {
  const etat_position e = trois_instants(planete::jupiter, 2451220.5L);
  EXPECT_GT(e.alpha_3j[0], 359.5L);
  EXPECT_LT(e.alpha_3j[0], 360.0L);
  EXPECT_LT(e.alpha_3j[2], 0.5L);
  EXPECT_GE(e.alpha_3j[2], 0.0L);
  for (long double a : e.alpha_3j) {
    EXPECT_GE(a, 0);
    EXPECT_LT(a, 360);
  }
}

TEST(Planete, VecteurGeocentrique) {
  // The Earth seen from itself is at the origin; a planet straight out from the
  // Sun behind the Earth is at R - R0.
  const vecteur3 v = geocentrique({1, 0.1L, 5}, {1, 0.1L, 5});
  EXPECT_NEAR(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 0, 1e-15L);
  const vecteur3 w = geocentrique({0.5L, 0, 5.2L}, {0.5L, 0, 1.0L});
  EXPECT_NEAR(w.x, 4.2L * std::cos(0.5L), 1e-15L);
  EXPECT_NEAR(w.y, 4.2L * std::sin(0.5L), 1e-15L);
  EXPECT_NEAR(w.z, 0, 1e-15L);
}

// Every planet, over a century: finite places in range, distances that fit the orbits.
TEST(Planete, PlausibleSurUnSiecle) {
  const long double bornes[9][2] = {{0.5L, 1.5L},  {0.25L, 1.75L}, {0, 0},         {0.35L, 2.7L}, {3.9L, 6.5L},
                                    {7.9L, 11.1L}, {17.2L, 21.2L}, {28.7L, 31.4L}, {28.5L, 51}};
  for (int p = 0; p < nombre_planetes; ++p) {
    if (p == 2) continue;
    for (long double jd = 2433282.5L; jd < 2469807.5L; jd += 3653.3L) {
      const etat_position e = trois_instants(static_cast<planete>(p), jd);
      EXPECT_GE(e.Delta, bornes[p][0]) << p << " " << jd;
      EXPECT_LE(e.Delta, bornes[p][1]) << p << " " << jd;
      EXPECT_GE(e.alpha, 0);
      EXPECT_LT(e.alpha, 360);
      EXPECT_LE(std::fabs(e.delta), 30) << p << " " << jd;
      // The light-time step moves the distance by far less than a percent.
      EXPECT_NEAR(e.Delta, e.Delta_geometrique, 0.005L * e.Delta);
    }
  }
}
