// The two planetaria: the nine planets around the Sun seen from the north pole of the
// ecliptic ("Plan. héliocentrique"), and the Sun, the Moon and the eight planets on a
// strip map of right ascension and declination ("Plan. géocentrique"). For one instant:
// every body's coordinates and the pixel of its disc centre in a picture of W x H
// pixels, the picture's texts, and the date steps of the two pages.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calcul/pages/dates.h"
#include "calcul/pages/instant_civil.h"
#include "calcul/planete.h"

namespace almanax {

// Designed picture sizes, pixels.
inline constexpr int largeur_helio = 571, hauteur_helio = 521;
inline constexpr int largeur_geo = 624, hauteur_geo = 450;

struct pixel {
  int x = 0, y = 0;
  bool operator==(const pixel&) const = default;
};

struct couleur_corps {
  int r = 0, g = 0, b = 0;
  bool operator==(const couleur_corps&) const = default;
};

// The instant a planetarium draws. The days 5..9 October 1582 are taken as the 4th,
// 10..14 October as the 15th (the calendar has no such days); `instant` holds the day used.
struct instant_planetarium {
  instant_saisi instant;        // historical year
  long double jour_julien = 0;  // TT
  long double tau = 0;          // Julian millennia from JD 2451545.0
  // In civil time (the typed time is the zone's clock) "heure légale, UTC+2", at the end
  // of the map's title; empty as times stand.
  std::string mention;
};
instant_planetarium instant_de_planetarium(instant_saisi saisi, const echelle_temps& echelle = {});

// Pluto's series is fitted to the years 1885 to 2099 (ecliptic and equinox J2000.0).
// Both maps carry it to the ecliptic of the date, as the other planets are given:
// heliocentric longitude and latitude (radians) and radius (AU).
inline constexpr int pluton_premiere_annee = 1885, pluton_derniere_annee = 2099;
coord_heliocentriques pluton_de_la_date(long double tau);
// What the maps say of Pluto outside those years (empty within them).
inline constexpr std::string_view texte_pluton_hors_serie =
    "Pluton : position approchée, sa série ne vaut que de 1885 à 2099.";
std::string avertissement_pluton(const instant_planetarium& i);

// "Jour Julien : 2451545" (the Julian day with up to fifteen significant digits).
std::string texte_jour_julien_simple(long double jour_julien, std::string_view separateur);

// ---- Heliocentric ------------------------------------------------------------------------

// Pixels per astronomical unit on the heliocentric map, Mercury to Pluto.
inline constexpr std::array<long double, nombre_planetes> echelles_helio = {65, 57, 55, 48, 18, 12, 7, 5.25L, 5.25L};
inline constexpr std::array<couleur_corps, nombre_planetes> couleurs_helio = {{
    {0, 128, 0},
    {255, 0, 255},
    {0, 0, 255},
    {255, 0, 0},
    {0, 255, 255},
    {128, 0, 0},
    {0, 255, 0},
    {0, 0, 128},
    {128, 128, 128},
}};

// The Sun's place on a W x H heliocentric map: (270, 295) for the designed size.
pixel centre_helio(int largeur, int hauteur);

struct planete_helio {
  planete p = planete::mercure;
  long double longitude = 0;    // heliocentric L, degrees, 0..360
  long double rayon = 0;        // r, astronomical units
  pixel position;               // centre of the disc
  std::string texte_longitude;  // "123 ° 30 ' 00 ''"
  std::string texte_rayon;      // "1,000000 U.A."
};

struct resultat_helio {
  instant_planetarium instant;
  int largeur = largeur_helio, hauteur = hauteur_helio;
  std::array<planete_helio, nombre_planetes> planetes;  // all nine, in the planet order
  std::string titre;                 // "Configuration héliocentrique des planètes le 1 Janvier 2000"
  std::string jour_julien;           // "Jour Julien : 2451544,5"
  std::string avertissement_pluton;  // texte_pluton_hors_serie outside Pluto's years, else empty
};

// Short series for Mercury to Neptune (a drawing's accuracy: Mercury within about
// 3°, the others within 1°), Pluto's own series; decimal numbers written with
// `separateur`.
resultat_helio calcul_helio(const instant_saisi& saisi, int largeur, int hauteur, std::string_view separateur,
                            const echelle_temps& echelle = {});

// ---- Geocentric --------------------------------------------------------------------------

enum class corps_geo : int { mercure = 0, venus, mars, jupiter, saturne, uranus, neptune, pluton, lune, soleil };
inline constexpr int nombre_corps_geo = 10;
inline constexpr std::array<std::string_view, nombre_corps_geo> noms_corps_geo = {
    "Mercure", "Vénus", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune", "Pluton", "Lune", "Soleil"};
inline constexpr std::array<couleur_corps, nombre_corps_geo> couleurs_geo = {{
    {0, 128, 0},
    {255, 0, 255},
    {255, 0, 0},
    {0, 255, 255},
    {128, 0, 0},
    {0, 255, 0},
    {0, 0, 128},
    {128, 128, 128},
    {255, 255, 255},
    {255, 255, 0},
}};

// Fixed obliquity of the geocentric map, degrees.
inline constexpr long double obliquite_geo = 23.4402297L;
// Horizontal scale of the bodies: pixels per hour of right ascension (the grid
// follows the width, the bodies keep this scale); vertical: pixels per degree.
inline constexpr int pixels_par_heure_geo = 26;
inline constexpr int pixels_par_degre_geo = 4;

// The equator's line on a map of height H (175 for the designed size).
inline int equateur_geo(int hauteur) {
  return hauteur / 2 - 50;
}
// Centre of a body's disc on a map of height H (degrees in): 23 h 59 m falls on x = 624.
pixel pixel_geo(long double alpha, long double delta, int hauteur);

// Geometric geocentric place from heliocentric ones (no light time, no aberration,
// no nutation), turned to the equator with the obliquity given (degrees).
struct place_geocentrique {
  long double alpha = 0;     // degrees, 0..360
  long double delta = 0;     // degrees
  long double distance = 0;  // in the unit of the radii given
};
place_geocentrique position_geocentrique_simple(const coord_heliocentriques& corps, const coord_heliocentriques& terre,
                                                long double obliquite);

struct astre_geo {
  corps_geo corps = corps_geo::mercure;
  long double alpha = 0, delta = 0;  // degrees
  long double distance = 0;          // AU; kilometres for the Moon
  pixel position;                    // centre of the disc
  std::string texte_alpha;           // format_hms
  std::string texte_delta;           // format_dms_signe
};

struct resultat_geo {
  instant_planetarium instant;
  int largeur = largeur_geo, hauteur = hauteur_geo;
  std::array<astre_geo, nombre_corps_geo> astres;  // all ten, in the drawing order
  std::string titre;                               // "Configuration géocentrique le 1 Janvier 2000  à 00:00:00"
  std::string jour_julien;                         // "Jour Julien :2451544,50000"
  std::string avertissement_pluton;                // texte_pluton_hors_serie outside Pluto's years, else empty
};

// The planets from the full series (within about 2' of the planet ephemeris, which
// adds light time, aberration and nutation), the Moon from its series, the Sun's
// apparent place.
resultat_geo calcul_geo(const instant_saisi& saisi, int largeur, int hauteur, std::string_view separateur,
                        const echelle_temps& echelle = {});

// The title strip's list of the bodies shown: "- Mercure, Vénus, Lune"; empty when none.
std::string liste_corps_geo(const std::array<bool, nombre_corps_geo>& montres);

// ---- Date steps --------------------------------------------------------------------------

enum class intervalle_helio : int { jour = 0, mois, an };
enum class intervalle_geo : int { heure = 0, jour, sept_jours, mois, six_mois, an };

// One step of the heliocentric page from a date shown (historical year): the unit is
// added to its field and the date normalised as the spins do (31 January + 1 month
// = 3 March in a common year). Nothing when the step would leave the years
// -4713..9999 of the year field. In civil time the typed date is the civil day's, so a
// day's step is one civil day (23 or 25 hours across a change of the clocks).
std::optional<date_jma> pas_helio(const date_jma& date, intervalle_helio intervalle, sens_pas sens);

// One step of the geocentric page: hours and days move along the calendar (across
// the October 1582 change too); months and years keep the day, limited to the length
// of the new month (31 January + 1 month = 28 or 29 February). Minutes and seconds
// stay. Nothing when the step would leave the years -4713..9999. Days, months and years
// move the civil date in civil time (a day across a change of the clocks is 23 or 25
// hours); an hour there is one hour of time, shown on the zone's clock: 1 h then 3 h
// the night the clocks go forward; the night they go back, the second 2 h the fields
// cannot tell from the first is stepped over.
std::optional<instant_saisi> pas_geo(const instant_saisi& instant, intervalle_geo intervalle, sens_pas sens,
                                     const echelle_temps& echelle = {});

}  // namespace almanax
