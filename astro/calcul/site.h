// The observing site: file values (signed decimal degrees, latitude positive north,
// longitude positive west), their degrees/minutes/seconds display, and the current
// site read by the local computations (rising and setting).
#pragma once

#include <string>

namespace almanax {

struct site_courant {
  long double longitude = 0;                                                   // magnitude, degrees
  int sens_longitude = 1;                                                      // -1 east of Greenwich, +1 west
  long double latitude = 0;                                                    // magnitude, degrees
  int sens_latitude = 1;                                                       // -1 south, +1 north
  long double longitude_signee() const { return longitude * sens_longitude; }  // positive west
  long double latitude_signee() const { return latitude * sens_latitude; }     // positive north
};

// One line of the sites file.
struct site_nomme {
  std::string nom;
  long double latitude = 0;   // signed, positive north
  long double longitude = 0;  // signed, positive west
};

// The site as the Options page shows it: truncated degrees, minutes, seconds and letters.
struct champs_site {
  std::string nom;
  int lat_deg = 0, lat_min = 0, lat_sec = 0;
  std::string lat_lettre = "N";  // "N" or "S"
  int lon_deg = 0, lon_min = 0, lon_sec = 0;
  std::string lon_lettre = "E";  // "E" or "O"
};

champs_site champs_du_site(const site_nomme& s);
// Magnitudes are the file values themselves; the signs follow the letters.
site_courant site_courant_de(const site_nomme& s);

}  // namespace almanax
