// Rising, transit and setting of one body on one day at the current site, by
// interpolating its apparent place given for three instants one day apart.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on rising, transit and setting.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "calcul/site.h"

namespace almanax {

// What the caller fills: the body's apparent places (degrees) at 0 h of the day before,
// of the day and of the day after, the standard altitude of the event, the Julian day
// of 0 h of the day (see minuit_du_jour) and the site. The times found are those of
// that calendar day whatever the clock time the user typed.
struct entree_lever_coucher {
  std::array<long double, 3> alpha_3j{};  // right ascensions, each in [0, 360)
  std::array<long double, 3> delta_3j{};  // declinations
  long double hauteur_h0 = 0;             // -0.8333 Sun, 0.7275 pi - 0.5667 Moon, -0.5667 planets
  long double jour_julien = 0;
  site_courant site;
  // ΔT (seconds) of the interpolation; without it, the handbook's parabola
  // (jour_julien - 2382148)^2 / 41048480 - 15.
  std::optional<long double> delta_t_s;
};

// Standard altitudes of the three kinds of body, degrees.
inline constexpr long double hauteur_h0_soleil = -0.8333L;
inline constexpr long double hauteur_h0_planete = -0.5667L;
// parallaxe: the Moon's horizontal parallax in degrees.
inline constexpr long double hauteur_h0_lune(long double parallaxe) {
  return 0.7275L * parallaxe - 0.5667L;
}

enum class etat_evenement {
  normal,         // the event happens; its time is meaningful
  toujours_leve,  // the body stays above the horizon all day (no rising, no setting)
  jamais_leve,    // the body stays below the horizon all day (no rising, no setting)
  indetermine,    // the inputs were not finite numbers: nothing could be computed
  pas_ce_jour,    // the event falls on the day before or the day after, none on this day
};

// Texts shown in the rising and setting fields when there is no such event.
inline constexpr const char* texte_toujours_leve = "toujours visible";
inline constexpr const char* texte_jamais_leve = "jamais visible";
inline constexpr const char* texte_indetermine = "indéterminé";
// The Moon rises, passes and sets about 50 minutes later each day: about once a month
// one of the three falls past midnight and that day has none.
inline constexpr const char* texte_pas_de_lever = "pas de lever ce jour";
inline constexpr const char* texte_pas_de_meridien = "pas de passage ce jour";
inline constexpr const char* texte_pas_de_coucher = "pas de coucher ce jour";

struct sortie_lever_coucher {
  // Times in hours of the computed date, in the time scale of the clock time entered,
  // within [0, 24). 0 when the matching state is not `normal`.
  long double heure_meridien = 0;
  long double heure_lever = 0;
  long double heure_coucher = 0;
  etat_evenement etat_meridien = etat_evenement::normal;
  etat_evenement etat_lever = etat_evenement::normal;
  etat_evenement etat_coucher = etat_evenement::normal;
  // What the "Méridien", "Lever" and "Coucher" fields show: format_hm of the absolute
  // time, or one of the texts above.
  std::string texte_meridien;
  std::string texte_lever;
  std::string texte_coucher;
  // In civil time a day may hold a second event of a kind (the Moon at high latitudes,
  // the 25-hour day of autumn): its time, later than the first; the text gives both,
  // "1 h 02 m et 23 h 55 m".
  std::optional<long double> second_meridien, second_lever, second_coucher;
};

// The Julian day of 0 h of the calendar day that holds jour_julien.
long double minuit_du_jour(long double jour_julien);

// Each time is refined from its first approximation until the correction vanishes
// (one correction alone can leave the Moon an hour off at high latitudes). Never
// fails and never returns a NaN: a body that does not rise or set that day gets the
// matching state and text; the transit is still given. An event that the refinement
// carries out of the day is looked for once more a day later or earlier; when that one
// is not in the day either, the day has none (`pas_ce_jour`).
sortie_lever_coucher lever_meridien_coucher(const entree_lever_coucher& e);

// A body's apparent place (degrees) at an instant of the theories (TT), and the standard
// altitude of its rising and setting then.
struct lieu_apparent {
  long double alpha = 0, delta = 0, hauteur_h0 = 0;
  long double parallaxe = 0;  // horizontal parallax, degrees: the Moon's (an altitude seen from the site)
};
using lieu_a_l_instant = std::function<lieu_apparent(long double jde)>;

// Rising, transit and setting in a civil day of a zone: from 0 h to 24 h on the zone's
// clock of the day that holds jd_civil (a civil Julian day, see temps_civil.h), so 23 or
// 25 hours on the days the clocks change. Each UT day that overlaps it is computed by
// the method above, with the places at 0 h TT, the sidereal time at 0 h UT and the
// model's ΔT in the interpolation; its events are taken back to the zone's clock and
// those of the civil day kept. Times are the clock's hours of that day.
class fuseau_horaire;
sortie_lever_coucher lever_meridien_coucher_civil(const lieu_a_l_instant& lieu, long double jd_civil,
                                                  const site_courant& site, const fuseau_horaire& fuseau);

}  // namespace almanax
