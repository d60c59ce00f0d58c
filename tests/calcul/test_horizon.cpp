// The sky of a site: sidereal time and horizontal coordinates against the handbook's
// worked examples, and the level crossings against a function whose crossings are known.
#include <gtest/gtest.h>

#include <cmath>

#include "calcul/horizon.h"
#include "calcul/numerique.h"

namespace almanax {
namespace {

TEST(Horizon, TempsSideralEtCoordonneesHorizontales) {
  // 1987 April 10, 0 h UT: apparent sidereal time 13 h 10 m 46.1351 s (mean 46.3668 s).
  const long double jd = 2446895.5L;
  EXPECT_NEAR(temps_sideral_apparent(jd, jd), 15.0L * (13 + 10 / 60.0L + 46.1351L / 3600), 0.0001L);
  // Venus from Washington, 1987 April 10 at 19 h 21 m UT: altitude 15.1249°, azimuth
  // 68.0337° from the south westwards, i.e. 248.0337° from the north through the east.
  site_courant washington;
  washington.latitude = 38 + 55 / 60.0L + 17 / 3600.0L;
  washington.longitude = 77 + 3 / 60.0L + 56 / 3600.0L;  // west: positive
  const long double instant = jd + (19 + 21 / 60.0L) / 24;
  const long double alpha = 15.0L * (23 + 9 / 60.0L + 16.641L / 3600);
  const long double delta = -(6 + 43 / 60.0L + 11.61L / 3600);
  const coord_horizontales h = vers_horizon(alpha, delta, temps_sideral_apparent(instant, instant), washington);
  EXPECT_NEAR(h.altitude, 15.1249L, 0.0003L);
  EXPECT_NEAR(h.azimut, 248.0337L, 0.0003L);
  // The south hemisphere and the east: the celestial pole below, a star due north at
  // its upper transit.
  site_courant sydney;
  sydney.latitude = 33.87L;
  sydney.sens_latitude = -1;
  sydney.longitude = 151.21L;
  sydney.sens_longitude = -1;
  const long double tsg = 100;
  const coord_horizontales nord = vers_horizon(modulo_360(tsg + 151.21L), 20, tsg, sydney);
  EXPECT_NEAR(nord.altitude, 90 - 33.87L - 20, 1e-9L);
  EXPECT_NEAR(std::fmod(nord.azimut + 1, 360.0L) - 1, 0, 1e-9L);
}

TEST(Horizon, PassagesDeNiveau) {
  // sin over two turns crosses 0.5 four times, rising at pi/6 and 13 pi/6.
  const auto f = [](long double t) { return std::sin(t); };
  const auto p = passages_niveau(f, 0, 4 * pi, 0.1L, 0.5L);
  ASSERT_EQ(p.size(), 4u);
  EXPECT_NEAR(p[0].instant, pi / 6, 1e-5L);
  EXPECT_TRUE(p[0].montant);
  EXPECT_NEAR(p[1].instant, 5 * pi / 6, 1e-5L);
  EXPECT_FALSE(p[1].montant);
  EXPECT_NEAR(p[2].instant, 13 * pi / 6, 1e-5L);
  EXPECT_TRUE(passages_niveau(f, 0, 4 * pi, 0.1L, 2).empty());  // never reached
  EXPECT_TRUE(passages_niveau(f, 1, 0, 0.1L, 0.5L).empty());
}

}  // namespace
}  // namespace almanax
