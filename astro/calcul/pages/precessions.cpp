#include "calcul/pages/precessions.h"

#include <cmath>

#include "calcul/formats.h"
#include "calcul/numerique.h"
#include "calcul/validation.h"

namespace almanax {

long double declinaison_saisie::valeur() const {
  const long double v = std::abs(degres) + std::abs(minutes) / 60.0L + std::fabs(secondes) / 3600.0L;
  return negative ? -v : v;
}

std::optional<declinaison_saisie> degres_declinaison(std::string_view texte) {
  const std::optional<int> n = entier_du_texte(texte);
  if (!n) return std::nullopt;
  declinaison_saisie d;
  d.degres = std::abs(*n);
  // The sign is read from the text, so "-0" keeps it.
  const std::size_t debut = texte.find_first_not_of(' ');
  d.negative = *n < 0 || (debut != std::string_view::npos && texte[debut] == '-');
  return d;
}

angles_precession angles_de_precession(long double T, long double t) {
  const long double base = 2306.2181L + 1.39656L * T - 0.000139L * T * T;
  angles_precession a;
  a.zeta = base * t + (0.30188L - 0.000344L * T) * t * t + 0.017998L * t * t * t;
  a.z = base * t + (1.09468L + 0.000066L * T) * t * t + 0.018203L * t * t * t;
  a.theta =
      (2004.3109L - 0.85330L * T - 0.000217L * T * T) * t - (0.42665L + 0.000217L * T) * t * t - 0.041833L * t * t * t;
  return a;
}

coord_equatoriales precesser(long double alpha, long double delta, const angles_precession& angles) {
  const long double alpha1 = alpha * deg_rad;
  const long double delta1 = delta * deg_rad;
  const long double zeta = angles.zeta / 3600 * deg_rad;
  const long double theta = angles.theta / 3600 * deg_rad;

  const long double A = std::cos(delta1) * std::sin(alpha1 + zeta);
  const long double B =
      std::cos(theta) * std::cos(delta1) * std::cos(alpha1 + zeta) - std::sin(theta) * std::sin(delta1);
  const long double C =
      std::sin(theta) * std::cos(delta1) * std::cos(alpha1 + zeta) + std::cos(theta) * std::sin(delta1);
  coord_equatoriales q;
  q.delta = std::asin(std::fmax(-1.0L, std::fmin(1.0L, C))) * rad_deg;
  // The quadrant from the sign of B, as arctan(A/B) gives it; B = 0 is a right angle.
  long double heures = (B != 0 ? std::atan(A / B) * rad_deg : std::copysign(90.0L, A)) + angles.z / 3600;
  heures /= 15;
  if (B < 0) heures += 12;
  while (heures >= 24) heures -= 24;
  while (heures < 0) heures += 24;
  q.alpha = heures * 15;
  return q;
}

resultat_precession calcul_precession(const entree_precession& e) {
  resultat_precession r;
  r.jour_julien_reference = jour_julien_saisi(e.reference);
  const instant_lu voulu = lire_instant(e.voulue, e.echelle);
  r.jour_julien_voulu = voulu.jde;
  r.mention = voulu.mention;
  r.T = (r.jour_julien_reference - 2451545) / 36525;
  r.t = (r.jour_julien_voulu - r.jour_julien_reference) / 36525;
  r.angles = angles_de_precession(r.T, r.t);

  const long double alpha0 = 15 * (e.ad_heures + e.ad_minutes / 60.0L + e.ad_secondes / 3600);
  const long double delta0 = e.declinaison.valeur();
  const long double annees = 100 * r.t;
  const coord_equatoriales q = precesser(alpha0 + e.mpa * annees * 15 / 3600, delta0 + e.mpd * annees / 3600, r.angles);
  r.declinaison = q.delta;
  r.ascension_droite = q.alpha;
  r.texte_ad = format_hms(r.ascension_droite);
  r.texte_dec = format_dms_signe(r.declinaison);

  r.bloc = "le " + format_float("#0", e.voulue.date.jour) + " " + nom_du_mois(e.voulue.date.mois) + " " +
           format_float("#0", e.voulue.date.annee) + " à " +
           texte_heure(e.voulue.heure, e.voulue.minute, e.voulue.seconde) + entre_parentheses(r.mention) +
           std::string(crlf);
  r.bloc += ligne_rapport("Ascension droite ", ": " + r.texte_ad);
  r.bloc += ligne_rapport("Déclinaison ", ": " + r.texte_dec);
  return r;
}

std::string copie_precession(const champs_precession& c, std::string_view rapport, const cases_precession& cases,
                             std::string_view mention) {
  std::string s;
  // The report box's blocks say their own time scale: no line of its own for it here.
  s += bloc_date_mention(c.voulue, mention, cases.date_heure, false);
  if (cases.equinoxe_reference)
    s += ligne_rapport("Équinoxe de référence", c.reference.jour + " " + nom_du_mois(c.reference.mois) + " " +
                                                    c.reference.annee + " " + c.reference.heure);
  if (cases.ascension_droite)
    s += ligne_rapport("Ascension droite ", c.ad_heures + " ° " + c.ad_minutes + " ' " + c.ad_secondes + " \" ");
  if (cases.declinaison)
    s += ligne_rapport("Déclinaison ", c.dec_degres + " ° " + c.dec_minutes + " ' " + c.dec_secondes + " \" ");
  if (cases.mouvement_propre_ad) s += ligne_rapport("Mouvement propre Asc. d.", c.mouvement_propre_ad + " ° ");
  if (cases.mouvement_propre_dec) s += ligne_rapport("Mouvement propre Décli.", c.mouvement_propre_dec + " ° ");
  s.append(rapport).append(crlf);
  return s;
}

}  // namespace almanax
