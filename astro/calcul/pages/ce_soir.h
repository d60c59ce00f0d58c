// The "Ce soir" page: what an observer can see in one night at the current site, from
// noon of the chosen date to noon of the next day. The Sun's setting and rising and the
// three twilights (its centre at -6°, -12°, -18°); for the Moon and each planet from
// Mercury to Neptune its rising, transit and setting in that span, its altitude at
// transit, when it stands above 10° while the Sun is below -12°, its magnitude; the
// altitude and azimuth of each at a chosen time; and the altitudes through the night for
// the chart. Times are read and shown in the page's time scale (temps_civil.h).
//
// The events are found on the altitudes themselves (sampled every 5 minutes, each
// crossing refined by bisection), so a body that rises twice in the span or not at all,
// a Sun that never sets or never rises, come out as they are. Altitudes are geocentric
// and without refraction; the Moon's is corrected for its parallax (topocentric).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calcul/horizon.h"
#include "calcul/pages/dates.h"
#include "calcul/rapport.h"
#include "calcul/site.h"
#include "calcul/temps_civil.h"

namespace almanax {

// The levels of the Sun's centre, degrees.
inline constexpr long double hauteur_coucher_soleil = -0.8333L;
inline constexpr long double hauteur_crepuscule_civil = -6.0L;
inline constexpr long double hauteur_crepuscule_nautique = -12.0L;
inline constexpr long double hauteur_crepuscule_astronomique = -18.0L;
// A body counts as observable 10° above the horizon while the Sun is 12° below it.
inline constexpr long double hauteur_observable = 10.0L;
inline constexpr long double soleil_nuit_observable = -12.0L;

struct entree_ce_soir {
  instant_saisi instant;  // the evening's date (historical year) and the time of the altitude table
  site_courant site;
  echelle_temps echelle;
  std::string separateur = ",";  // the locale's decimal separator
};

// An instant of the night as the page shows it.
struct instant_nuit {
  long double jde = 0;  // TT
  std::string texte;    // "22 h 46 m", in the page's time scale
};

// One level of the Sun: the evening's crossing (going down) and the morning's (going up).
struct niveau_soleil {
  long double hauteur = 0;
  std::optional<instant_nuit> soir, matin;
  std::string texte_soir, texte_matin;  // the time, or why there is none
};

enum class corps_ce_soir { lune, mercure, venus, mars, jupiter, saturne, uranus, neptune };
inline constexpr int nombre_corps_ce_soir = 8;
// "Lune", "Mercure", ... "Neptune".
const char* nom_corps_ce_soir(corps_ce_soir c);

// An interval of the night, as the page writes it: "22 h 10 m – 3 h 40 m".
struct intervalle_nuit {
  long double debut = 0, fin = 0;  // TT
};

struct astre_ce_soir {
  corps_ce_soir corps = corps_ce_soir::lune;
  std::vector<instant_nuit> levers, passages, couchers;  // in the span, in time order
  std::optional<long double> hauteur_passage;            // degrees, at the (first) transit
  std::vector<intervalle_nuit> observable;               // above 10° with the Sun below -12°
  long double magnitude = 0;
  coord_horizontales a_l_heure;  // at the chosen time
  struct {
    std::string lever, passage, coucher, hauteur_passage, observable, magnitude, hauteur, azimut;
  } textes;
};

struct resultat_ce_soir {
  long double debut = 0, fin = 0;       // TT: noon of the evening's date to noon of the next day
  long double jde_heure = 0;            // TT of the chosen time
  std::string mention_echelle;          // "heure légale, UTC+2", or "" for times as they stand
  std::string titre;                    // the chart's: "Nuit du 21 au 22 Juin 2026 (heure légale, UTC+2)"
  std::array<niveau_soleil, 4> soleil;  // setting/rising, civil, nautical, astronomical
  std::string nuit;                     // one sentence: the night, or why there is none
  long double fraction_lune = 0;        // illuminated, percent
  std::string phase_lune;               // "Premier Quartier", "Gibbeuse croissante", ...
  std::string texte_lune;               // "Premier Quartier, 52 % éclairée"
  std::array<astre_ce_soir, nombre_corps_ce_soir> astres;
  // The chart's curves: every 10 minutes from debut to fin, the Sun's altitude and each
  // body's (in astres' order).
  std::vector<long double> instants;  // TT
  std::vector<long double> heures;    // the same, as hours of their day in the page's time scale
  std::vector<long double> hauteurs_soleil;
  std::array<std::vector<long double>, nombre_corps_ce_soir> hauteurs;
};

resultat_ce_soir calcul_ce_soir(const entree_ce_soir& e);

// The report of "&Copie" and of the command line: the date and site blocks, the Sun,
// the night, the Moon, then one line per body.
std::string copie_ce_soir(const resultat_ce_soir& r, const champs_bloc_date& date, const champs_site& site);

// The hour shown for an instant of the night (TT) in a time scale: "22 h 46 m".
std::string texte_heure_nuit(long double jde, const echelle_temps& echelle);
// The same hour in decimal hours of its day, for the chart's axis and the JSON.
long double heures_du_jour(long double jde, const echelle_temps& echelle);

}  // namespace almanax
