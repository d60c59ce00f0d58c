#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "calcul/corrections.h"
#include "calcul/table_nutation.h"

using namespace almanax;

namespace {
constexpr long double arcsec = 1.0L / 3600.0L;
}

TEST(Corrections, Modulo360) {
  EXPECT_DOUBLE_EQ(modulo_360(725), 5);
  EXPECT_DOUBLE_EQ(modulo_360(-10), 350);
  EXPECT_DOUBLE_EQ(modulo_360(-360), 360);  // a negative whole turn gives 360, not 0
  EXPECT_DOUBLE_EQ(modulo_360(360), 0);
  EXPECT_DOUBLE_EQ(modulo_360(-725), 355);
}

TEST(Corrections, TempsEtTempsLumiere) {
  EXPECT_DOUBLE_EQ(temps_t(2451545.0L), 0);
  EXPECT_NEAR(temps_t(2451545.0L + 365250.0L), 1.0L, 1e-15L);
  EXPECT_NEAR(temps_t(2446895.5L), -0.0127296372348L, 1e-12L);  // -4649.5 days
  // One astronomical unit: 8 min 19 s.
  EXPECT_NEAR(temps_lumiere(1) * 86400, 499.0, 0.1);
  EXPECT_NEAR(temps_lumiere(30) / temps_lumiere(1), 30.0L, 1e-12L);
}

// The term table must be the data file row for row.
TEST(Corrections, TableDeNutationConformeAuFichier) {
  const auto chemin =
      std::filesystem::path(ALMANAX_SOURCE_DIR) / "astro" / "calcul" / "donnees_tables" / "nutation_iau1980.tsv";
  std::ifstream f(chemin);
  ASSERT_TRUE(f) << chemin;
  std::string ligne;
  std::size_t n = 0;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    ASSERT_LT(n, table_nutation.size());
    std::istringstream in(ligne);
    int d, m, mp, fa, om;
    long double s, st, c, ct;
    in >> d >> m >> mp >> fa >> om >> s >> st >> c >> ct;
    const terme_nutation& k = table_nutation[n];
    EXPECT_EQ(k.d, d) << "ligne " << n;
    EXPECT_EQ(k.m, m) << "ligne " << n;
    EXPECT_EQ(k.mp, mp) << "ligne " << n;
    EXPECT_EQ(k.f, fa) << "ligne " << n;
    EXPECT_EQ(k.omega, om) << "ligne " << n;
    EXPECT_DOUBLE_EQ(k.s, s) << "ligne " << n;
    EXPECT_DOUBLE_EQ(k.s_t, st) << "ligne " << n;
    EXPECT_DOUBLE_EQ(k.c, c) << "ligne " << n;
    EXPECT_DOUBLE_EQ(k.c_t, ct) << "ligne " << n;
    ++n;
  }
  EXPECT_EQ(n, 63u);
  int cosinus = 0;
  for (const auto& k : table_nutation) cosinus += (k.c != 0 || k.c_t != 0);
  EXPECT_EQ(cosinus, 38);
}

TEST(Corrections, ValeursAJ2000) {
  const etat_nutation n = nutation_complete(0);
  EXPECT_NEAR(n.epsilon0, 23.43929111L, 1e-12L);
  EXPECT_NEAR(n.D * rad_deg, 297.85036L, 1e-10L);
  EXPECT_NEAR(n.M * rad_deg, 357.52772L, 1e-10L);
  EXPECT_NEAR(n.Mp * rad_deg, 134.96298L, 1e-10L);
  EXPECT_NEAR(n.F * rad_deg, 93.27191L, 1e-10L);
  EXPECT_NEAR(n.Omega * rad_deg, 125.04452L, 1e-10L);
  EXPECT_NEAR(n.epsilon(), n.epsilon0 + n.delta_epsilon, 1e-15L);
}

// 10 April 1987 at 0 h.
TEST(Corrections, Nutation1987) {
  etat_nutation n;
  n.t = temps_t(2446895.5L);
  nutation_obliquite(n);
  nutation_longitude(n);
  obliquite_moyenne(n);
  EXPECT_NEAR(n.delta_psi / arcsec, -3.788L, 0.001L);
  EXPECT_NEAR(n.delta_epsilon / arcsec, 9.443L, 0.001L);
  // 23° 26' 27.41"
  EXPECT_NEAR(n.epsilon0, 23.0L + 26.0L / 60 + 27.41L / 3600, 0.01L * arcsec);
  // The arguments are reduced to one turn before use.
  for (long double a : {n.D, n.M, n.Mp, n.F, n.Omega}) {
    EXPECT_GE(a, 0);
    EXPECT_LE(a, 2 * pi);
  }
  EXPECT_NEAR(n.Omega * rad_deg, 11.2531L, 0.0001L);
  EXPECT_NEAR(n.D * rad_deg, 136.9623L, 0.0001L);
}

// The routines share their arguments: nutation_longitude uses what nutation_obliquite stored.
TEST(Corrections, LongitudeLitLesArgumentsStockes) {
  etat_nutation n;
  n.t = temps_t(2446895.5L);
  nutation_longitude(n);  // arguments still zero: only the T terms' sines of 0
  EXPECT_NEAR(n.delta_psi, 0, 1e-15L);
  nutation_obliquite(n);
  nutation_longitude(n);
  EXPECT_NEAR(n.delta_psi / arcsec, -3.788L, 0.001L);
}

TEST(Corrections, NutationBorneeSurDesSiecles) {
  for (long double jd = 2341972.5L; jd < 2488069.5L; jd += 1234.5L) {
    const etat_nutation n = nutation_complete(temps_t(jd));
    EXPECT_LT(std::fabs(n.delta_psi / arcsec), 19.5L) << jd;
    EXPECT_LT(std::fabs(n.delta_epsilon / arcsec), 10.5L) << jd;
    EXPECT_NEAR(n.epsilon0, 23.44L, 0.1L) << jd;
  }
}

// The nutation is summed in double after the exact reduction of its arguments: over the
// program's years it stays within 1e-9" of the same sums in extended precision (terms
// and sines in long double), and the three routines one by one give the same bits as
// nutation_complete, whose last instant kept per thread never answers for another.
TEST(Corrections, NutationEnDoubleCommeLaSommeEtendue) {
  long double ecart_max = 0;
  for (long double jd = 0.5L; jd < 5373484.5L; jd += 7919.37L) {
    const long double t = temps_t(jd);
    const etat_nutation n = nutation_complete(t);
    long double psi = 0, eps = 0;
    const long double T = 10 * t;
    for (const terme_nutation& k : table_nutation) {
      const long double a = k.d * n.D + k.m * n.M + k.mp * n.Mp + k.f * n.F + k.omega * n.Omega;
      psi += (k.s + k.s_t * T) * std::sin(a);
      eps += (k.c + k.c_t * T) * std::cos(a);
    }
    const long double d_psi = std::fabs(n.delta_psi - psi * 0.0001L * arcsec) / arcsec;
    const long double d_eps = std::fabs(n.delta_epsilon - eps * 0.0001L * arcsec) / arcsec;
    ecart_max = std::max({ecart_max, d_psi, d_eps});
    ASSERT_LT(d_psi, 1e-9L) << double(jd);
    ASSERT_LT(d_eps, 1e-9L) << double(jd);

    etat_nutation un_a_un;
    un_a_un.t = t;
    nutation_obliquite(un_a_un);
    nutation_longitude(un_a_un);
    obliquite_moyenne(un_a_un);
    EXPECT_EQ(un_a_un.delta_psi, n.delta_psi);
    EXPECT_EQ(un_a_un.delta_epsilon, n.delta_epsilon);
    EXPECT_EQ(un_a_un.epsilon0, n.epsilon0);
  }
  std::ostringstream ecart;
  ecart << static_cast<double>(ecart_max);
  RecordProperty("ecart_max_arcsec", ecart.str());
  const etat_nutation a = nutation_complete(0.1L), b = nutation_complete(0.2L), c = nutation_complete(0.1L);
  EXPECT_NE(a.delta_psi, b.delta_psi);
  EXPECT_EQ(a.delta_psi, c.delta_psi);
  EXPECT_EQ(a.delta_epsilon, c.delta_epsilon);
}

TEST(Corrections, Log10) {
  EXPECT_NEAR(Log10(1000), 3, 1e-15L);
  EXPECT_NEAR(Log10(0.01L), -2, 1e-15L);
  EXPECT_NEAR(Log10(2), 0.30102999566398119521L, 1e-15L);
  EXPECT_FALSE(std::isfinite(Log10(0)));
}

TEST(Corrections, LongitudeDuSoleil) {
  EXPECT_NEAR(longitude_soleil_vraie(10 * deg_rad), 190, 1e-12L);
  EXPECT_NEAR(longitude_soleil_vraie(200 * deg_rad), 20, 1e-12L);  // 380 would pass 360
  // A longitude of many negative turns is reduced first: -68.65925815 rad is 26.1142835°.
  EXPECT_NEAR(longitude_soleil_vraie(-68.65925815L), 206.1142835L, 1e-6L);
  EXPECT_NEAR(longitude_soleil_vraie(4 * pi + 10 * deg_rad), 190, 1e-10L);
}

TEST(Corrections, Aberration) {
  const long double T = 0;
  const long double perihelie = 102.93735L;
  // Where the eccentricity term vanishes the displacement is the whole constant.
  const long double theta = perihelie + 90;
  coord_ecliptiques c = aberration({theta, 0}, theta, T);
  EXPECT_NEAR((c.lambda - theta) / arcsec, -20.49552L, 0.001L);
  EXPECT_NEAR(c.beta, 0, 1e-15L);
  c = aberration({theta + 180, 0}, theta, T);
  EXPECT_NEAR((c.lambda - theta - 180) / arcsec, 20.49552L, 0.001L);
  // Any conjunction or opposition: about 20.5", the eccentricity changes it by 0.35" at most.
  for (long double th = 0; th < 360; th += 37) {
    EXPECT_NEAR((aberration({th, 0}, th, T).lambda - th) / arcsec, -20.5L, 0.4L) << th;
    EXPECT_NEAR((aberration({th + 180, 0}, th, T).lambda - th - 180) / arcsec, 20.5L, 0.4L) << th;
  }
  // At quadrature the latitude is displaced by kappa sin(beta).
  c = aberration({theta - 90, 30}, theta, T);
  EXPECT_NEAR((c.beta - 30) / arcsec, -20.49552L * 0.5L, 0.2L);
  // The longitude displacement grows as 1 / cos(beta).
  c = aberration({theta, 60}, theta, T);
  EXPECT_NEAR((c.lambda - theta) / arcsec, -2 * 20.49552L, 0.01L);
}

TEST(Corrections, EcliptiqueVersEquatorial) {
  const long double eps = 23.4392911L;
  coord_equatoriales q = ecliptique_vers_equatorial({0, 0}, eps);
  EXPECT_NEAR(q.alpha, 0, 1e-12L);
  EXPECT_NEAR(q.delta, 0, 1e-12L);
  q = ecliptique_vers_equatorial({90, 0}, eps);
  EXPECT_NEAR(q.alpha, 90, 1e-12L);
  EXPECT_NEAR(q.delta, eps, 1e-12L);
  q = ecliptique_vers_equatorial({180, 0}, eps);
  EXPECT_NEAR(q.alpha, 180, 1e-12L);
  q = ecliptique_vers_equatorial({270, 0}, eps);
  EXPECT_NEAR(q.alpha, 270, 1e-12L);
  EXPECT_NEAR(q.delta, -eps, 1e-12L);
  // Just west of the equinox the right ascension is just below 360, not negative.
  q = ecliptique_vers_equatorial({359.9L, 0}, eps);
  EXPECT_GT(q.alpha, 359.8L);
  EXPECT_LT(q.alpha, 360);
  // Close to the ecliptic pole (18 h, 90° - epsilon).
  q = ecliptique_vers_equatorial({0, 89.9L}, eps);
  EXPECT_NEAR(q.alpha, 270, 0.5L);
  EXPECT_NEAR(q.delta, 90 - eps, 0.001L);
  // A star: lambda 113.215630°, beta 6.684170°, mean obliquity J2000.
  q = ecliptique_vers_equatorial({113.215630L, 6.684170L}, eps);
  EXPECT_NEAR(q.alpha, 116.328942L, 2e-6L);
  EXPECT_NEAR(q.delta, 28.026183L, 2e-6L);
}

TEST(Corrections, RotationsJ2000) {
  const vecteur3 y = ecliptique_j2000_vers_equateur_j2000({0, 1, 0});
  EXPECT_NEAR(y.x, 0, 1e-15L);
  EXPECT_NEAR(y.y, std::cos(23.4392911L * deg_rad), 1e-9L);
  EXPECT_NEAR(y.z, std::sin(23.4392911L * deg_rad), 1e-9L);
  const vecteur3 z = ecliptique_j2000_vers_equateur_j2000({0, 0, 1});
  EXPECT_NEAR(z.y, -std::sin(23.4392911L * deg_rad), 1e-9L);
  EXPECT_NEAR(z.z, std::cos(23.4392911L * deg_rad), 1e-9L);
  const vecteur3 x = ecliptique_j2000_vers_equateur_j2000({2, 0, 0});
  EXPECT_DOUBLE_EQ(x.x, 2);

  // The FK5 rotation keeps lengths and nearly matches the plain one.
  for (const vecteur3 v : {vecteur3{1, 0, 0}, vecteur3{0, 1, 0}, vecteur3{0.3L, -0.8L, 0.52L}}) {
    const vecteur3 a = ecliptique_j2000_vers_fk5(v), b = ecliptique_j2000_vers_equateur_j2000(v);
    const long double n0 = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    EXPECT_NEAR(std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z), n0, 1e-9L);
    EXPECT_NEAR(a.x, b.x, 1e-6L);
    EXPECT_NEAR(a.y, b.y, 1e-6L);
    EXPECT_NEAR(a.z, b.z, 1e-6L);
  }
  const vecteur3 f = ecliptique_j2000_vers_fk5({1, 0, 0});
  EXPECT_NEAR(f.y, -0.000000479966L, 1e-15L);
}

TEST(Corrections, DirectionDUnVecteur) {
  direction d = direction_de({1, 1, 0});
  EXPECT_NEAR(d.alpha, 45, 1e-12L);
  EXPECT_NEAR(d.distance, std::sqrt(2.0L), 1e-15L);
  d = direction_de({-1, 0, 0});
  EXPECT_NEAR(d.alpha, 180, 1e-12L);
  d = direction_de({0, -1, 0});
  EXPECT_NEAR(d.alpha, 270, 1e-12L);
  d = direction_de({0, 0, -3});
  EXPECT_NEAR(d.delta, -90, 1e-12L);
  EXPECT_NEAR(d.distance, 3, 1e-15L);
  d = direction_de({0, 0, 0});  // no direction: finite zeros, no NaN
  EXPECT_EQ(d.distance, 0);
  EXPECT_TRUE(std::isfinite(d.alpha) && std::isfinite(d.delta));
}
