#include "calcul/site.h"

#include <cmath>

namespace almanax {

namespace {
// Whole degrees, minutes and seconds, each truncated (never rounded). The file holds
// hundredths of a degree, which binary reals only approach from below (48.85 is
// 48.8499999...): a millionth of a second of slack keeps 48.85 at 48° 51' 00".
void decouper(long double v, int& d, int& m, int& s) {
  const long double secondes = std::floor(std::fabs(v) * 3600.0L + 1e-6L);
  const long double deg = std::floor(secondes / 3600.0L);
  const long double reste = secondes - deg * 3600.0L;
  d = static_cast<int>(deg);
  m = static_cast<int>(std::floor(reste / 60.0L));
  s = static_cast<int>(reste - m * 60.0L);
}
}  // namespace

champs_site champs_du_site(const site_nomme& s) {
  champs_site c;
  c.nom = s.nom;
  decouper(s.longitude, c.lon_deg, c.lon_min, c.lon_sec);
  c.lon_lettre = s.longitude >= 0 ? "O" : "E";
  decouper(s.latitude, c.lat_deg, c.lat_min, c.lat_sec);
  c.lat_lettre = s.latitude >= 0 ? "N" : "S";
  return c;
}

site_courant site_courant_de(const site_nomme& s) {
  site_courant c;
  c.longitude = std::fabs(s.longitude);
  c.sens_longitude = s.longitude >= 0 ? 1 : -1;
  c.latitude = std::fabs(s.latitude);
  c.sens_latitude = s.latitude >= 0 ? 1 : -1;
  return c;
}

}  // namespace almanax
