#include "calcul/date_evenement.h"

#include <cmath>

#include "calcul/formats.h"
#include "calcul/numerique.h"

namespace almanax {

namespace {

// Whole day, month and astronomical year of the civil day z, with the fraction f of
// that day added to the day. Floors rather than truncations, so that the Julian
// calendar runs on below JD 0 with its four-year period instead of giving nonsense.
struct date_reelle {
  long double jour = 0;
  int mois = 1;
  long double annee = 0;
};

date_reelle convertir(long double z, long double f) {
  long double a = z;
  if (z >= 2299161) {
    const long double alpha = int_r((z - 1867216.25L) / 36524.25L);
    a = z + 1 + alpha - int_r(alpha / 4);
  }
  const long double b = a + 1524;
  const long double c = std::floor((b - 122.1L) / 365.25L);
  const long double d = std::floor(365.25L * c);
  const long double e = std::floor((b - d) / 30.6001L);  // b - d > 122, so e >= 4
  date_reelle r;
  r.jour = b - d - std::floor(30.6001L * e) + f;
  r.mois = static_cast<int>(e < 14 ? e - 1 : e - 13);
  r.annee = r.mois > 2 ? c - 4716 : c - 4715;
  return r;
}

}  // namespace

heure_a_la_seconde decouper_heures(long double heures) {
  heure_a_la_seconde r;
  const long double minutes = frac_r(heures) * 60;
  const long double secondes = frac_r(minutes) * 60;
  r.heure = static_cast<int>(int_r(heures));
  r.minute = static_cast<int>(int_r(minutes));
  r.seconde = static_cast<int>(round_r(secondes));
  if (r.seconde >= 60) {
    r.seconde -= 60;
    ++r.minute;
  }
  if (r.minute >= 60) {
    r.minute -= 60;
    ++r.heure;
  }
  if (r.heure >= 24) {
    r.heure -= 24;
    r.jour_suivant = true;
  }
  return r;
}

jour_du_calendrier calendrier_du_jour(long double z) {
  const date_reelle d = convertir(std::floor(z), 0);
  return {static_cast<int>(d.jour), d.mois, static_cast<long long>(d.annee)};
}

valeurs_evenement date_evenement(long double jde) {
  valeurs_evenement v;
  v.jde = jde;
  // Far beyond any year a page accepts the day count no longer fits the integers below.
  if (!std::isfinite(jde) || std::fabs(jde) > 1e12L) return v;

  v.jde_lu = jde + 0.5L;
  const long double z = std::floor(v.jde_lu);
  const long double f = v.jde_lu - z;
  const date_reelle d = convertir(z, f);
  v.jour = d.jour;
  v.mois = d.mois;
  v.annee = d.annee;
  v.heure_r = frac_r(v.jour) * 24;
  v.minute_r = frac_r(v.heure_r) * 60;
  v.seconde_r = frac_r(v.minute_r) * 60;
  v.annee_tronquee = trunc_i(v.annee);

  v.texte = " " + std::to_string(trunc_i(v.jour)) + " " + nom_du_mois(v.mois) + " " + std::to_string(v.annee_tronquee) +
            " à " + std::to_string(trunc_i(v.heure_r)) + " h ";

  const heure_a_la_seconde h = decouper_heures(v.heure_r);
  instant_a_la_seconde& s = v.a_la_seconde;
  s.heure = h.heure;
  s.minute = h.minute;
  s.seconde = h.seconde;
  if (h.jour_suivant) {
    const jour_du_calendrier lendemain = calendrier_du_jour(z + 1);
    s.jour = lendemain.jour;
    s.mois = lendemain.mois;
    s.annee = lendemain.annee;
  } else {
    s.jour = static_cast<int>(int_r(v.jour));
    s.mois = v.mois;
    s.annee = v.annee_tronquee;
  }
  return v;
}

}  // namespace almanax
