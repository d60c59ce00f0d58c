// Pluto's periodic sums.
#include <gtest/gtest.h>
#include <planseries/planseries.h>

#include <cmath>
#include <numbers>

namespace {

constexpr long double k = std::numbers::pi_v<long double> / 180.0L;

// The 43 published rows written out again: i, j, p, then A and B of the
// longitude, the latitude and the radius vector.
// clang-format off
const long double rangs[43][9] = {
    {0, 0, 1, -19798886, 19848454, -5453098, -14974876, 66867334, 68955876},
    {0, 0, 2, 897499, -4955707, 3527363, 1672673, -11826086, -333765},
    {0, 0, 3, 610820, 1210521, -1050939, 327763, 1593657, -1439953},
    {0, 0, 4, -341639, -189719, 178691, -291925, -18948, 482443},
    {0, 0, 5, 129027, -34863, 18763, 100448, -66634, -85576},
    {0, 0, 6, -38215, 31061, -30594, -25838, 30841, -5765},
    {0, 1, -1, 20349, -9886, 4965, 11263, -6140, 22254},
    {0, 1, 0, -4045, -4904, 310, -132, 4434, 4443},
    {0, 1, 1, -5885, -3238, 2036, -947, -1518, 641},
    {0, 1, 2, -3812, 3011, -2, -674, -5, 792},
    {0, 1, 3, -601, 3468, -329, -563, 518, 518},
    {0, 2, -2, 1237, 463, -64, 39, -13, -221},
    {0, 2, -1, 1086, -911, -94, 210, 837, -494},
    {0, 2, 0, 595, -1229, -8, -160, -281, 616},
    {1, -1, 0, 2484, -485, -177, 259, 260, -395},
    {1, -1, 1, 839, -1414, 17, 234, -191, -396},
    {1, 0, -3, -964, 1059, 582, -285, -3218, 370},
    {1, 0, -2, -2303, -1038, -298, 692, 8019, -7869},
    {1, 0, -1, 7049, 747, 157, 201, 105, 45637},
    {1, 0, 0, 1179, -358, 304, 825, 8623, 8444},
    {1, 0, 1, 393, -63, -124, -29, -896, -801},
    {1, 0, 2, 111, -268, 15, 8, 208, -122},
    {1, 0, 3, -52, -154, 7, 15, -133, 65},
    {1, 0, 4, -78, -30, 2, 2, -16, 1},
    {1, 1, -3, -34, -26, 4, 2, -22, 7},
    {1, 1, -2, -43, 1, 3, 0, -8, 16},
    {1, 1, -1, -15, 21, 1, -1, 2, 9},
    {1, 1, 0, -1, 15, 0, -2, 12, 5},
    {1, 1, 1, 4, 7, 1, 0, 1, -3},
    {1, 1, 3, 1, 5, 1, -1, 1, 0},
    {2, 0, -6, 8, 3, -2, -3, 9, 5},
    {2, 0, -5, -3, 6, 1, 2, 2, -1},
    {2, 0, -4, 6, -13, -8, 2, 14, 10},
    {2, 0, -3, 10, 22, 10, -7, -65, 12},
    {2, 0, -2, -57, -32, 0, 21, 126, -233},
    {2, 0, -1, 157, -46, 8, 5, 270, 1068},
    {2, 0, 0, 12, -18, 13, 16, 254, 155},
    {2, 0, 1, -4, 8, -2, -3, -26, -2},
    {2, 0, 2, -5, 0, 0, 0, 7, 0},
    {2, 0, 3, 3, 4, 0, 1, -11, 4},
    {3, 0, -2, -1, -1, 0, 1, 4, -14},
    {3, 0, -1, 6, -3, 0, 0, 18, 35},
    {3, 0, 0, -1, -2, 0, 1, 13, 3},
};
// clang-format on

enum Coordonnee { longitude = 3, latitude = 5, rayon = 7 };

// The row sum for mean longitudes J, S, P already turned into radians.
long double somme(Coordonnee c, long double J, long double S, long double P) {
  long double s = 0.0L;
  for (const auto& r : rangs) {
    const long double alpha = r[0] * J + r[1] * S + r[2] * P;
    s += r[c] * std::sin(alpha) + r[c + 1] * std::cos(alpha);
  }
  return s;
}

long double somme_a(Coordonnee c, long double facteur, long double t) {
  const long double T = 10.0L * t;
  return somme(c, (34.35L + 3034.9057L * T) * facteur, (50.08L + 1222.1138L * T) * facteur,
               (238.96L + 144.96L * T) * facteur);
}

TEST(Pluton, EnJ2000SommeDesRangs) {
  EXPECT_NEAR(planseries::pluton_longitude(k, 0.0L), somme(longitude, 34.35L * k, 50.08L * k, 238.96L * k), 1e-8L);
  EXPECT_NEAR(planseries::pluton_latitude(k, 0.0L), somme(latitude, 34.35L * k, 50.08L * k, 238.96L * k), 1e-8L);
  EXPECT_NEAR(planseries::pluton_rayon(k, 0.0L), somme(rayon, 34.35L * k, 50.08L * k, 238.96L * k), 1e-8L);
}

TEST(Pluton, SommesAuxAutresDates) {
  for (long double t : {-0.115L, -0.0070321697L, 0.0437L, 0.099L}) {
    EXPECT_NEAR(planseries::pluton_longitude(k, t), somme_a(longitude, k, t), 1e-7L) << double(t);
    EXPECT_NEAR(planseries::pluton_latitude(k, t), somme_a(latitude, k, t), 1e-7L) << double(t);
    EXPECT_NEAR(planseries::pluton_rayon(k, t), somme_a(rayon, k, t), 1e-7L) << double(t);
  }
  // The sums themselves equal the plain extended-precision ones over the program's
  // whole span, whatever the factor (radians or degrees): to 1e-6 of the table's unit
  // (1e-12 degree or AU), in long double.
  for (long double t = -6.7L; t <= 8.0L; t += 0.49L)
    for (long double f : {1.0L, k})
      for (Coordonnee c : {longitude, latitude, rayon}) {
        const auto fonction = c == longitude  ? planseries::pluton_longitude
                              : c == latitude ? planseries::pluton_latitude
                                              : planseries::pluton_rayon;
        EXPECT_LE(std::fabs(fonction(f, t) - somme_a(c, f, t)), 1e-6L) << double(t) << ' ' << c;
      }
}

TEST(Pluton, LeFacteurPremierMultiplieLesTroisLongitudes) {
  // With k = 1 the mean longitudes are taken as radians as they are; with the
  // arguments swapped the sums come out different.
  EXPECT_NEAR(planseries::pluton_longitude(1.0L, 0.03L), somme_a(longitude, 1.0L, 0.03L), 1e-7L);
  EXPECT_NEAR(planseries::pluton_rayon(1.0L, 0.03L), somme_a(rayon, 1.0L, 0.03L), 1e-7L);
  EXPECT_GT(std::fabs(planseries::pluton_longitude(0.03L, k) - planseries::pluton_longitude(k, 0.03L)), 1.0L);
}

struct Position {
  long double l, b, r;  // degrees, degrees, AU
};

// The callers' completion of the three sums.
Position position(long double jour_julien) {
  const long double t = (jour_julien - 2451545.0L) / 365250.0L;
  const long double T = 10.0L * t;
  return {238.956785L + 144.96L * T + planseries::pluton_longitude(k, t) * 1e-6L,
          planseries::pluton_latitude(k, t) * 1e-6L - 3.908202L, 40.7247248L + planseries::pluton_rayon(k, t) * 1e-7L};
}

TEST(Pluton, ExempleDu13Octobre1992) {
  // The handbook's worked example (JDE 2448908.5): l = 232.74009 deg,
  // b = 14.58782 deg, R = 29.711111 AU, computed with the revised coefficients
  // of its second edition; the first-edition rows used here agree to 1e-5 deg
  // in longitude and within 0.0002 deg and 0.0003 AU otherwise.
  const Position p = position(2448908.5L);
  EXPECT_NEAR(p.l, 232.74009L, 1e-5L);
  EXPECT_NEAR(p.b, 14.58782L, 2e-4L);
  EXPECT_NEAR(p.r, 29.711111L, 4e-4L);
}

TEST(Pluton, PositionAu1erJanvier2000) {
  // Pluto's published osculating orbit (JPL elements of July 2015) puts it at
  // l = 250.47 deg, b = 11.31 deg, R = 30.198 AU on 2000 January 1.0 TT; the
  // series does not know about the osculating drift of 15 years, hence the
  // margins.
  const Position p = position(2451544.5L);
  EXPECT_NEAR(p.l, 250.47L, 0.2L);
  EXPECT_NEAR(p.b, 11.31L, 0.2L);
  EXPECT_NEAR(p.r, 30.198L, 0.05L);
}

}  // namespace
