// The events of the search pages as an iCalendar file (RFC 5545), for the user's
// calendar: one VEVENT per event, its start in UTC (TT - ΔT), a stable UID so that a
// second import of the same span updates the events instead of doubling them.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace almanax {

struct evenement_calendrier {
  // Stable identity: the kind, the body and the event's number (its lunation k, its
  // passage k) or its year; the writer adds the program's domain.
  std::string uid;
  std::string resume;         // SUMMARY, as the page names the event: "Pleine Lune"
  std::string description;    // DESCRIPTION: the page's text for it (line ends kept)
  std::string categorie;      // CATEGORIES: the page's kind of event ("Phases de la Lune")
  long double jde_debut = 0;  // TT
  long double jde_fin = 0;    // TT; the same as jde_debut for an instant
  // An all-day event (Easter): its Gregorian date, year, month, day; jde_* unused.
  struct jour {
    long long annee = 0;
    int mois = 1, jour = 1;
  };
  std::optional<jour> jour_entier;
};

// A calendar that cannot be written: an event outside the years calendar programs take.
class erreur_calendrier : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The years a calendar file holds: the Gregorian DATE-TIME of RFC 5545, 1583 to 9999.
inline constexpr long long premiere_annee_calendrier = 1583;
inline constexpr long long derniere_annee_calendrier = 9999;

// The whole file: CR LF line ends, lines folded at 75 octets (never inside a UTF-8
// character), text values escaped. dtstamp: the moment of the export, seconds since
// 1970-01-01T00:00:00Z. Throws erreur_calendrier (French message naming the event)
// when an event falls outside 1583 ... 9999: nothing is written rather than a wrong date.
std::string calendrier_ics(const std::vector<evenement_calendrier>& evenements, long long dtstamp);

// RFC 5545 TEXT escaping: backslash, semicolon, comma, and line ends as \n.
std::string echapper_texte_ics(std::string_view texte);
// A content line folded at 75 octets, CR LF after each piece.
std::string plier_ligne_ics(std::string_view ligne);

}  // namespace almanax
