// Rising, transit and setting of one body on one day at the current site, by
// interpolating its apparent place given for three instants one day apart.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on rising, transit and setting.
#pragma once

#include <array>
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

}  // namespace almanax
