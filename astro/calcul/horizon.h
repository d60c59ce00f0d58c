// The sky of a site: the sidereal time, the altitude and azimuth of a body from its
// apparent right ascension and declination, and the instants a quantity that varies
// smoothly with time crosses a level (the Sun at -6°, a planet at 10°).
#pragma once

#include <functional>
#include <vector>

#include "calcul/site.h"

namespace almanax {

// Greenwich apparent sidereal time, degrees in [0, 360), at the UT instant jd_tu; the
// nutation (equation of the equinoxes) is taken at the instant of the theories jde.
long double temps_sideral_apparent(long double jd_tu, long double jde);

// Altitude above the horizon and azimuth, degrees; the azimuth counts from the north
// through the east (0 north, 90 east, 180 south, 270 west), in [0, 360).
struct coord_horizontales {
  long double altitude = 0;
  long double azimut = 0;
};

// A place (alpha, delta, degrees) seen from the site when the Greenwich apparent
// sidereal time is tsg (degrees). Geocentric: no parallax, no refraction.
coord_horizontales vers_horizon(long double alpha, long double delta, long double tsg, const site_courant& site);

// One crossing of a level: the instant and whether the quantity was rising through it.
struct passage_niveau {
  long double instant = 0;
  bool montant = true;
};

// The crossings of `niveau` by f between debut and fin, in time order: f sampled every
// `pas`, each sign change refined by bisection to about a tenth of a second. f must be
// finite; a crossing and its return within one step are missed (steps of some minutes
// miss nothing a body does at a fixed level).
std::vector<passage_niveau> passages_niveau(const std::function<long double(long double)>& f, long double debut,
                                            long double fin, long double pas, long double niveau);

}  // namespace almanax
