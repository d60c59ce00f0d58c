#include "calcul/pages/equa_time.h"

#include <cmath>

#include "calcul/formats.h"
#include "calcul/pages/dates.h"
#include "calcul/pages/instant_civil.h"
#include "planseries/planseries.h"

namespace almanax {

long double valeur_equation_du_temps(long double T) {
  const long double epsilon = (23.43929167L - 0.013002778L * T) * deg_rad;
  const long double L0 = modulo_360(280.46645L + 36000.76983L * T + 0.0003032L * T * T) * deg_rad;
  const long double M =
      modulo_360(357.5291L + 35999.0503L * T - 0.0001559L * T * T - 0.00000048L * T * T * T) * deg_rad;
  const long double e = 0.016708617L - 0.000042037L * T - 0.0000001236L * T * T;
  const long double t = planseries::tan(epsilon / 2.0L);
  const long double y = t * t;
  const long double E = y * std::sin(2.0L * L0) - 2.0L * e * std::sin(M) +
                        4.0L * e * y * std::sin(M) * std::cos(2.0L * L0) - 0.5L * y * y * std::sin(4.0L * L0) -
                        1.25L * e * e * std::sin(2.0L * M);
  return E * rad_deg / 15.0L * 60.0L;
}

courbe_equation_du_temps trace_equation_du_temps(int annee, int largeur, int hauteur, const echelle_temps& echelle) {
  courbe_equation_du_temps c;
  c.annee = annee;
  c.largeur_image = largeur;
  c.hauteur_image = hauteur;
  c.largeur = largeur - 4 + 40;
  c.hauteur = hauteur - 40;
  c.jour_julien = jour_julien_saisi({{1, 1, annee}, 0, 0, 0, 0});
  // Column x = 30 is noon of 31 December of the year before, x = 30 + n noon of day n.
  for (int x = 30; x <= c.largeur + 4; ++x) {
    const long double midi = c.jour_julien - 0.5L + (x - 30);
    const long double T = (echelle.vers_tt(midi) - 2451545.0L) / 36525.0L;
    const long double E = valeur_equation_du_temps(T);
    c.points.push_back({x, 130 - static_cast<int>(round_i(6.0L * E)), E});
  }
  return c;
}

equation_du_jour equation_du_temps_du_jour(const date_jma& date, const echelle_temps& echelle) {
  equation_du_jour r;
  r.date = date;
  const instant_lu minuit = lire_instant({date, 0, 0, 0, 0}, echelle);
  r.jour_julien = minuit.jde;
  r.minutes = valeur_equation_du_temps((r.jour_julien - 2451545.0L) / 36525.0L);
  long double m = int_r(r.minutes);
  long double s = std::fabs(round_r((r.minutes - m) * 60.0L));
  // 59.5 s and more round up to the next minute, never to "60 s".
  if (s >= 60.0L) {
    s = 0;
    m += r.minutes < 0 ? -1.0L : 1.0L;
  }
  r.minutes_entieres = static_cast<int>(m);
  r.secondes = static_cast<int>(s);
  // Between -1 and 0 minute the whole minutes show 0: the sign goes before it.
  const std::string signe = (r.minutes < 0 && m == 0 && s > 0) ? "-" : "";
  r.texte = "le " + std::to_string(date.jour) + " " + nom_du_mois(date.mois) + " " + std::to_string(date.annee) +
            (minuit.mention.empty() ? "" : " à 0 h" + entre_parentheses(minuit.mention)) + " : " + signe +
            format_float("#0", m) + " m " + format_float("00", s) + " s ";
  return r;
}

}  // namespace almanax
