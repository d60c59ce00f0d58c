#include "calcul/soleil.h"

#include <planseries/angle.h>
#include <planseries/planseries.h>

#include <cmath>

#include "calcul/corrections.h"
#include "calcul/formats.h"
#include "calcul/numerique.h"

namespace almanax {

namespace {
// Aberration of the Sun, 20.4898" at 1 AU, in degrees.
constexpr long double aberration_soleil = 0.0056916111L;
// The FK5 corrections: 0.09033" of longitude, 0.03916" of latitude.
constexpr long double fk5_longitude = 0.09033L / 3600.0L;
constexpr long double fk5_latitude_sec = 0.03916L;
}  // namespace

position_soleil position_du_soleil(long double jour_julien) {
  const long double t = temps_t(jour_julien);
  const long double T = 10.0L * t;
  const etat_nutation n = nutation_complete(t);

  const planseries::lbr terre = planseries::terre_lbr(t);
  const long double L = modulo_360(terre.l * rad_deg);
  const long double B = terre.b * rad_deg;
  const long double R = terre.r;

  position_soleil p;
  p.longitude_geometrique_brute = L + 180.0L;
  const long double lambda_fk5 = (p.longitude_geometrique_brute - 1.397L * T - 0.00031L * T * T) * deg_rad;
  const long double delta_beta =
      fk5_latitude_sec * (planseries::cos_rapide(lambda_fk5) - planseries::sin_rapide(lambda_fk5));
  p.longitude_geometrique = p.longitude_geometrique_brute - fk5_longitude;

  p.delta_psi = n.delta_psi;
  p.epsilon = n.epsilon();
  p.longitude_apparente = p.longitude_geometrique + n.delta_psi - aberration_soleil / R;
  // The Sun's latitude never reaches 1": the right ascension and declination neglect it.
  const coord_equatoriales eq = ecliptique_vers_equatorial({p.longitude_apparente, 0.0L}, p.epsilon);
  p.alpha = eq.alpha;
  p.delta = eq.delta;
  p.latitude_apparente = -B * 3600.0L + delta_beta;
  p.distance = R;
  return p;
}

lieu_apparent lieu_du_soleil(long double jde) {
  const position_soleil p = position_du_soleil(jde);
  return {p.alpha, p.delta, hauteur_h0_soleil};
}

ephemeride_soleil ephemeride_du_soleil(long double jour_julien, const site_courant& site, std::string_view separateur) {
  ephemeride_soleil e;
  e.jour_julien = jour_julien;
  // Rising, transit and setting are the calendar day's: from 0 h of the day before,
  // of the day and of the day after, whatever the clock time.
  const long double minuit = minuit_du_jour(jour_julien);
  for (int k = -1; k <= 1; ++k) {
    const position_soleil p = position_du_soleil(minuit + k);
    e.alpha_3j[k + 1] = p.alpha;
    e.delta_3j[k + 1] = p.delta;
    if (k == 0) e.position = p;
  }
  if (jour_julien != minuit) e.position = position_du_soleil(jour_julien);
  // Both longitudes lie in [180, 540): one turn at most is taken off.
  e.longitude_geometrique = e.position.longitude_geometrique;
  if (e.longitude_geometrique > 360.0L) e.longitude_geometrique -= 360.0L;
  e.longitude_apparente = e.position.longitude_apparente;
  if (e.longitude_apparente > 360.0L) e.longitude_apparente -= 360.0L;

  entree_lever_coucher lc;
  lc.alpha_3j = e.alpha_3j;
  lc.delta_3j = e.delta_3j;
  lc.hauteur_h0 = hauteur_h0_soleil;
  lc.jour_julien = minuit;
  lc.site = site;
  e.lever_coucher = lever_meridien_coucher(lc);

  e.textes.longitude_geometrique = format_dms_signe(e.longitude_geometrique);
  e.textes.longitude_apparente = format_dms_signe(e.longitude_apparente);
  e.textes.latitude_apparente = format_float("0.#0", e.position.latitude_apparente, separateur);
  e.textes.ascension_droite = format_hms(e.position.alpha);
  e.textes.declinaison = format_dms_signe(e.position.delta);
  e.textes.distance_terre = format_float("0.####0", e.position.distance, separateur);
  e.textes.heure_lever = e.lever_coucher.texte_lever;
  e.textes.heure_meridien = e.lever_coucher.texte_meridien;
  e.textes.heure_coucher = e.lever_coucher.texte_coucher;
  return e;
}

}  // namespace almanax
