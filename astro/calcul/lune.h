// The Moon: its position series (mean arguments, the three periodic sums, the
// geocentric place of the mean equinox of date) and its apparent ephemeris for the
// "Soleil, Lune" page (place, distance, parallax, phase, diameter, rising and setting).
//
// The series part is pure: fill an arguments_lunaires record for an instant, pass it
// to sin_long, cos_r and sin_lat (any order, any subset), combine with position_lune.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on the Moon's position
// (truncated ELP-2000/82, Chapront-Touzé and Chapront 1983).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calcul/lever_coucher.h"
#include "calcul/site.h"

namespace almanax {

// Mean arguments of the lunar series for one instant. Angles in radians, each
// reduced to one turn in degrees before the conversion; E is a pure number.
struct arguments_lunaires {
  long double Lp = 0;                  // L', the Moon's mean longitude
  long double D = 0;                   // mean elongation of the Moon
  long double M = 0;                   // Sun's mean anomaly
  long double Mp = 0;                  // M', the Moon's mean anomaly
  long double F = 0;                   // Moon's argument of latitude
  long double A1 = 0, A2 = 0, A3 = 0;  // arguments of the additive terms
  long double E = 1;                   // eccentricity factor of the Earth's orbit
};

// The record for T Julian centuries from J2000.0.
arguments_lunaires arguments_lunaires_de(long double T);

// Periodic sum of the longitude, 1e-6 degree (sines, with the additive terms).
long double sin_long(const arguments_lunaires& a);
// Periodic sum of the distance, 1e-3 km (cosines, no additive term).
long double cos_r(const arguments_lunaires& a);
// Periodic sum of the latitude, 1e-6 degree (sines, with the additive terms).
long double sin_lat(const arguments_lunaires& a);

// Earth-Moon distance (km, between centres) from the distance sum alone.
long double distance_lune(long double somme_r);
// Equatorial horizontal parallax (degrees) at a distance in km.
long double parallaxe_lune(long double distance_km);

// Geocentric place of the Moon, mean equinox of date, without nutation.
struct position_lune {
  long double somme_l = 0, somme_r = 0, somme_b = 0;  // the three sums, their own units
  long double lambda = 0;                             // longitude, degrees: L' + somme_l / 1e6 (not reduced)
  long double beta = 0;                               // latitude, degrees
  long double distance = 0;                           // km
  long double parallaxe = 0;                          // degrees
};

// Evaluates the three sums for the record and combines them.
position_lune position_de_la_lune(const arguments_lunaires& a);
// The same for T Julian centuries from J2000.0.
position_lune position_de_la_lune(long double T);

// Apparent diameter (degrees) seen from the Earth's centre for a parallax in degrees.
long double diametre_apparent_lune(long double parallaxe);

// Illuminated fraction of the disc from the Moon's apparent equatorial place and
// distance at T Julian centuries, with a low-precision Sun at a fixed distance.
struct phase_lune {
  long double elongation = 0;        // geocentric elongation from the Sun, degrees, 0..180
  long double angle_de_phase = 0;    // Sun-Moon-Earth angle, degrees, 0..180
  long double fraction = 0;          // illuminated fraction, percent, 0..100
  long double longitude_soleil = 0;  // the Sun's true longitude used, degrees
};
phase_lune phase_de_la_lune(long double T, long double alpha, long double delta, long double distance_km);

// Angles of the Moon's group: "##0 ° 00 ' 00 \"" (seconds rounded, carries made,
// whole degrees reduced by 360 when they reach it).
std::string texte_dms_lune(long double degres);
// Right ascension of the Moon's group (degrees in): "##0 h 00 m 00 s", 24 h shows 0 h.
std::string texte_hms_lune(long double degres);

// The labels of the "Lune" group, exactly as shown.
struct textes_lune {
  std::string longitude;                                   // apparent geocentric λ, "123 ° 30 ' 00 \""
  std::string latitude;                                    // β, same layout
  std::string ascension_droite;                            // "12 h 30 m 00 s"
  std::string declinaison;                                 // "-5 ° 30 ' 00 \""
  std::string distance_terre;                              // km, digits grouped by three, 1 to 4 decimals
  std::string parallaxe;                                   // "0 ° 57 ' 00 \""
  std::string fraction_illuminee;                          // percent, 1 to 3 decimals and a blank
  std::string diametre_apparent;                           // degrees, 1 to 3 decimals and a blank
  std::string heure_lever, heure_meridien, heure_coucher;  // "6 h 30 m", or the page's words when none
};

// The Moon's apparent ephemeris at one instant, with the texts of the page.
struct ephemeride_lune {
  long double jour_julien = 0;
  position_lune geocentrique;  // series values at the instant, mean equinox
  long double lambda = 0;      // apparent longitude (with nutation), degrees
  long double beta = 0;        // latitude, degrees
  long double alpha = 0;       // apparent right ascension, degrees, 0..360
  long double delta = 0;       // apparent declination, degrees
  long double distance = 0;    // km
  long double parallaxe = 0;   // degrees
  long double diametre = 0;    // apparent diameter, degrees
  long double delta_psi = 0;   // nutation in longitude applied, degrees
  long double epsilon = 0;     // true obliquity, degrees
  phase_lune phase;
  // What the phase picture needs: the rounded percentage drawn (0 = only the dotted
  // outline) and whether the Moon is waxing (Moon east of the Sun).
  int fraction_arrondie = 0;
  bool croissante = false;
  std::array<long double, 3> alpha_3j{}, delta_3j{};  // 0 h of the day before, of the day, of the day after
  long double hauteur_h0 = 0;                         // of the rising and setting, from the parallax at 0 h
  sortie_lever_coucher lever_coucher;

  textes_lune textes;
};

// The Moon's apparent right ascension and declination at an instant and the altitude
// of its rising from its parallax then, for the rising and setting of a civil day.
lieu_apparent lieu_de_la_lune(long double jde);

// The Moon for the Julian day of the date and clock time, at the site; decimal numbers
// are written with the separator given (the locale's).
ephemeride_lune ephemeride_de_la_lune(long double jour_julien, const site_courant& site, std::string_view separateur);

}  // namespace almanax
