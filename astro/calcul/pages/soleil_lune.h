// The "Soleil, Lune" page: the Sun and the Moon for one date, clock time and site,
// every text of its two groups, and the report its "&Copie" button appends.
#pragma once

#include <string>
#include <string_view>

#include "calcul/lune.h"
#include "calcul/pages/dates.h"
#include "calcul/pages/instant_civil.h"
#include "calcul/site.h"
#include "calcul/soleil.h"

namespace almanax {

struct resultat_soleil_lune {
  instant_saisi saisie;         // the page's date (historical year) and clock time
  long double jour_julien = 0;  // the instant computed (TT)
  ephemeride_soleil soleil;     // the "Soleil" group
  ephemeride_lune lune;         // the "Lune" group, same instant
  // In civil time "heure légale, UTC+2", shown by the page beside its time and by the
  // copy on its date line; empty as times stand.
  std::string mention;
};

// Computes both groups; decimal numbers use the separator given (the locale's). In
// civil time the typed time is the zone's clock and the rising, transit and setting are
// those of the civil day, in its clock's hours.
resultat_soleil_lune calcul_soleil_lune(const instant_saisi& instant, const site_courant& site,
                                        std::string_view separateur, const echelle_temps& echelle = {});

// Each group alone for an instant read (the page computes the Moon after the Sun).
ephemeride_soleil soleil_de_l_instant(const instant_lu& instant, const site_courant& site, std::string_view separateur,
                                      const echelle_temps& echelle);
ephemeride_lune lune_de_l_instant(const instant_lu& instant, const site_courant& site, std::string_view separateur,
                                  const echelle_temps& echelle);

// The four check boxes of the copy, all checked by default.
struct cases_soleil_lune {
  bool date_heure = true;  // "Date et heure"
  bool lieu = true;        // "Lieu"
  bool soleil = true;      // "Soleil"
  bool lune = true;        // "Lune"
};

// The report appended by "&Copie": the checked blocks in page order, then one more
// CR LF (so nothing checked gives one empty line). The date line carries the mention.
std::string copie_soleil_lune(const resultat_soleil_lune& r, const cases_soleil_lune& cases,
                              const champs_bloc_date& date, const champs_site& site);

// The two groups' blocks alone.
std::string bloc_soleil(const ephemeride_soleil& s);
std::string bloc_lune(const ephemeride_lune& l);

}  // namespace almanax
