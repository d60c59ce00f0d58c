// Building blocks of the plain-text reports that the pages copy to the collecting
// page and the command line prints: CR LF line ends, a tab between label and value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calcul/site.h"

namespace almanax {

inline constexpr std::string_view crlf = "\r\n";

// label + TAB + value + CR LF ("Lever " -> "Lever \t6 h 12 m\r\n").
std::string ligne_rapport(std::string_view label, std::string_view valeur);

// Clock time in the locale's long format: "21:04:05".
std::string texte_heure(int heure, int minute, int seconde);

// "Le 20 Décembre 1992 à 00:00:00" + CR LF. jour and annee are the edits' texts.
std::string bloc_date(std::string_view jour, long double mois, std::string_view annee, std::string_view heure);

// What the date block shows: the day and year edits' texts, the month spin's
// position and the clock text.
struct champs_bloc_date {
  std::string jour;
  long double mois = 1;
  std::string annee;
  std::string heure;
};

// "A Paris" TAB "48° 50' 24\" N, 2° 21' 00\" E" + CR LF + CR LF.
std::string bloc_site(const champs_site& s);

// A list view row: its caption and its sub-items.
struct ligne_liste {
  std::string libelle;
  std::vector<std::string> colonnes;
};

}  // namespace almanax
