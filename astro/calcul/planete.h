// Heliocentric and apparent geocentric place of a planet (Mercury to Pluto, and the
// Earth's heliocentric values), for one instant or for the three instants one day
// apart that rising and setting need.
// Source: P. Bretagnon and G. Francou, VSOP87 (Astron. Astrophys. 202, 309, 1988), abridged as in J. Meeus,
// Astronomical Algorithms, 1st ed.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "calcul/corrections.h"

namespace almanax {

// Index of the planet in every list of the program.
enum class planete : int { mercure = 0, venus, terre, mars, jupiter, saturne, uranus, neptune, pluton };
inline constexpr int nombre_planetes = 9;
inline constexpr std::array<std::string_view, nombre_planetes> noms_planetes = {
    "Mercure", "Vénus", "Terre", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune", "Pluton"};
inline std::string_view nom_planete(planete p) {
  return noms_planetes[static_cast<int>(p)];
}
// A planet from its index 0..8; nothing outside that range.
std::optional<planete> planete_de_index(int index);

// Heliocentric place: radians, radians, AU.
struct coord_heliocentriques {
  long double L = 0, B = 0, R = 0;
};
// Ecliptic and equinox of date for Mercury to Neptune and the Earth; ecliptic and
// equinox J2000 for Pluto (its completed series).
coord_heliocentriques heliocentrique(planete p, long double t);
// Geocentric ecliptic rectangular vector (AU) of a planet from its and the Earth's
// heliocentric places.
vecteur3 geocentrique(const coord_heliocentriques& planete, const coord_heliocentriques& terre);

// The position state, filled step by step for one instant.
struct etat_position {
  long double t = 0;                      // Julian millennia of the last series call
  long double L = 0, B = 0, R = 0;        // planet, heliocentric (rad, rad, AU)
  long double L0 = 0, B0 = 0, R0 = 0;     // Earth, heliocentric (rad, rad, AU)
  long double x = 0, y = 0, z = 0;        // geocentric ecliptic (Pluto: heliocentric equatorial J2000), AU
  long double Delta = 0;                  // Earth-planet distance, AU
  long double Delta_geometrique = 0;      // the same before the light-time step, AU
  long double lambda = 0, beta = 0;       // geocentric ecliptic, degrees (apparent)
  long double alpha = 0, delta = 0;       // apparent (Pluto: J2000 geometric) RA and Dec, degrees
  std::array<long double, 3> alpha_3j{};  // alpha at k = -1, 0, +1 (see trois_instants)
  std::array<long double, 3> delta_3j{};  // delta at k = -1, 0, +1
  long double r_pluton = 0;               // Pluto's radius vector before the light-time step
  int instant = 0;                        // k of the position being computed
  // Heliocentric longitude (reduced to 0..360) and latitude in degrees at the
  // instant itself, before the light-time step: what the page shows.
  long double longitude_helio = 0, latitude_helio = 0;
  etat_nutation nutation;  // of the apparent-place step
  bool apparent = false;   // alpha and delta were computed for this instant
};

// Apparent place for Mercury to Neptune from the state's L, B, R (planet, already
// retarded) and L0, B0, R0: distance, aberration, nutation, RA and Dec, written into
// the state and into entry instant + 1 of alpha_3j and delta_3j. jd is the Julian
// day of the request (the same for the three instants).
void aberation(etat_position& e, long double jd);

// Pluto: geometric place referred to the equator and equinox J2000, from the state's
// L, B, R and t (the Earth from its J2000 series).
void kepler(etat_position& e);

// Every step of one instant k (-1, 0, +1) of planet p for the request's Julian day
// jd: series, light time (one step), then the apparent place (or Pluto's geometric
// place; the Earth gets heliocentric values and Delta = 0 only).
void position_instant(planete p, long double jd, int k, etat_position& e);

// The instant jd itself, and the three instants k = -1, 0, +1 from 0 h of jd's day
// for the rising and setting. etape_zero, when given, runs on the state of the instant
// right after its apparent place (the page's magnitude and diameter steps; it may
// overwrite state values, as those steps do). The returned state holds the values of
// the instant, with alpha_3j and delta_3j of the three instants from 0 h.
etat_position trois_instants(planete p, long double jd, const std::function<void(etat_position&)>& etape_zero = {});

}  // namespace almanax
