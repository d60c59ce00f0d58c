#include "calcul/delta_t.h"

#include <cmath>
#include <iterator>

namespace almanax {

namespace {

// ΔT on 1 January of each year from 1620, seconds: observed values to 2023, IERS
// predictions for 2024 to 2028.
constexpr int premiere_annee_observee = 1620;
constexpr double observees[] = {
    // 1620
    124.00, 119.00, 115.00, 110.00, 106.00, 102.00, 98.00, 95.00, 91.00, 88.00, 85.00, 82.00, 79.00, 77.00, 74.00,
    72.00, 70.00, 67.00, 65.00, 63.00, 62.00, 60.00, 58.00, 57.00, 55.00, 54.00, 53.00, 51.00, 50.00, 49.00, 48.00,
    47.00, 46.00, 45.00, 44.00, 43.00, 42.00, 41.00, 40.00, 38.00,
    // 1660
    37.00, 36.00, 35.00, 34.00, 33.00, 32.00, 31.00, 30.00, 28.00, 27.00, 26.00, 25.00, 24.00, 23.00, 22.00, 21.00,
    20.00, 19.00, 18.00, 17.00, 16.00, 15.00, 14.00, 14.00, 13.00, 12.00, 12.00, 11.00, 11.00, 10.00, 10.00, 10.00,
    9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 9.00,
    // 1700
    9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00,
    11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00,
    11.00, 12.00, 12.00, 12.00, 12.00, 12.00, 12.00,
    // 1740
    12.00, 12.00, 12.00, 12.00, 13.00, 13.00, 13.00, 13.00, 13.00, 13.00, 13.00, 14.00, 14.00, 14.00, 14.00, 14.00,
    14.00, 14.00, 15.00, 15.00, 15.00, 15.00, 15.00, 15.00, 15.00, 16.00, 16.00, 16.00, 16.00, 16.00, 16.00, 16.00,
    16.00, 16.00, 16.00, 17.00, 17.00, 17.00, 17.00, 17.00,
    // 1780
    17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 16.00, 16.00, 16.00, 16.00,
    15.00, 15.00, 14.00, 14.00,
    // 1800
    13.70, 13.40, 13.10, 12.90, 12.70, 12.60, 12.50, 12.50, 12.50, 12.50, 12.50, 12.50, 12.50, 12.50, 12.50, 12.50,
    12.50, 12.40, 12.30, 12.20,
    // 1820
    12.00, 11.70, 11.40, 11.10, 10.60, 10.20, 9.60, 9.10, 8.60, 8.00, 7.50, 7.00, 6.60, 6.30, 6.00, 5.80, 5.70, 5.60,
    5.60, 5.60, 5.70, 5.80, 5.90, 6.10, 6.20, 6.30, 6.50, 6.60, 6.80, 6.90, 7.10, 7.20, 7.30, 7.40, 7.50, 7.60, 7.70,
    7.70, 7.80, 7.80,
    // 1860
    7.88, 7.82, 7.54, 6.97, 6.40, 6.02, 5.41, 4.10, 2.92, 1.82, 1.61, 0.10, -1.02, -1.28, -2.69, -3.24, -3.64, -4.54,
    -4.71, -5.11, -5.40, -5.42, -5.20, -5.46, -5.46, -5.79, -5.63, -5.64, -5.80, -5.66, -5.87, -6.01, -6.19, -6.64,
    -6.44, -6.47, -6.09, -5.76, -4.66, -3.74,
    // 1900
    -2.72, -1.54, -0.02, 1.24, 2.64, 3.86, 5.37, 6.14, 7.75, 9.13, 10.46, 11.53, 13.36, 14.65, 16.01, 17.20, 18.24,
    19.06, 20.25, 20.95, 21.16, 22.25, 22.41, 23.03, 23.49, 23.62, 23.86, 24.49, 24.34, 24.08, 24.02, 24.00, 23.87,
    23.95, 23.86, 23.93, 23.73, 23.92, 23.96, 24.02,
    // 1940
    24.33, 24.83, 25.30, 25.70, 26.24, 26.77, 27.28, 27.78, 28.25, 28.71, 29.15, 29.57, 29.97, 30.36, 30.72, 31.07,
    31.35, 31.68, 32.18, 32.68, 33.15, 33.59, 34.00, 34.47, 35.03, 35.73, 36.54, 37.43, 38.29, 39.20,
    // 1970
    40.18, 41.17, 42.23, 43.37, 44.4841, 45.4761, 46.4567, 47.5214, 48.5344, 49.5862, 50.5387, 51.3808, 52.1668,
    52.9565, 53.7882, 54.3427, 54.8713, 55.3222, 55.8197, 56.3000, 56.8553, 57.5653, 58.3092, 59.1218, 59.9845, 60.7854,
    61.6287, 62.2951, 62.9659, 63.4673,
    // 2000
    63.8285, 64.0908, 64.2998, 64.4734, 64.5736, 64.6876, 64.8452, 65.1464, 65.4574, 65.7768, 66.0699, 66.3246, 66.6030,
    66.9069, 67.2810, 67.6439, 68.1024, 68.5927, 68.9676, 69.2202, 69.3612, 69.3593, 69.2945, 69.1833,
    // 2024, predicted
    69.10, 69.00, 68.90, 68.80, 68.80};
constexpr int derniere_annee_observee = 2028;
static_assert(std::size(observees) == derniere_annee_observee - premiere_annee_observee + 1);

long double parabole(long double y) {
  const long double u = (y - 1820.0L) / 100.0L;
  return -20.0L + 32.0L * u * u;
}

// Espenak and Meeus's expressions before the observed values (y < 1620).
long double avant_observations(long double y) {
  if (y < -500) return parabole(y);
  if (y < 500) {
    const long double u = y / 100.0L;
    return 10583.6L +
           u * (-1014.41L +
                u * (33.78311L + u * (-5.952053L + u * (-0.1798452L + u * (0.022174192L + u * 0.0090316521L)))));
  }
  if (y < 1600) {
    const long double u = (y - 1000.0L) / 100.0L;
    return 1574.2L +
           u * (-556.01L +
                u * (71.23472L + u * (0.319781L + u * (-0.8503463L + u * (-0.005050998L + u * 0.0083572073L)))));
  }
  const long double u = y - 1600.0L;
  return 120.0L - 0.9808L * u - 0.01532L * u * u + u * u * u / 7129.0L;
}

// Their expressions after them (y > 2028).
long double apres_observations(long double y) {
  if (y < 2050) {
    const long double t = y - 2000.0L;
    return 62.92L + 0.32217L * t + 0.005589L * t * t;
  }
  if (y < 2150) return parabole(y) - 0.5628L * (2150.0L - y);
  return parabole(y);
}

long double observee(long double y) {
  const long double x = y - premiere_annee_observee;
  const auto i = static_cast<std::size_t>(std::floor(x));
  if (i + 1 >= std::size(observees)) return observees[std::size(observees) - 1];
  const long double f = x - static_cast<long double>(i);
  return observees[i] + f * (observees[i + 1] - observees[i]);
}

constexpr long double rampe_annees = 100;

}  // namespace

long double annee_decimale(long double jour_julien) {
  return 2000.0L + (jour_julien - 2451545.0L) / 365.25L;
}

long double delta_t_annee(long double y) {
  if (!std::isfinite(y)) return 0;
  if (y < premiere_annee_observee) {
    const long double debut = premiere_annee_observee;
    const long double ecart = observees[0] - avant_observations(debut);
    const long double poids = (y - (debut - rampe_annees)) / rampe_annees;
    return avant_observations(y) + (poids > 0 ? ecart * poids : 0.0L);
  }
  if (y <= derniere_annee_observee) return observee(y);
  const long double fin = derniere_annee_observee;
  const long double ecart = observees[std::size(observees) - 1] - apres_observations(fin);
  const long double poids = ((fin + rampe_annees) - y) / rampe_annees;
  return apres_observations(y) + (poids > 0 ? ecart * poids : 0.0L);
}

long double delta_t_s(long double jour_julien) {
  return delta_t_annee(annee_decimale(jour_julien));
}

}  // namespace almanax
