#include "calcul/pages/soleil_lune.h"

#include "calcul/calendrier.h"
#include "calcul/rapport.h"

namespace almanax {

namespace {

// In civil time the rising, transit and setting of the zone's civil day replace those
// of the day of the time argument.
template <class Ephemeride>
void jour_civil(Ephemeride& e, const lieu_a_l_instant& lieu, const instant_lu& instant, const site_courant& site,
                const echelle_temps& echelle) {
  if (!echelle.legale()) return;
  e.lever_coucher = lever_meridien_coucher_civil(lieu, instant.jour_julien_saisi, site, *echelle.fuseau());
  e.textes.heure_lever = e.lever_coucher.texte_lever;
  e.textes.heure_meridien = e.lever_coucher.texte_meridien;
  e.textes.heure_coucher = e.lever_coucher.texte_coucher;
}

}  // namespace

ephemeride_soleil soleil_de_l_instant(const instant_lu& instant, const site_courant& site, std::string_view separateur,
                                      const echelle_temps& echelle) {
  ephemeride_soleil e = ephemeride_du_soleil(instant.jde, site, separateur);
  jour_civil(e, lieu_du_soleil, instant, site, echelle);
  return e;
}

ephemeride_lune lune_de_l_instant(const instant_lu& instant, const site_courant& site, std::string_view separateur,
                                  const echelle_temps& echelle) {
  ephemeride_lune e = ephemeride_de_la_lune(instant.jde, site, separateur);
  jour_civil(e, lieu_de_la_lune, instant, site, echelle);
  return e;
}

resultat_soleil_lune calcul_soleil_lune(const instant_saisi& instant, const site_courant& site,
                                        std::string_view separateur, const echelle_temps& echelle) {
  resultat_soleil_lune r;
  r.saisie = instant;
  const instant_lu i = lire_instant(instant, echelle);
  r.jour_julien = i.jde;
  r.mention = i.mention;
  r.soleil = soleil_de_l_instant(i, site, separateur, echelle);
  // The Moon is always computed for the Sun's instant, so both groups agree.
  r.lune = lune_de_l_instant(i, site, separateur, echelle);
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
  t += bloc_date_mention(date, r.mention, cases.date_heure, cases.soleil || cases.lune);
  if (cases.lieu) t += bloc_site(site);
  if (cases.soleil) t += bloc_soleil(r.soleil);
  if (cases.lune) t += bloc_lune(r.lune);
  t.append(crlf);
  return t;
}

}  // namespace almanax
