// The Earth in the fixed J2000.0 frame.
#include <gtest/gtest.h>
#include <planseries/planseries.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "fichier_termes.h"

namespace {

using fichier_termes::TermeLu;

// The rows published for this frame, written out again here.
// clang-format off
const std::vector<TermeLu> l2 = {
    {8722, 1.0725L, 6283.0758L}, {991, 3.1416L, 0},     {295, 0.437L, 12566.152L}, {27, 0.05L, 3.52L},
    {16, 5.19L, 26.3L},          {16, 3.69L, 155.42L},  {9, 0.3L, 18849.23L},      {9, 2.06L, 77713.77L},
    {7, 0.83L, 775.52L},         {5, 4.66L, 1577.34L},  {4, 1.03L, 7.11L},         {4, 3.44L, 5573.14L},
    {3, 5.14L, 796.3L},          {3, 6.05L, 5507.55L},  {3, 1.19L, 242.73L},       {3, 6.12L, 529.69L},
    {3, 0.3L, 398.15L},          {3, 2.28L, 553.57L},   {2, 4.38L, 5223.69L},      {2, 3.75L, 0.98L}};
const std::vector<TermeLu> l3 = {{289, 5.842L, 6283.076L}, {21, 6.05L, 12566.15L}, {3, 5.2L, 155.42L},
                                 {3, 3.14L, 0},            {1, 4.72L, 3.52L},      {1, 5.97L, 242.73L},
                                 {1, 5.54L, 18849.23L}};
const std::vector<TermeLu> l4 = {{8, 4.14L, 6283.08L}, {1, 3.28L, 12566.15L}};
const std::vector<TermeLu> b1 = {{227778, 3.413766L, 6283.07585L}, {3806, 3.3706L, 12566.1517L},
                                 {3620, 0, 0},                     {72, 3.33L, 18849.23L},
                                 {8, 3.89L, 5507.55L},             {8, 1.79L, 5223.69L},
                                 {6, 5.2L, 2352.87L}};
const std::vector<TermeLu> b2 = {{9721, 5.1519L, 6283.07585L}, {233, 3.1416L, 0}, {134, 0.644L, 12566.152L},
                                 {7, 1.07L, 18849.23L}};
const std::vector<TermeLu> b3 = {{276, 0.595L, 6283.076L}, {17, 3.14L, 0}, {4, 0.12L, 12566.15L}};
const std::vector<TermeLu> b4 = {{6, 2.27L, 6283.08L}, {1, 0, 0}};
// clang-format on

long double combiner(const std::vector<std::vector<TermeLu>>& series, long double t) {
  long double total = 0.0L;
  for (std::size_t k = 0; k < series.size(); ++k) total += fichier_termes::somme(series[k], t) * std::pow(t, k);
  return total * 1e-8L;
}

long double longitude_attendue(long double t) {
  auto l1 = fichier_termes::termes("terre", 'L', 1);
  l1.front() = {628307584999.0L, 0, 0};
  return combiner({fichier_termes::termes("terre", 'L', 0), l1, l2, l3, l4}, t);
}

long double latitude_attendue(long double t) {
  return combiner({fichier_termes::termes("terre", 'B', 0), b1, b2, b3, b4}, t);
}

TEST(TerreJ2000, EgaleALaTerreDeLaDateEnJ2000) {
  EXPECT_EQ(planseries::terre2_longitude(0.0L), planseries::terre_longitude(0.0L));
  EXPECT_EQ(planseries::terre2_latitude(0.0L), planseries::terre_latitude(0.0L));
}

TEST(TerreJ2000, SommeLesRangsPublies) {
  // Across the program's whole span (t from -6.7 to 8 millennia) as well.
  for (long double t : {-6.7L, -4.4L, -2.0L, -0.31L, -0.0070321697L, 0.05L, 0.6L, 1.7L, 3.9L, 6.1L, 8.0L}) {
    EXPECT_NEAR(planseries::terre2_longitude(t), longitude_attendue(t), 1e-12L) << double(t);
    EXPECT_NEAR(planseries::terre2_latitude(t), latitude_attendue(t), 1e-13L) << double(t);
  }
}

// Carries a J2000.0 ecliptic position to the ecliptic and equinox of date with
// the 1976 precession of the ecliptic (eta, Pi, p), as an independent check of
// what the two frames' series must differ by.
void vers_la_date(long double t, long double& longitude, long double& latitude) {
  const long double T = 10.0L * t;
  const long double seconde = std::numbers::pi_v<long double> / 648000.0L;
  const long double eta = (47.0029L * T - 0.03302L * T * T + 0.000060L * T * T * T) * seconde;
  const long double Pi =
      174.876384L * std::numbers::pi_v<long double> / 180.0L + (-869.8089L * T + 0.03536L * T * T) * seconde;
  const long double p = (5029.0966L * T + 1.11113L * T * T - 0.0000006L * T * T * T) * seconde;
  const long double a =
      std::cos(eta) * std::cos(latitude) * std::sin(Pi - longitude) - std::sin(eta) * std::sin(latitude);
  const long double b = std::cos(latitude) * std::cos(Pi - longitude);
  const long double c =
      std::cos(eta) * std::sin(latitude) + std::sin(eta) * std::cos(latitude) * std::sin(Pi - longitude);
  longitude = p + Pi - std::atan2(a, b);
  latitude = std::asin(c);
}

TEST(TerreJ2000, DiffereDeLaTerreDeLaDateParLaPrecession) {
  // Two centuries either side of J2000.0: the truncated series agree with the
  // rotation within a few 1e-8 rad (longitude) and 1e-7 rad (latitude).
  const long double tour = 2.0L * std::numbers::pi_v<long double>;
  for (int i = -20; i <= 20; ++i) {
    const long double t = i * 0.01L;
    long double l = planseries::terre2_longitude(t);
    long double b = planseries::terre2_latitude(t);
    vers_la_date(t, l, b);
    const long double ecart = std::remainder(l - planseries::terre_longitude(t), tour);
    EXPECT_NEAR(ecart, 0.0L, 5e-8L) << double(t);
    EXPECT_NEAR(b, planseries::terre_latitude(t), 1.5e-7L) << double(t);
  }
}

}  // namespace
