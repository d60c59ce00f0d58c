// Jupiter's four Galilean satellites: their apparent east-west offsets from the
// planet seen from the Earth (a low-accuracy theory: mean longitudes with the main
// periodic terms, the Earth and Jupiter from short Keplerian expressions), and the
// monthly chart of the "Sat. joviens" page.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on the positions of Jupiter's
// satellites (low-accuracy method).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calcul/temps_civil.h"

namespace almanax {

// X of each satellite in Jupiter radii, positive to the west, at one Julian day.
struct positions_satellites {
  long double jour_julien = 0;
  long double io = 0, europe = 0, ganymede = 0, callisto = 0;
};
positions_satellites positions_des_satellites(long double jour_julien);

// The chart's satellites in their drawing order.
enum class satellite { ganymede = 0, europe = 1, io = 2, callisto = 3 };
inline constexpr std::array<satellite, 4> ordre_satellites = {satellite::ganymede, satellite::europe, satellite::io,
                                                              satellite::callisto};
long double offset_satellite(const positions_satellites& p, satellite s);
const char* nom_satellite(satellite s);  // "Io", "Europe", "Ganymède", "Callisto"

// The design size of the chart's picture.
inline constexpr int sat_largeur = 768;
inline constexpr int sat_hauteur = 434;

struct point_pixel {
  int x = 0, y = 0;
};

// One vertical day line of the grid with its label.
struct jour_grille {
  int x = 0;
  int numero = 0;  // 0 for the last day of the month before, then the day of the month of JD0 + k
};

struct graphique_satellites {
  int mois = 1, annee = 0;  // as the spins show them
  int largeur = sat_largeur, hauteur = sat_hauteur;
  // JD0: 0 h of day 0 of the month; in civil time a civil Julian day (the day lines are
  // the civil days' 0 h, the curves' instants those of the zone's clock).
  long double jour_julien = 0;
  // In civil time "heure légale, UTC+2", and when the offset of the day lines changes
  // within the chart, from which day: "heure légale, UTC+2 (UTC+1 à partir du 26)".
  // Empty as times stand.
  std::string mention;
  int jours_du_mois = 31;
  int y_jupiter = 0;  // (h - 50) div 2
  int echelle = 0;    // pixels per 15 Jupiter radii: (h - 50) div 5
  int pas_jour = 0;   // Round(w / 32); day k's line is at Round(k w / 32)
  std::vector<jour_grille> jours;
  // Per point e = 0 .. w div 2: the instant (TT) and the four positions; per satellite
  // (in the order of ordre_satellites) the pixel of each point.
  std::vector<positions_satellites> positions;
  std::array<std::vector<point_pixel>, 4> points;
};

// The chart of a month (1..12) and a year as the spin shows it (historical, no year 0),
// for a picture of largeur × hauteur pixels.
graphique_satellites graphique_des_satellites(int mois, int annee, int largeur = sat_largeur, int hauteur = sat_hauteur,
                                              const echelle_temps& echelle = {});

// The instant (TT) of the chart's day line k: 0 h of that day, the civil day's in civil time.
long double instant_jour_grille(const graphique_satellites& g, int k, const echelle_temps& echelle = {});

// Text of the offsets: a title line, a header line, then one line per instant: the
// date (JJ/MM/AAAA), the time when with_heure, and the four X with "#0.00", TAB
// separated, CR LF line ends. In civil time the dates and times are the zone's clock,
// the title ends with "; heure légale, UTC+2" (the first line's offset) and a line
// whose offset differs from the line before ends with it ("\tUTC+1").
std::string texte_satellites(const std::vector<positions_satellites>& positions, bool avec_heure,
                             const std::string& separateur, const echelle_temps& echelle = {});

}  // namespace almanax
