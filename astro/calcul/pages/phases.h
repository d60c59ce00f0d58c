// Phases of the Moon: the instants of the new moons, quarters and full moons from the
// mean lunation and its periodic corrections, and the "Phases de la Lune" page's six
// monthly lists. Instants are Julian Ephemeris Days (Dynamical Time, no Delta T).
//
// The mean lunation and its arguments are shared with the eclipse search.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on the phases of the Moon.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/rapport.h"
#include "calcul/recherche.h"
#include "calcul/temps_civil.h"

namespace almanax {

// One lunation: k counts the lunations from the new moon of 2000 January 6 (a quarter
// or a full moon adds 0.25, 0.5 or 0.75). Angles in radians, each reduced to one turn
// in degrees first.
struct lunaison {
  long double k = 0;
  long double T = 0;          // k / 1236.85, Julian centuries
  long double jde_moyen = 0;  // mean phase
  long double M = 0;          // Sun's mean anomaly
  long double Mp = 0;         // Moon's mean anomaly
  long double F = 0;          // Moon's argument of latitude
  long double Omega = 0;      // longitude of the Moon's ascending node
  long double E = 1;          // eccentricity factor of the Earth's orbit
};
lunaison arguments_lunaison(long double k);

// Phase numbers, in the order the page computes them.
enum class phase_lunaire { nouvelle_lune = 1, premier_quartier = 2, pleine_lune = 3, dernier_quartier = 4 };

// "Nouvelle Lune", "Premier Quartier", "Pleine Lune", "Dernier Quartier".
std::string_view nom_de_la_phase(phase_lunaire p);

// Instant (JDE) of the phase p of the lunation numbered n (whole).
long double instant_phase(long double n, phase_lunaire p);

// The page's texts of an instant: "05 Octobre 1997" and "03 h 37 m 42 s", to the
// second, the rounded seconds carried into the minutes, hours and date.
std::string texte_date_phase(const instant_a_la_seconde& s);
std::string texte_heure_phase(const instant_a_la_seconde& s);

struct phase_trouvee {
  phase_lunaire phase = phase_lunaire::nouvelle_lune;
  long double k = 0;  // with the phase's fraction
  long double jde = 0;
  valeurs_evenement date;  // as shown: on the zone's clock in civil time
  int image = 0;           // index of the picture: phase number - 1
  ligne_liste ligne;       // caption, date text, time text
  int decalage = 0;        // civil time: the zone's offset from UTC at the phase, seconds
  // The time as the page's list shows it: in civil time followed by the offset when it
  // differs from the previous row's, the six lists read in order.
  std::string heure_affichee;
};

// One month's list.
struct liste_phases {
  int mois = 1;
  long long annee = 0;
  std::vector<phase_trouvee> phases;  // all new moons, then first quarters, full moons, last quarters
};

struct resultat_phases {
  std::array<liste_phases, 6> listes;
  bool interrompue = false;  // the search was stopped before its end
  bool legale = false;       // the times are on a zone's clock
  std::string mention;       // civil time: "heure légale, UTC+1", the first row's clock; empty otherwise
};

// The six months from mois_depart (1..12) of annee_depart (astronomical year). A phase
// goes to the month of its date as shown (to the second): in civil time, the month of
// its civil date.
resultat_phases phases_de_la_lune(int mois_depart, long long annee_depart, const suivi_recherche& suivi = {},
                                  const echelle_temps& echelle = {});

// The page's copy: "Phases de la Lune", an empty line, then one line per row of the
// checked months, "Nouvelle Lune" TAB "Le 05 Octobre 1997 à 03 h 37 m 42 s".
// Nothing at all when no month is checked. In civil time the title names the first
// row's clock and a row whose offset differs from the previous copied row's ends with it.
std::string copie_phases(const resultat_phases& r, const std::array<bool, 6>& mois_coches);

}  // namespace almanax
