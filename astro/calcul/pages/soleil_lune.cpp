#include "calcul/pages/soleil_lune.h"

#include "calcul/calendrier.h"
#include "calcul/rapport.h"

namespace almanax {

resultat_soleil_lune calcul_soleil_lune(const instant_saisi& instant, const site_courant& site,
                                        std::string_view separateur) {
  resultat_soleil_lune r;
  r.saisie = instant;
  r.jour_julien = jour_julien_saisi(instant);
  r.soleil = ephemeride_du_soleil(r.jour_julien, site, separateur);
  // The Moon is always computed for the Sun's instant, so both groups agree.
  r.lune = ephemeride_de_la_lune(r.jour_julien, site, separateur);
  return r;
}

std::string bloc_soleil(const ephemeride_soleil& s) {
  std::string t = "Soleil ";
  t.append(crlf).append(crlf);
  t += ligne_rapport("Longitude géométrique ", s.long_g_sol);
  t += ligne_rapport("Longitude apparente ", s.long_a_sol);
  t += ligne_rapport("Latitude apparente ", s.lat_a_sol);
  t += ligne_rapport("Ascension droite apparente ", s.asc_a_sol);
  t += ligne_rapport("Déclinaison apparente ", s.dec_a_sol);
  t += ligne_rapport("Distance à la Terre ", s.dist_t_sol + " UA");
  t += ligne_rapport("Lever ", s.sol_lev);
  t += ligne_rapport("Méridien ", s.sol_mer);
  t += ligne_rapport("Coucher ", s.sol_cou);
  t.append(crlf);
  return t;
}

std::string bloc_lune(const ephemeride_lune& l) {
  std::string t = "Lune ";
  t.append(crlf).append(crlf);
  t += ligne_rapport("Longitude géocentrique ", l.long_lune);
  t += ligne_rapport("Latitude géocentrique ", l.lat_lune);
  t += ligne_rapport("Ascension droite ", l.asc_lune);
  t += ligne_rapport("Déclinaison ", l.dec_lune);
  t += ligne_rapport("Distance à la Terre ", l.dist_lune + " km");
  t += ligne_rapport("parallaxe ", l.par_lune);
  t += ligne_rapport("Fraction illuminée ", l.ill_lune + " %");
  t += ligne_rapport("Diamètre apparent ", l.dia_lune);
  t += ligne_rapport("Lever ", l.lune_lev);
  t += ligne_rapport("Méridien ", l.lune_mer);
  t += ligne_rapport("Coucher ", l.lune_cou);
  t.append(crlf);
  return t;
}

std::string copie_soleil_lune(const resultat_soleil_lune& r, const cases_soleil_lune& cases,
                              const champs_bloc_date& date, const champs_site& site) {
  std::string t;
  if (cases.c_dts) t += bloc_date(date.jour, date.mois, date.annee, date.heure);
  if (cases.c_ls) t += bloc_site(site);
  if (cases.c_ss) t += bloc_soleil(r.soleil);
  if (cases.c_lls) t += bloc_lune(r.lune);
  t.append(crlf);
  return t;
}

}  // namespace almanax
