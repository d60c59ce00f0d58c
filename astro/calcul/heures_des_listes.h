// The event lists in civil time: the instants on the zone's clock, and what a list says
// about that clock. A list names it once, from its first row ("heure légale, UTC+1");
// a row whose offset differs from the previous row's gives its own ("(UTC+2)") after
// its time, so that a change of summer time within the list shows where it happens.
// As they stand, nothing is said and every instant is shown as computed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/temps_civil.h"

namespace almanax {

// The instant (TT) as the lists show it, on the zone's clock in civil time and as
// computed otherwise, with the zone's offset there (0 as they stand). The zone is read
// once: the whole span of a search makes hundreds of thousands of rows.
struct instant_affiche {
  valeurs_evenement date;
  int decalage = 0;  // seconds
};
instant_affiche afficher_instant(long double jde, const echelle_temps& echelle);

// The offset's own text after a row's time, "(UTC+2)"; empty for the first row and for a
// row with the previous row's offset.
std::string marque_decalage(std::optional<int> precedent, int decalage);

// A row's time followed by its mark, if any: "03 h 12 m 00 s (UTC+2)".
std::string avec_marque(std::string texte, std::string_view marque);

// The title of a list's copy followed by the list's clock: "Eclipses " and
// "heure légale, UTC+1" give "Eclipses (heure légale, UTC+1)". Unchanged without a mention.
std::string titre_avec_mention(std::string_view titre, std::string_view mention);

// The rows of a list, one after the other, in civil time.
class suite_decalages {
 public:
  explicit suite_decalages(bool legale) : legale_(legale) {}

  // The next row, with its offset: its mark (see marque_decalage); always empty as they stand.
  std::string marque(int decalage);
  // "heure légale, UTC+1" from the first row; empty before any row or as they stand.
  std::string mention() const;

 private:
  bool legale_;
  bool une_ligne_ = false;
  int premier_ = 0, precedent_ = 0;
};

// The marks of rows with these offsets, in order, and the list's mention; all empty when
// `decalages` is (times as they stand).
struct marques_liste {
  std::string mention;
  std::vector<std::string> marques;
};
marques_liste marquer_decalages(const std::vector<int>& decalages);

}  // namespace almanax
