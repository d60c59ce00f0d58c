#include "calcul/pages/instant_civil.h"

#include <cmath>

namespace almanax {

instant_lu lire_instant(const instant_saisi& instant, const echelle_temps& echelle) {
  instant_lu i;
  i.jour_julien_saisi = jour_julien_saisi(instant);
  i.jde = echelle.vers_tt(i.jour_julien_saisi);
  if (const fuseau_horaire* f = echelle.fuseau()) {
    // The offset the clock time was read with: in the hour the clocks skip, the one in
    // force before (2 h 30 that night in Paris is said UTC+1, as it was computed).
    const long double tu = tu_de_civil(i.jour_julien_saisi, *f);
    i.mention = mention_heure_legale(static_cast<int>(std::llround((i.jour_julien_saisi - tu) * 86400.0L)));
  }
  return i;
}

std::string entre_parentheses(std::string_view mention) {
  if (mention.empty()) return {};
  return " (" + std::string(mention) + ")";
}

std::string bloc_date_mention(const champs_bloc_date& date, std::string_view mention, bool date_copiee,
                              bool heures_copiees) {
  if (!date_copiee) {
    if (mention.empty() || !heures_copiees) return {};
    return "Heures : " + std::string(mention) + std::string(crlf);
  }
  std::string b = bloc_date(date.jour, date.mois, date.annee, date.heure);
  b.insert(b.size() - crlf.size(), entre_parentheses(mention));
  return b;
}

}  // namespace almanax
