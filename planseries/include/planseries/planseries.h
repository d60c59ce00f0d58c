// planseries: heliocentric positions of the planets from trigonometric series.
//
// Every function is pure and thread-safe. Time argument t: Julian millennia of
// 365250 days from JD 2451545.0. Longitudes and latitudes in radians (longitudes
// not reduced to one turn), radius vectors in astronomical units, ecliptic and
// equinox of date unless said otherwise.
// Source: P. Bretagnon and G. Francou, VSOP87 (Astron. Astrophys. 202, 309, 1988), version D abridged as in
// J. Meeus, Astronomical Algorithms, 1st ed. (1991); Pluto from the periodic series of its chapter on Pluto.
#pragma once

#if defined(PLANSERIES_BUILD)
#define PLANSERIES_API __attribute__((visibility("default")))
#else
#define PLANSERIES_API
#endif

namespace planseries {

// The version of the library the program runs with, "MAJOR.MINOR.PATCH" (that of the
// shared object loaded, not of the header compiled against).
PLANSERIES_API const char* version();

// The vector kernel the series run on in this process: "avx512", "avx2" or "generique"
// (the widest the processor has, or a narrower one asked for with the environment
// variable PLANSERIES_NOYAU=avx2 or =generique).
PLANSERIES_API const char* noyau_vectoriel();

// Full series, ecliptic and mean equinox of date.
PLANSERIES_API long double mercure_longitude(long double t);
PLANSERIES_API long double mercure_latitude(long double t);
PLANSERIES_API long double mercure_rayon(long double t);
PLANSERIES_API long double venus_longitude(long double t);
PLANSERIES_API long double venus_latitude(long double t);
PLANSERIES_API long double venus_rayon(long double t);
PLANSERIES_API long double terre_longitude(long double t);
PLANSERIES_API long double terre_latitude(long double t);
PLANSERIES_API long double terre_rayon(long double t);
PLANSERIES_API long double mars_longitude(long double t);
PLANSERIES_API long double mars_latitude(long double t);
PLANSERIES_API long double mars_rayon(long double t);
PLANSERIES_API long double jupiter_longitude(long double t);
PLANSERIES_API long double jupiter_latitude(long double t);
PLANSERIES_API long double jupiter_rayon(long double t);
PLANSERIES_API long double saturne_longitude(long double t);
PLANSERIES_API long double saturne_latitude(long double t);
PLANSERIES_API long double saturne_rayon(long double t);
PLANSERIES_API long double uranus_longitude(long double t);
PLANSERIES_API long double uranus_latitude(long double t);
PLANSERIES_API long double uranus_rayon(long double t);
PLANSERIES_API long double neptune_longitude(long double t);
PLANSERIES_API long double neptune_latitude(long double t);
PLANSERIES_API long double neptune_rayon(long double t);

// The three full series of one planet at once, faster than three calls.
struct lbr {
  long double l, b, r;
};
PLANSERIES_API lbr mercure_lbr(long double t);
PLANSERIES_API lbr venus_lbr(long double t);
PLANSERIES_API lbr terre_lbr(long double t);
PLANSERIES_API lbr mars_lbr(long double t);
PLANSERIES_API lbr jupiter_lbr(long double t);
PLANSERIES_API lbr saturne_lbr(long double t);
PLANSERIES_API lbr uranus_lbr(long double t);
PLANSERIES_API lbr neptune_lbr(long double t);

// Short series (first terms of X0 and X1 only), for drawing.
PLANSERIES_API long double mercure_l(long double t);
PLANSERIES_API long double mercure_b(long double t);
PLANSERIES_API long double mercure_r(long double t);
PLANSERIES_API long double venus_l(long double t);
PLANSERIES_API long double venus_b(long double t);
PLANSERIES_API long double venus_r(long double t);
PLANSERIES_API long double terre_l(long double t);
PLANSERIES_API long double terre_r(long double t);
PLANSERIES_API long double mars_l(long double t);
PLANSERIES_API long double mars_b(long double t);
PLANSERIES_API long double mars_r(long double t);
PLANSERIES_API long double jupiter_l(long double t);
PLANSERIES_API long double jupiter_b(long double t);
PLANSERIES_API long double jupiter_r(long double t);
PLANSERIES_API long double saturne_l(long double t);
PLANSERIES_API long double saturne_b(long double t);
PLANSERIES_API long double saturne_r(long double t);
PLANSERIES_API long double uranus_l(long double t);
PLANSERIES_API long double uranus_b(long double t);
PLANSERIES_API long double uranus_r(long double t);
PLANSERIES_API long double neptune_l(long double t);
PLANSERIES_API long double neptune_b(long double t);
PLANSERIES_API long double neptune_r(long double t);

// The Earth referred to the fixed ecliptic and equinox J2000.0 (use terre_rayon
// for its radius vector).
PLANSERIES_API long double terre2_longitude(long double t);
PLANSERIES_API long double terre2_latitude(long double t);

// Pluto, from a periodic series fitted for about 1885-2099: k is the
// degrees-to-radians factor (pi/180). Each returns the plain 43-row sum:
// longitude and latitude in 1e-6 degree, radius in 1e-7 AU, J2000.0 frame.
// Callers complete them: L = 238.956785 + 144.96 T + sum*1e-6 (deg),
// B = sum*1e-6 - 3.908202 (deg), R = 40.7247248 + sum*1e-7 (AU), T = 10 t.
PLANSERIES_API long double pluton_longitude(long double k, long double t);
PLANSERIES_API long double pluton_latitude(long double k, long double t);
PLANSERIES_API long double pluton_rayon(long double k, long double t);

// sin x / cos x, and ln x / ln 10. Outside their domain (cos x = 0, x <= 0)
// they give what the division or the logarithm gives (huge, infinite or NaN,
// with the floating-point flags raised). Not extern "C" on purpose: a C symbol
// tan or log10 would replace the C library's for the whole process.
PLANSERIES_API long double tan(long double x);
PLANSERIES_API long double log10(long double x);

}  // namespace planseries
