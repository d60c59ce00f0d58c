// The "Soleil, Lune" page: the Sun and the Moon for one date, clock time and site,
// every text of its two groups, and the report its "&Copie" button appends.
#pragma once

#include <string>
#include <string_view>

#include "calcul/lune.h"
#include "calcul/pages/dates.h"
#include "calcul/site.h"
#include "calcul/soleil.h"

namespace almanax {

struct resultat_soleil_lune {
  instant_saisi saisie;  // the page's date (historical year) and clock time
  long double jour_julien = 0;
  ephemeride_soleil soleil;  // the "Soleil" group
  ephemeride_lune lune;      // the "Lune" group, same instant
};

// Computes both groups; decimal numbers use the separator given (the locale's).
resultat_soleil_lune calcul_soleil_lune(const instant_saisi& instant, const site_courant& site,
                                        std::string_view separateur);

// The four check boxes of the copy, all checked by default.
struct cases_soleil_lune {
  bool date_heure = true;  // "Date et heure"
  bool lieu = true;        // "Lieu"
  bool soleil = true;      // "Soleil"
  bool lune = true;        // "Lune"
};

// The report appended by "&Copie": the checked blocks in page order, then one more
// CR LF (so nothing checked gives one empty line).
std::string copie_soleil_lune(const resultat_soleil_lune& r, const cases_soleil_lune& cases,
                              const champs_bloc_date& date, const champs_site& site);

// The two groups' blocks alone.
std::string bloc_soleil(const ephemeride_soleil& s);
std::string bloc_lune(const ephemeride_lune& l);

}  // namespace almanax
