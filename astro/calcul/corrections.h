// Corrections shared by every position: time arguments, nutation, obliquity,
// annual aberration, light time and the changes of frame.
//
// Units: angles in degrees at every function boundary unless the name says
// otherwise; the fundamental arguments are kept in radians, as the series use them.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapters on nutation, obliquity,
// aberration and the apparent place; IAU 1980 nutation.
#pragma once

#include "calcul/numerique.h"

namespace almanax {

// Julian day of the epoch J2000.0.
inline constexpr long double jd_j2000 = 2451545.0L;
// Days in a Julian millennium (unit of `t`) and in a Julian century (unit of T).
inline constexpr long double jours_millenaire = 365250.0L;
inline constexpr long double jours_siecle = 36525.0L;

// Time argument of the series and polynomials: Julian millennia from J2000.0.
inline long double temps_t(long double jour_julien) {
  return (jour_julien - jd_j2000) / jours_millenaire;
}

// Light time in days per astronomical unit of distance.
inline constexpr long double constante_temps_lumiere = 0.0057755183L;
inline long double temps_lumiere(long double delta_ua) {
  return constante_temps_lumiere * delta_ua;
}

// Constant of aberration, 20.49552" in degrees.
inline constexpr long double constante_aberration = 0.0056932L;

// The nutation values of one instant. Filled by the three routines below, always
// called in the order nutation_obliquite, nutation_longitude, obliquite_moyenne;
// each reads what the previous one left.
struct etat_nutation {
  long double t = 0;  // Julian millennia from J2000.0 (set by the caller)
  // Fundamental arguments, radians: mean elongation of the Moon, mean anomaly of
  // the Sun, mean anomaly of the Moon, Moon's argument of latitude, longitude of
  // the Moon's ascending node.
  long double D = 0, M = 0, Mp = 0, F = 0, Omega = 0;
  long double delta_psi = 0;      // nutation in longitude, degrees
  long double delta_epsilon = 0;  // nutation in obliquity, degrees
  long double epsilon0 = 0;       // mean obliquity of the ecliptic, degrees

  long double epsilon() const { return epsilon0 + delta_epsilon; }  // true obliquity
};

// Reads n.t; stores D, M, Mp, F, Omega and delta_epsilon.
void nutation_obliquite(etat_nutation& n);
// Reads the arguments stored by nutation_obliquite and n.t; stores delta_psi.
void nutation_longitude(etat_nutation& n);
// Reads n.t; stores epsilon0.
void obliquite_moyenne(etat_nutation& n);
// The three routines in their order for the instant t.
etat_nutation nutation_complete(long double t);

// Base-10 logarithm, ln x / ln 10 (the magnitudes use it). Not finite for x <= 0.
long double Log10(long double x);

// Angles of the ecliptic or of the equator, degrees.
struct coord_ecliptiques {
  long double lambda = 0, beta = 0;
};
struct coord_equatoriales {
  long double alpha = 0, delta = 0;  // alpha in [0, 360]
};
struct vecteur3 {
  long double x = 0, y = 0, z = 0;
};

// The Sun's true geometric longitude from the Earth's heliocentric longitude
// (radians, not reduced): the reduced longitude plus 180°, or minus 180° when the
// sum would pass 360.
long double longitude_soleil_vraie(long double terre_longitude_rad);

// Annual aberration of a body at geocentric ecliptic (lambda, beta), given the
// Sun's true longitude theta (degrees) and T in Julian centuries. Returns the
// displaced position (lambda not reduced).
coord_ecliptiques aberration(coord_ecliptiques c, long double theta, long double T);

// Ecliptic to equatorial with the obliquity epsilon (the true one for apparent
// places); alpha reduced with modulo_360.
coord_equatoriales ecliptique_vers_equatorial(coord_ecliptiques c, long double epsilon);

// Equatorial to ecliptic with the obliquity epsilon; lambda reduced with modulo_360.
coord_ecliptiques equatorial_vers_ecliptique(coord_equatoriales q, long double epsilon);

// Heliocentric vector, ecliptic J2000 -> equator J2000 (the Pluto vector).
vecteur3 ecliptique_j2000_vers_equateur_j2000(vecteur3 v);
// Geocentric vector, ecliptic J2000 of the series' J2000 Earth -> FK5 equator J2000.
vecteur3 ecliptique_j2000_vers_fk5(vecteur3 v);

// Right ascension and declination (degrees) of a rectangular equatorial vector,
// with its length: alpha in [0, 360], delta in [-90, 90].
struct direction {
  long double alpha = 0, delta = 0, distance = 0;
};
direction direction_de(vecteur3 v);

}  // namespace almanax
