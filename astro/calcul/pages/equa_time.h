// The equation of time (apparent minus mean solar time): its value for a date and its
// curve over a year as the "Equa. Temps" page draws it.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on the equation of time
// (Smart's formula).
#pragma once

#include <string>
#include <vector>

#include "calcul/calendrier.h"
#include "calcul/temps_civil.h"

namespace almanax {

// E in minutes of time for T in Julian centuries from J2000.0: Smart's series in
// y = tan²(ε/2) with the mean obliquity, the Sun's mean longitude and anomaly and the
// eccentricity of the Earth's orbit.
long double valeur_equation_du_temps(long double T);

// The picture's geometry for an image control of l × h pixels (400 × 350 as designed).
inline constexpr int largeur_courbe_equation = 400;
inline constexpr int hauteur_courbe_equation = 350;

// One column of the curve: x in pixels (one day per pixel), y in pixels (6 pixels per
// minute, zero line at y = 130), E in minutes at noon of that day.
struct point_equation {
  int x = 0;
  int y = 0;
  long double minutes = 0;
};

struct courbe_equation_du_temps {
  int annee = 0;                // the year as the page shows it (historical)
  long double jour_julien = 0;  // 0 h on 1 January of that year
  int largeur_image = largeur_courbe_equation, hauteur_image = hauteur_courbe_equation;  // the image control
  int largeur = 0, hauteur = 0;        // the working picture: control width + 36, height - 40
  std::vector<point_equation> points;  // columns x = 30 .. largeur + 4, in order
};

// The curve of a year (historical numbering, no year 0) for an image control of
// largeur × hauteur pixels. Columns past the picture's right edge are kept: the
// drawing clips them. In civil time each noon is the zone's clock's.
courbe_equation_du_temps trace_equation_du_temps(int annee, int largeur = largeur_courbe_equation,
                                                 int hauteur = hauteur_courbe_equation,
                                                 const echelle_temps& echelle = {});

// The value for one day at 0 h (historical year), with the line the page shows under its
// date. In civil time the day is the civil day: its 0 h on the zone's clock.
struct equation_du_jour {
  date_jma date;                // as shown by the page (historical year)
  long double jour_julien = 0;  // the instant computed (TT)
  long double minutes = 0;      // E in minutes of time
  int minutes_entieres = 0;     // whole minutes towards zero
  int secondes = 0;             // 0..59, always positive
  // "le 13 Octobre 1992 : 13 m 43 s "; in civil time the instant is said:
  // "le 21 Juin 2026 à 0 h (heure légale, UTC+2) : -1 m 40 s ".
  std::string texte;
};
equation_du_jour equation_du_temps_du_jour(const date_jma& date, const echelle_temps& echelle = {});

}  // namespace almanax
