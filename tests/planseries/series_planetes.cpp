// Full and short planetary series of the library, against the coefficient file
// evaluated here on its own and against the published worked values.
#include <gtest/gtest.h>
#include <planseries/planseries.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "fichier_termes.h"

namespace {

using Fonction = long double (*)(long double);

long double t_de(long double jour_julien) {
  return (jour_julien - 2451545.0L) / 365250.0L;
}

long double degres(long double radians) {
  return radians * 180.0L / std::numbers::pi_v<long double>;
}

struct Complete {
  const char* planete;
  char coordonnee;
  Fonction f;
};

const Complete completes[] = {
    {"mercure", 'L', planseries::mercure_longitude}, {"mercure", 'B', planseries::mercure_latitude},
    {"mercure", 'R', planseries::mercure_rayon},     {"venus", 'L', planseries::venus_longitude},
    {"venus", 'B', planseries::venus_latitude},      {"venus", 'R', planseries::venus_rayon},
    {"terre", 'L', planseries::terre_longitude},     {"terre", 'B', planseries::terre_latitude},
    {"terre", 'R', planseries::terre_rayon},         {"mars", 'L', planseries::mars_longitude},
    {"mars", 'B', planseries::mars_latitude},        {"mars", 'R', planseries::mars_rayon},
    {"jupiter", 'L', planseries::jupiter_longitude}, {"jupiter", 'B', planseries::jupiter_latitude},
    {"jupiter", 'R', planseries::jupiter_rayon},     {"saturne", 'L', planseries::saturne_longitude},
    {"saturne", 'B', planseries::saturne_latitude},  {"saturne", 'R', planseries::saturne_rayon},
    {"uranus", 'L', planseries::uranus_longitude},   {"uranus", 'B', planseries::uranus_latitude},
    {"uranus", 'R', planseries::uranus_rayon},       {"neptune", 'L', planseries::neptune_longitude},
    {"neptune", 'B', planseries::neptune_latitude},  {"neptune", 'R', planseries::neptune_rayon},
};

// Instants from AD 1700 to 3300, J2000.0 and the Venus check included.
const long double instants[] = {-0.3L, -0.0070321697L, 0.0L, 0.031L, 0.4L, 1.3L};

// Long double keeps about 19 digits; the largest sums (Mercury's longitude
// near t = 1.3) are a few 1e4 radians.
constexpr long double precision = 1e-12L;

TEST(SeriesCompletes, ControleVenus) {
  const long double t = t_de(2448976.5L);
  EXPECT_NEAR(t, -0.0070321697L, 1e-10L);
  // The printed longitude is 5e-8 rad off the sum of its own table: one unit
  // and a half of its last digit.
  EXPECT_NEAR(planseries::venus_longitude(t), -68.6592582L, 1.5e-7L);
  EXPECT_NEAR(planseries::venus_latitude(t), -0.0457399L, 0.5e-7L);
  EXPECT_NEAR(planseries::venus_rayon(t), 0.724603L, 0.5e-6L);
}

TEST(SeriesCompletes, ControleTerre) {
  const long double t = t_de(2448908.5L);
  EXPECT_NEAR(planseries::terre_longitude(t), -43.63484796L, 0.5e-8L);
  EXPECT_NEAR(planseries::terre_latitude(t), -0.00000312L, 0.5e-8L);
  EXPECT_NEAR(planseries::terre_rayon(t), 0.99760775L, 0.5e-8L);
}

TEST(SeriesCompletes, ChaqueFonctionSommeSaPropreTable) {
  // Catches a function wired to another planet or coordinate, a term missing,
  // added or altered, a wrong power of t.
  for (const auto& c : completes) {
    for (long double t : instants) {
      EXPECT_NEAR(c.f(t), fichier_termes::coordonnee(c.planete, c.coordonnee, t), precision)
          << c.planete << ' ' << c.coordonnee << " t=" << double(t);
    }
  }
}

TEST(SeriesCompletes, EnJ2000ChaqueTermeVautACosPhi) {
  for (const auto& c : completes) {
    long double x0 = 0.0L;
    for (const auto& terme : fichier_termes::termes(c.planete, c.coordonnee, 0)) x0 += terme.a * std::cos(terme.phi);
    EXPECT_NEAR(c.f(0.0L), x0 * 1e-8L, 1e-15L) << c.planete << ' ' << c.coordonnee;
  }
}

// Rows quoted with the tables: taking one out of the file's sum must leave
// exactly the part the quoted (A, phi, omega) makes in the library's value.
struct RangTemoin {
  const char* planete;
  char coordonnee;
  int puissance;
  std::size_t indice;
  long double a, phi, omega;
  Fonction f;
};

const RangTemoin temoins[] = {
    {"terre", 'L', 0, 0, 175347046.0L, 0.0L, 0.0L, planseries::terre_longitude},
    {"terre", 'L', 0, 1, 3341656.0L, 4.6692568L, 6283.07585L, planseries::terre_longitude},
    {"terre", 'L', 0, 2, 34894.0L, 4.6261L, 12566.1517L, planseries::terre_longitude},
    {"terre", 'L', 1, 0, 628331966747.0L, 0.0L, 0.0L, planseries::terre_longitude},
    {"terre", 'L', 1, 1, 206059.0L, 2.678235L, 6283.07585L, planseries::terre_longitude},
    {"terre", 'L', 5, 0, 1.0L, 3.14L, 0.0L, planseries::terre_longitude},
    {"terre", 'B', 0, 0, 280.0L, 3.199L, 84334.662L, planseries::terre_latitude},
    {"terre", 'R', 0, 0, 100013989.0L, 0.0L, 0.0L, planseries::terre_rayon},
    {"terre", 'R', 0, 1, 1670700.0L, 3.0984635L, 6283.07585L, planseries::terre_rayon},
    {"mercure", 'L', 0, 0, 440250710.0L, 0.0L, 0.0L, planseries::mercure_longitude},
    {"mercure", 'L', 0, 1, 40989415.0L, 1.48302034L, 26087.90314157L, planseries::mercure_longitude},
    {"jupiter", 'L', 0, 0, 59954691.0L, 0.0L, 0.0L, planseries::jupiter_longitude},
    {"jupiter", 'L', 0, 1, 9695899.0L, 5.0619179L, 529.6909651L, planseries::jupiter_longitude},
};

TEST(SeriesCompletes, RangsTemoins) {
  for (const auto& r : temoins) {
    // Earth's L5 is its only term: make it weigh (t^5) well above the rounding.
    for (long double t : {0.5L, -1.3L, 2.0L}) {
      const long double sans = fichier_termes::coordonnee(r.planete, r.coordonnee, t, r.puissance, r.indice);
      const long double part = r.a * std::cos(r.phi + r.omega * t) * std::pow(t, r.puissance) * 1e-8L;
      EXPECT_NEAR(r.f(t) - sans, part, precision)
          << r.planete << ' ' << r.coordonnee << r.puissance << " rang " << r.indice + 1 << " t=" << double(t);
    }
  }
  // L5 of the Earth holds that single term.
  EXPECT_EQ(fichier_termes::termes("terre", 'L', 5).size(), 1u);
}

struct Courte {
  const char* planete;
  char coordonnee;
  std::size_t n0, n1;
  Fonction f;
};

const Courte courtes[] = {
    {"mercure", 'L', 2, 2, planseries::mercure_l}, {"mercure", 'B', 5, 4, planseries::mercure_b},
    {"mercure", 'R', 3, 3, planseries::mercure_r}, {"venus", 'L', 3, 2, planseries::venus_l},
    {"venus", 'B', 3, 3, planseries::venus_b},     {"venus", 'R', 2, 2, planseries::venus_r},
    {"terre", 'L', 2, 1, planseries::terre_l},     {"terre", 'R', 2, 1, planseries::terre_r},
    {"mars", 'L', 5, 5, planseries::mars_l},       {"mars", 'B', 5, 5, planseries::mars_b},
    {"mars", 'R', 5, 5, planseries::mars_r},       {"jupiter", 'L', 4, 3, planseries::jupiter_l},
    {"jupiter", 'B', 4, 2, planseries::jupiter_b}, {"jupiter", 'R', 6, 4, planseries::jupiter_r},
    {"saturne", 'L', 2, 1, planseries::saturne_l}, {"saturne", 'B', 10, 10, planseries::saturne_b},
    {"saturne", 'R', 6, 5, planseries::saturne_r}, {"uranus", 'L', 3, 1, planseries::uranus_l},
    {"uranus", 'B', 10, 10, planseries::uranus_b}, {"uranus", 'R', 7, 2, planseries::uranus_r},
    {"neptune", 'L', 2, 1, planseries::neptune_l}, {"neptune", 'B', 7, 3, planseries::neptune_b},
    {"neptune", 'R', 3, 3, planseries::neptune_r},
};

TEST(SeriesCourtes, PremiersTermesDeX0EtX1) {
  // One term more or less in either sub-series moves the value by at least
  // 1e-8 times the smallest amplitude kept, far above the tolerance.
  for (const auto& c : courtes) {
    const auto& x0 = fichier_termes::termes(c.planete, c.coordonnee, 0);
    const auto& x1 = fichier_termes::termes(c.planete, c.coordonnee, 1);
    ASSERT_LT(c.n0, x0.size()) << c.planete << ' ' << c.coordonnee;
    ASSERT_LT(c.n1, x1.size()) << c.planete << ' ' << c.coordonnee;
    for (long double t : instants) {
      const long double attendu = (fichier_termes::somme(x0, t, c.n0) + fichier_termes::somme(x1, t, c.n1) * t) * 1e-8L;
      EXPECT_NEAR(c.f(t), attendu, precision) << c.planete << ' ' << c.coordonnee << " t=" << double(t);
    }
  }
}

TEST(SeriesCourtes, ExempleTerre) {
  for (long double t : {-0.05L, 0.0L, 0.013L, 0.1L}) {
    const long double attendu =
        (175347046.0L + 3341656.0L * std::cos(4.6692568L + 6283.07585L * t) + 628331966747.0L * t) * 1e-8L;
    EXPECT_NEAR(planseries::terre_l(t), attendu, 1e-15L) << double(t);
  }
}

// Largest |short - full| over a century either side of J2000.0, in radians.
long double ecart_maximal(Fonction courte, Fonction complete) {
  long double ecart = 0.0L;
  for (int i = -1000; i <= 1000; ++i) {
    const long double t = i * 1e-4L;
    ecart = std::max(ecart, std::fabs(courte(t) - complete(t)));
  }
  return ecart;
}

TEST(SeriesCourtes, ProchesDesSeriesCompletesSurUnSiecle) {
  const long double terre = ecart_maximal(planseries::terre_l, planseries::terre_longitude);
  EXPECT_LT(terre, 1e-3L);
  // The first term left out of the Earth's L0 alone weighs 0.02 degree, and the
  // others add to it: about 0.036 degree at worst.
  EXPECT_LT(degres(terre), 0.04L);
  EXPECT_GT(degres(terre), 0.02L);

  // Mercury's short longitude is the crudest: about 3 degrees at worst.
  const long double mercure = ecart_maximal(planseries::mercure_l, planseries::mercure_longitude);
  EXPECT_GT(degres(mercure), 2.5L);
  EXPECT_LT(degres(mercure), 3.5L);
}

TEST(Series, MemesResultatsDepuisPlusieursFils) {
  // No shared state: concurrent calls give the values of sequential ones.
  std::vector<long double> attendu;
  for (const auto& c : completes) attendu.push_back(c.f(0.123L));
  std::vector<std::vector<long double>> obtenu(4);
  std::vector<std::thread> fils;
  for (auto& o : obtenu) {
    fils.emplace_back([&o] {
      for (int tour = 0; tour < 20; ++tour) {
        o.clear();
        for (const auto& c : completes) o.push_back(c.f(0.123L));
      }
    });
  }
  for (auto& f : fils) f.join();
  for (const auto& o : obtenu) EXPECT_EQ(o, attendu);
}

}  // namespace

// Over the whole span of the program (years -4713 to 9999: t from -6.7 to 8), every
// full and short series equals the plain extended-precision sum of its table, term by
// term with the long double cosine, to 1e-12 (rad or AU): the fast evaluation
// (arguments reduced to one turn, cosines in double) loses nothing that shows.
TEST(SeriesCompletes, EgalesALaSommeEtendueSurToutLIntervalle) {
  long double ecart_max = 0;
  for (int i = 0; i <= 120; ++i) {
    const long double t = -6.7L + 14.7L * i / 120.0L + 0.000123L * i;
    for (const auto& c : completes) {
      const long double d = std::fabs(c.f(t) - fichier_termes::coordonnee(c.planete, c.coordonnee, t));
      ecart_max = std::max(ecart_max, d);
      EXPECT_LE(d, precision) << c.planete << ' ' << c.coordonnee << " t=" << double(t);
    }
    for (const auto& c : courtes) {
      const long double attendu =
          (fichier_termes::somme(fichier_termes::termes(c.planete, c.coordonnee, 0), t, c.n0) +
           fichier_termes::somme(fichier_termes::termes(c.planete, c.coordonnee, 1), t, c.n1) * t) /
          1e8L;
      EXPECT_LE(std::fabs(c.f(t) - attendu), precision)
          << c.planete << ' ' << c.coordonnee << " courte t=" << double(t);
    }
  }
  RecordProperty("ecart_max", std::to_string(static_cast<double>(ecart_max)));
}
