#include "calcul/horizon.h"

#include <cmath>

#include "calcul/corrections.h"
#include "calcul/numerique.h"

namespace almanax {

long double temps_sideral_apparent(long double jd_tu, long double jde) {
  const long double d = jd_tu - jd_j2000;
  const long double T = d / jours_siecle;
  // Mean sidereal time at any instant (degrees), then the equation of the equinoxes.
  const long double moyen = 280.46061837L + 360.98564736629L * d + 0.000387933L * T * T - T * T * T / 38710000.0L;
  const etat_nutation n = nutation_complete(temps_t(jde));
  return modulo_360(moyen + n.delta_psi * std::cos(n.epsilon() * deg_rad));
}

coord_horizontales vers_horizon(long double alpha, long double delta, long double tsg, const site_courant& site) {
  const long double phi = site.latitude_signee() * deg_rad;
  // Hour angle: local sidereal time (west longitudes positive) minus the right ascension.
  const long double H = (tsg - site.longitude_signee() - alpha) * deg_rad;
  const long double d = delta * deg_rad;
  coord_horizontales c;
  long double s = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(H);
  s = std::fmax(-1.0L, std::fmin(1.0L, s));
  c.altitude = std::asin(s) * rad_deg;
  // Azimuth from the south, westwards, turned to the north through the east.
  const long double a = std::atan2(std::sin(H), std::cos(H) * std::sin(phi) - std::tan(d) * std::cos(phi));
  c.azimut = modulo_360(a * rad_deg + 180.0L);
  return c;
}

std::vector<passage_niveau> passages_niveau(const std::function<long double(long double)>& f, long double debut,
                                            long double fin, long double pas, long double niveau) {
  std::vector<passage_niveau> r;
  if (!(pas > 0) || !(fin > debut)) return r;
  long double a = debut, fa = f(a) - niveau;
  while (a < fin) {
    const long double b = std::fmin(a + pas, fin);
    const long double fb = f(b) - niveau;
    if ((fa < 0) != (fb < 0)) {
      long double x = a, y = b, fx = fa;
      while (y - x > 1e-6L) {  // about a tenth of a second
        const long double m = (x + y) / 2, fm = f(m) - niveau;
        if ((fm < 0) == (fx < 0)) {
          x = m;
          fx = fm;
        } else {
          y = m;
        }
      }
      r.push_back({(x + y) / 2, fa < 0});
    }
    a = b;
    fa = fb;
  }
  return r;
}

}  // namespace almanax
