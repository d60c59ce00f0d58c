// The "Comètes" page: where a comet stands in the sky at a date and clock time, from
// its six orbital elements (J2000.0 ecliptic and equinox). Elliptic (0 < e < 1),
// parabolic (e = 1) and hyperbolic (e > 1) orbits; the astrometric place in the J2000.0 equatorial frame,
// corrected for light time only. The report block of the page and its "&Copie".
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapters on elliptic and parabolic
// motion (the hyperbola in the same form: e sinh H - H = M).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/pages/dates.h"
#include "calcul/pages/instant_civil.h"

namespace almanax {

// Gaussian daily motion, degrees per day.
inline constexpr long double mouvement_gaussien = 0.9856076686L;
// Factor of the parabolic motion: k / sqrt(2) x 3/2 in radians per day.
inline constexpr long double facteur_parabolique = 0.03649116245L;
// Light time per astronomical unit, days.
inline constexpr long double temps_lumiere_ua = 0.0057755183L;

// The elements as the page's fields and the catalogue hold them: texts, never
// reformatted ("20,29104"). Field order of the page.
struct textes_comete {
  std::string T_annee, T_mois, T_jour;  // perihelion passage: year, month, day with its fraction
  std::string q, i, e, w, W;            // q in AU; i, w (ω) and W (Ω) in degrees
  bool operator==(const textes_comete&) const = default;
};

// The elements read from the texts. Angles in degrees, q in AU.
struct elements_comete {
  long double T_annee = 0, T_mois = 0, T_jour = 0;  // perihelion: year, month, day with fraction
  long double q = 0, i = 0, e = 0;
  long double omega = 0;  // w, argument of the perihelion
  long double Omega = 0;  // W, longitude of the ascending node
};

// The element fields, in the order they are read and checked.
enum class champ_comete {
  jour_perihelie,
  mois_perihelie,
  annee_perihelie,
  distance_perihelie,  // q
  inclinaison,         // i
  excentricite,        // e
  argument_perihelie,  // w
  longitude_noeud,     // W
};

// Why elements cannot be computed: the fields that hold no number (all of them, in
// reading order, the first to get the focus), or one field whose value is refused.
struct refus_comete {
  std::vector<champ_comete> champs;
  std::string message;
  std::string titre;
  std::string detail;  // why, when the message alone does not say it (the command line adds it)
};

// The field's label on the page: "T (jour)", "T (mois)", "T (année)", "q", "i", "e", "w", "W".
std::string libelle_champ(champ_comete c);

// The perihelion date as the fields hold it (day with its fraction, month, year as
// typed): the day within its month, the month 1..12, the year -4713..9999. The first
// test that fails, with the page's message and the field to mend.
std::optional<refus_comete> refus_passage(long double jour, int mois, int annee);

// Reads and checks the texts: the perihelion day and the five reals with either
// separator, the month and year as whole numbers. An eccentricity e <= 0 is refused
// first, then unreadable fields, then a perihelion date the calendar does
// not have (refus_passage), then a perihelion distance q <= 0.
struct lecture_comete {
  std::optional<elements_comete> elements;
  std::optional<refus_comete> refus;
};
lecture_comete lire_elements_comete(const textes_comete& t);

// True when the date (month already shifted: January and February are months 13 and
// 14 of the year before) falls in the Julian calendar, before 15 October 1582.
bool est_julienne(long double jour, long double mois, long double annee);

// Julian day of the perihelion passage (astronomical year as typed, day with fraction).
// A day of 5..14 October 1582 is taken as the date fields take it (date_hors_lacune_1582).
long double jour_julien_perihelie(long double annee, long double mois, long double jour);

// Eccentric anomaly (radians, in -pi..pi) for a mean anomaly M (radians, any value) and
// 0 <= e < 1, to the precision of long double: Newton's method kept inside a bracket
// of the root, so it converges for every e, however close to 1, and every M.
long double anomalie_excentrique(long double M, long double e);

// Hyperbolic anomaly H for a mean anomaly M (radians, any sign) and e > 1, the root of
// e sinh H - H = M to the precision of long double: Newton's method from a start past
// the root, kept inside a bracket, for every M and every e however close to 1.
long double anomalie_hyperbolique(long double M, long double e);

// The parabolic solver: s^3 + 3 s - U = 0 by Newton's method from U/3, to 1e-6.
long double solution_parabolique(long double U);

// Heliocentric place of the comet at one Julian day.
struct position_orbite {
  long double v = 0;                // true anomaly, radians
  long double r = 0;                // radius vector, AU
  long double x = 0, y = 0, z = 0;  // heliocentric equatorial J2000.0, AU
};
position_orbite position_heliocentrique(const elements_comete& el, long double jd);

// The observation: date (historical year) and clock time. The days 5 to 14 October
// 1582 that the calendar lacks are taken as 4 (5..9) and 15 (10..14) October.
struct entree_comete {
  elements_comete elements;
  instant_saisi observation;
  std::string nom;               // the comet's name as the page shows it
  std::string separateur = ",";  // the locale's decimal separator
  // In civil time the observation's time is the zone's clock. The perihelion passage
  // stays in the elements' own time scale (TT).
  echelle_temps echelle;
};

struct resultat_comete {
  instant_saisi observation;    // the instant computed (after the calendar gap)
  long double jour_julien = 0;  // observation instant (Earth and Sun), TT
  // In civil time "heure légale, UTC+2": on the block's date line and beside the page's
  // time; empty as times stand.
  std::string mention;
  long double jour_julien_comete = 0;  // the instant minus the light time (the comet)
  long double jour_julien_perihelie = 0;
  long double xi = 0, eta = 0, zeta = 0;  // geocentric equatorial J2000.0, AU
  long double distance = 0;               // AU
  long double temps_lumiere = 0;          // days
  long double rayon_vecteur = 0;          // AU, at the comet's instant
  long double anomalie_vraie = 0;         // degrees
  long double elongation = 0;             // degrees
  long double ascension_droite = 0;       // degrees, 0..360
  long double declinaison = 0;            // degrees, signed

  std::string ligne_date;  // "Le 31 Octobre 1989"
  // How old the elements are, for the page (not in the report): "Éléments du passage au
  // périhélie du 28 Octobre 2010.", and when the observation is more than
  // annees_elements_fiables years away, a second line (LF) that warns of the drift.
  std::string age_elements;
  std::string texte_ad, texte_dec, texte_distance_ua, texte_distance_km, texte_elongation;
  // The block appended to the page's report box, CR LF, ending with an empty line.
  std::string bloc;
};

// Osculating elements drift with the planets' perturbations: beyond this many years from
// the perihelion passage the page warns that the position is only approximate.
inline constexpr long double annees_elements_fiables = 5;

// The whole computation of "&OK" for elements already read and checked.
resultat_comete calcul_comete(const entree_comete& entree);

// Elements that pass every check may still be far outside any orbit (q = 1e-4000 AU,
// a perihelion day of 1e4000): a result that is not a finite number is refused, with
// the page's message for the element at fault. That element is found by putting the
// page's initial elements back one after the other, in reading order, until the
// result is finite. Nothing when the result is sound.
std::optional<refus_comete> refus_resultat(const entree_comete& entree, const resultat_comete& r);

// "46° 00'": degrees and minutes rounded to the minute, carried into the degrees.
std::string texte_elongation(long double degres);

// The copy boxes of the page; all checked by default.
struct cases_comete {
  bool nom = true;          // "Nom"
  bool date_heure = true;   // "Date et heure"
  bool elements = true;     // "Eléments orb."
  bool coordonnees = true;  // "Coordonnées"
};

// The report of "&Copie": empty when the report box is empty. nom: the name shown;
// date: the observation fields; elements: the element fields' texts; rapport: the
// report box's text. In civil time (a mention given) the date line carries the mention
// and the perihelion passage, an instant of the elements' time scale, says "(TT)".
std::string copie_comete(std::string_view nom, const champs_bloc_date& date, const textes_comete& elements,
                         std::string_view rapport, const cases_comete& cases, std::string_view mention = {});

}  // namespace almanax
