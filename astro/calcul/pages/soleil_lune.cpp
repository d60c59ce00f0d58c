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
  t += ligne_rapport("Longitude géométrique ", s.textes.longitude_geometrique);
  t += ligne_rapport("Longitude apparente ", s.textes.longitude_apparente);
  t += ligne_rapport("Latitude apparente ", s.textes.latitude_apparente);
  t += ligne_rapport("Ascension droite apparente ", s.textes.ascension_droite);
  t += ligne_rapport("Déclinaison apparente ", s.textes.declinaison);
  t += ligne_rapport("Distance à la Terre ", s.textes.distance_terre + " UA");
  t += ligne_rapport("Lever ", s.textes.heure_lever);
  t += ligne_rapport("Méridien ", s.textes.heure_meridien);
  t += ligne_rapport("Coucher ", s.textes.heure_coucher);
  t.append(crlf);
  return t;
}

std::string bloc_lune(const ephemeride_lune& l) {
  std::string t = "Lune ";
  t.append(crlf).append(crlf);
  t += ligne_rapport("Longitude géocentrique ", l.textes.longitude);
  t += ligne_rapport("Latitude géocentrique ", l.textes.latitude);
  t += ligne_rapport("Ascension droite ", l.textes.ascension_droite);
  t += ligne_rapport("Déclinaison ", l.textes.declinaison);
  t += ligne_rapport("Distance à la Terre ", l.textes.distance_terre + " km");
  t += ligne_rapport("parallaxe ", l.textes.parallaxe);
  t += ligne_rapport("Fraction illuminée ", l.textes.fraction_illuminee + " %");
  t += ligne_rapport("Diamètre apparent ", l.textes.diametre_apparent);
  t += ligne_rapport("Lever ", l.textes.heure_lever);
  t += ligne_rapport("Méridien ", l.textes.heure_meridien);
  t += ligne_rapport("Coucher ", l.textes.heure_coucher);
  t.append(crlf);
  return t;
}

std::string copie_soleil_lune(const resultat_soleil_lune& r, const cases_soleil_lune& cases,
                              const champs_bloc_date& date, const champs_site& site) {
  std::string t;
  if (cases.date_heure) t += bloc_date(date.jour, date.mois, date.annee, date.heure);
  if (cases.lieu) t += bloc_site(site);
  if (cases.soleil) t += bloc_soleil(r.soleil);
  if (cases.lune) t += bloc_lune(r.lune);
  t.append(crlf);
  return t;
}

}  // namespace almanax
