// The Sun: its apparent place from the Earth's heliocentric series (reversed,
// brought to the FK5 system, nutation and aberration applied) and its ephemeris for
// the "Soleil, Lune" page with the texts of the "Soleil" group.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on solar coordinates (VSOP87
// reversed, FK5 correction).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calcul/lever_coucher.h"
#include "calcul/site.h"

namespace almanax {

// The Sun at one instant. Longitudes are those of the computation: not reduced to
// one turn (they lie between 180° and 540°).
struct position_soleil {
  long double longitude_geometrique_brute = 0;  // Earth's longitude + 180°, before FK5, degrees
  long double longitude_geometrique = 0;        // Θ, FK5, degrees
  long double longitude_apparente = 0;          // λ, with nutation and aberration, degrees
  long double latitude_apparente = 0;           // β, arcseconds
  long double alpha = 0;                        // apparent right ascension, degrees, 0..360
  long double delta = 0;                        // apparent declination, degrees
  long double distance = 0;                     // R, astronomical units
  long double delta_psi = 0;                    // nutation in longitude, degrees
  long double epsilon = 0;                      // true obliquity, degrees
};

// The Sun's apparent place at the Julian day given (date and clock time).
position_soleil position_du_soleil(long double jour_julien);
// Its right ascension and declination and the altitude of its rising, for the rising
// and setting of a civil day.
lieu_apparent lieu_du_soleil(long double jde);

// The labels of the "Soleil" group, exactly as shown.
struct textes_soleil {
  std::string longitude_geometrique;                       // Θ, "280 ° 30 '  00 ''"
  std::string longitude_apparente;                         // λ, same layout
  std::string latitude_apparente;                          // β, arcseconds, up to 2 decimals
  std::string ascension_droite;                            // "12 h 30 m 00 s"
  std::string declinaison;                                 // "-23 ° 30 '  00 ''"
  std::string distance_terre;                              // AU, 1 to 5 decimals
  std::string heure_lever, heure_meridien, heure_coucher;  // "6 h 30 m", or the page's words when none
};

// The Sun's ephemeris of the page.
struct ephemeride_soleil {
  long double jour_julien = 0;
  position_soleil position;                           // the instant itself, longitudes not reduced
  long double longitude_geometrique = 0;              // Θ shown, in (0, 360]
  long double longitude_apparente = 0;                // λ shown, in (0, 360]
  std::array<long double, 3> alpha_3j{}, delta_3j{};  // 0 h of the day before, of the day, of the day after
  sortie_lever_coucher lever_coucher;

  textes_soleil textes;
};

// The Sun for the Julian day of the date and clock time, at the site; decimal numbers
// are written with the separator given (the locale's).
ephemeride_soleil ephemeride_du_soleil(long double jour_julien, const site_courant& site, std::string_view separateur);

}  // namespace almanax
