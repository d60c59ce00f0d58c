// tan and log10 of the library, and the C library's own left untouched.
#include <gtest/gtest.h>
#include <math.h>
#include <planseries/planseries.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

TEST(Maths, ValeursExactes) {
  EXPECT_EQ(planseries::tan(0.0L), 0.0L);
  EXPECT_EQ(planseries::log10(1.0L), 0.0L);
  EXPECT_EQ(planseries::log10(10.0L), 1.0L);
}

TEST(Maths, CommeLesFonctionsStandard) {
  for (long double x : {-1.2L, -0.3L, 0.7853981633974483096L, 1.0L, 1.5L, 3.0L, 1234.5L}) {
    EXPECT_NEAR(planseries::tan(x), std::tan(x), 1e-17L * std::max(1.0L, std::fabs(std::tan(x)))) << double(x);
  }
  for (long double x : {1e-30L, 0.02L, 0.5L, 2.0L, 1000.0L, 149565800.0L, 1e300L}) {
    EXPECT_NEAR(planseries::log10(x), std::log10(x), 1e-17L * std::max(1.0L, std::fabs(std::log10(x)))) << double(x);
  }
  EXPECT_NEAR(planseries::log10(1000.0L), 3.0L, 1e-18L);
}

TEST(Maths, HorsDuDomaineSansPlantage) {
  EXPECT_EQ(planseries::log10(0.0L), -std::numeric_limits<long double>::infinity());
  EXPECT_TRUE(std::isnan(planseries::log10(-1.0L)));
  EXPECT_GT(std::fabs(planseries::tan(std::acos(0.0L))), 1e15L);
}

TEST(Maths, LesFonctionsCRestentCellesDuSysteme) {
  // Exported as plain C symbols, the library's tan and log10 would take over
  // ::tan(double) and ::log10(double) in the whole process.
  volatile double x = 0.5;
  EXPECT_NEAR(::tan(x), 0.54630248984379051, 1e-15);
  volatile double y = 100.0;
  EXPECT_EQ(::log10(y), 2.0);
}

}  // namespace
