// The "Éphémérides" page: one planet at one date, clock time and site. Mean orbital
// elements, heliocentric and apparent geocentric place, distances, apparent
// diameter, magnitude, illuminated fraction, rising/transit/setting, light time,
// every label text as the page shows it, and the report of its "&Copie" button.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapters on the planets' orbital
// elements, positions, magnitudes and illumination.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calcul/lever_coucher.h"
#include "calcul/pages/dates.h"
#include "calcul/pages/instant_civil.h"
#include "calcul/planete.h"
#include "calcul/site.h"

namespace almanax {

// Kilometres per astronomical unit used by this page.
inline constexpr long double km_par_ua = 149565800.0L;

// Mean orbital elements referred to the mean equinox of date (degrees, a in AU).
struct elements_orbitaux {
  long double L = 0;      // mean longitude, reduced to 0..360
  long double a = 0;      // semi-major axis
  long double e = 0;      // eccentricity
  long double i = 0;      // inclination on the ecliptic
  long double Omega = 0;  // longitude of the ascending node
  long double pi = 0;     // longitude of the perihelion (not reduced)
  long double M = 0;      // mean anomaly L - pi (may be negative)
  long double omega = 0;  // argument of the perihelion pi - Omega (may be negative)
};
// Mercury to Neptune (the Earth included); nothing for Pluto. T in Julian centuries.
std::optional<elements_orbitaux> elements_de(planete p, long double T);

// Saturn's rings seen from the Earth.
struct anneaux {
  long double B = 0;        // tilt of the ring plane towards the Earth, radians
  long double delta_U = 0;  // difference of the Sun's and Earth's longitudes in the ring plane, degrees, 0..180
};
// The ring geometry from the plane (inclination i and node Omega, radians), Saturn's
// geocentric ecliptic place (lambda, beta) and its corrected heliocentric one
// (l, b), all radians.
anneaux geometrie_anneaux(long double i, long double Omega, long double lambda, long double beta, long double l,
                          long double b);
// The whole ring step for the request's Julian day: recomputes the Earth and Saturn
// for the light time from the state's Delta and leaves them, t and the geocentric
// vector in the state, as the magnitude step expects.
anneaux anneaux_de_saturne(etat_position& e, long double jd);

// Planetocentric declination of the Earth seen from Jupiter (radians), from
// Jupiter's apparent alpha and delta (degrees).
long double jup_diam(long double jd, long double alpha, long double delta);

// Magnitude and illuminated fraction from the position state (planets but the Earth).
struct luminosite_planete {
  long double angle_phase = 0;  // degrees; 0 for Pluto (not used)
  long double fraction = 0;     // illuminated fraction, 0..1
  long double magnitude = 0;
  int pourcentage = 0;             // Round(fraction x 100), for the phase picture
  std::optional<anneaux> saturne;  // Saturn only
};
luminosite_planete luminosite(planete p, etat_position& e, long double jd);

// Apparent diameter in arcseconds at the state's distance (ring tilt: Saturn only).
long double diametre_apparent(planete p, const etat_position& e, long double jd, long double tilt_anneaux);

// Colour of the phase picture, red, green, blue.
struct couleur_rgb {
  int r = 0, g = 0, b = 0;
};
couleur_rgb couleur_planete(planete p);

struct entree_ephemerides {
  planete p = planete::venus;
  instant_saisi instant;  // date (historical year) and clock time of the page
  site_courant site;
  std::string separateur = ",";  // the locale's decimal separator
  // In civil time the typed time is the zone's clock and the rising, transit and
  // setting are those of the civil day.
  echelle_temps echelle;
};

// A planet's apparent right ascension and declination at an instant (TT) and the
// altitude of its rising, for the rising and setting of a civil day.
lieu_apparent lieu_de_la_planete(planete p, long double jde);

// The texts of the page's value labels, exactly as shown; empty where the page shows
// nothing (the orbital elements of Pluto, the geocentric values of the Earth).
struct textes_ephemerides {
  // Group "Éléments orbitaux de la planète".
  std::string longitude_moyenne;    // L, "123 ° 30 ' 00 ''"
  std::string demi_grand_axe;       // a, AU, up to 10 decimals, then two blanks
  std::string excentricite;         // e, up to 7 decimals, then two blanks
  std::string inclinaison;          // i on the ecliptic, "-1 ° 30 '  00 ''"
  std::string longitude_noeud;      // Ω of the ascending node, signed degrees
  std::string longitude_perihelie;  // ϖ, signed degrees
  std::string anomalie_moyenne;     // M, signed degrees
  std::string argument_perihelie;   // ω, signed degrees
  // Group "Coordonnées de la planète".
  std::string longitude_heliocentrique;  // "123 ° 30 ' 00 ''"
  std::string latitude_heliocentrique;   // "-1 ° 30 ' 00 ''"
  std::string ascension_droite;          // apparent, "12 h 30 m 00 s"
  std::string declinaison;               // apparent, "-23 ° 30 '  00 ''"
  // Group "Données Diverses".
  std::string distance_soleil;                             // AU, 4 decimals
  std::string distance_soleil_km;                          // km, 4 decimals
  std::string distance_terre;                              // AU, 1 to 4 decimals (Pluto: 4)
  std::string distance_terre_km;                           // km, as many decimals
  std::string diametre_apparent;                           // arcseconds, 1 decimal and " \""
  std::string magnitude;                                   // 1 decimal
  std::string surface_illuminee;                           // illuminated fraction in percent, 1 decimal
  std::string heure_lever, heure_meridien, heure_coucher;  // "6 h 30 m", or the page's words when none
  std::string temps_lumiere;                               // "0 h 43 m 36 s"
};

struct resultat_ephemerides {
  planete p = planete::venus;
  long double jour_julien = 0;  // the instant computed (TT)
  // In civil time "heure légale, UTC+2", beside the page's time and on the copy's date
  // line; empty as times stand.
  std::string mention;

  // Group "Éléments orbitaux de la planète": hidden for Pluto (texts empty then).
  bool elements_visibles = true;
  // The copy box "Eléments orb." is checked and enabled for every planet but Pluto.
  bool copie_elements_active = true;
  std::optional<elements_orbitaux> elements;
  textes_ephemerides textes;

  // Raw values beside the texts (degrees, AU, hours, arcseconds).
  etat_position position;           // the state of the instant itself (alpha_3j/delta_3j: all three)
  long double longitude = 0;        // heliocentric longitude shown, 0..360
  long double latitude = 0;         // heliocentric latitude shown
  long double distance_soleil = 0;  // R shown
  std::optional<long double> alpha, delta, distance_terre, distance_terre_geometrique;
  std::optional<long double> diametre_arcsec, magnitude, fraction_illuminee, angle_phase;
  std::optional<long double> temps_lumiere_heures;
  std::optional<anneaux> saturne;
  std::optional<long double> declinaison_terre_jupiter;  // De, radians
  std::optional<sortie_lever_coucher> lever_coucher;

  // Phase picture: blank for the Earth, else the outline, the lit part from
  // `pourcentage` and the planet's colour.
  bool image_vide = false;
  int pourcentage = 0;
  couleur_rgb couleur;
};

// The whole page computation ("&OK").
resultat_ephemerides calcul_ephemerides(const entree_ephemerides& entree);

// Light time as the page writes it: "0 h 43 m 36 s".
std::string texte_temps_lumiere(long double heures);

// The copy boxes the report reads; all checked by default. The page's sixth box,
// "Divers", is not read: the miscellaneous lines go with the coordinates.
struct cases_ephemerides {
  bool planete = true;      // "Planète"
  bool date_heure = true;   // "Date et heure"
  bool lieu = true;         // "Lieu"
  bool coordonnees = true;  // "Coordonnées" (with the miscellaneous lines)
  bool elements = true;     // "Eléments orb." (never for Pluto: disabled and unchecked)
};

// The report of "&Copie": the checked blocks in order (planet, date, site,
// coordinates, elements). jour and annee are the edits' texts, mois the month
// spin's position, heure the clock text.
std::string copie_ephemerides(const resultat_ephemerides& r, const cases_ephemerides& cases, std::string_view jour,
                              long double mois, std::string_view annee, std::string_view heure,
                              const champs_site& site);

}  // namespace almanax
