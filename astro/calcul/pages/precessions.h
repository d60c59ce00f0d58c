// The "Préc. des Equinoxes" page: mean equatorial coordinates carried from a reference
// equinox to a wanted date by the rigorous rotation of the IAU 1976 precession (ζ, z,
// θ in their general form, any reference epoch), with the proper motion applied over
// the interval first. The report block of the page and its "&Copie".
// Source: J. H. Lieske et al., IAU 1976 precession (Astron. Astrophys. 58, 1, 1977), as in J. Meeus, Astronomical
// Algorithms, 1st ed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calcul/corrections.h"
#include "calcul/pages/dates.h"
#include "calcul/pages/instant_civil.h"
#include "calcul/rapport.h"

namespace almanax {

// A declination as typed: the sign belongs to the whole angle and is typed on the
// degrees ("-0" with 30' is -0.5°, "-10" with 30' is -10.5°), as the result shows it.
struct declinaison_saisie {
  bool negative = false;
  int degres = 0;  // magnitude
  int minutes = 0;
  long double secondes = 0;
  long double valeur() const;  // signed degrees
};
// Reads the sign and magnitude of the degrees field ("-0", "+12", "7"); nothing when
// the text is not a whole number.
std::optional<declinaison_saisie> degres_declinaison(std::string_view texte);

struct entree_precession {
  instant_saisi reference;  // the reference equinox (historical year, clock time)
  instant_saisi voulue;     // the wanted date
  int ad_heures = 0, ad_minutes = 0;
  long double ad_secondes = 0;
  declinaison_saisie declinaison;
  long double mpa = 0;  // proper motion in right ascension, seconds of time per year
  long double mpd = 0;  // proper motion in declination, seconds of arc per year
  // In civil time the wanted date's time is the zone's clock. The reference equinox is
  // an epoch of the theories (J2000.0 is 1 January 2000 at 12 h TT): read as it stands.
  echelle_temps echelle;
};

// The three angles in seconds of arc for T (Julian centuries from J2000.0 to the
// reference equinox) and t (Julian centuries from it to the wanted date).
struct angles_precession {
  long double zeta = 0, z = 0, theta = 0;
};
angles_precession angles_de_precession(long double T, long double t);

// Mean equatorial coordinates (degrees) carried by the rotation of the three angles:
// alpha in [0, 360), delta in [-90, 90].
coord_equatoriales precesser(long double alpha, long double delta, const angles_precession& angles);

struct resultat_precession {
  long double jour_julien_reference = 0, jour_julien_voulu = 0;  // TT
  // In civil time "heure légale, UTC+2" on the block's date line; empty as times stand.
  std::string mention;
  long double T = 0, t = 0;          // Julian centuries
  angles_precession angles;          // seconds of arc
  long double ascension_droite = 0;  // degrees, 0..360
  long double declinaison = 0;       // degrees, signed
  std::string texte_ad;              // "2 h 46 m 11 s"
  std::string texte_dec;             // "49 ° 20 '  55 ''"
  // The block appended to the report box: the wanted date, then both coordinates.
  std::string bloc;
};

resultat_precession calcul_precession(const entree_precession& e);

// The copy boxes of the page; all checked by default.
struct cases_precession {
  bool equinoxe_reference = true;    // "Équinoxe de référence"
  bool date_heure = true;            // "Date et heure"
  bool ascension_droite = true;      // "Ascension droite"
  bool declinaison = true;           // "Déclinaison"
  bool mouvement_propre_ad = true;   // "Mouvement propre asc."
  bool mouvement_propre_dec = true;  // "Mouvement propre déc."
};

// The fields' texts the report copies.
struct champs_precession {
  champs_bloc_date voulue;                            // wanted date block
  champs_bloc_date reference;                         // reference equinox
  std::string ad_heures, ad_minutes, ad_secondes;     // right ascension as typed
  std::string dec_degres, dec_minutes, dec_secondes;  // declination as typed, the sign on the degrees
  std::string mouvement_propre_ad;                    // seconds of time per year
  std::string mouvement_propre_dec;                   // seconds of arc per year
};

// The report of "&Copie": the checked lines, then the report box's text and CR LF. In
// civil time the wanted date's line carries the mention.
std::string copie_precession(const champs_precession& champs, std::string_view rapport, const cases_precession& cases,
                             std::string_view mention = {});

}  // namespace almanax
