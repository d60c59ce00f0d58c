// A typed date and time, as the pages' fields give them, for the computation tests.
#pragma once

#include "calcul/pages/dates.h"

namespace almanax::essais {

inline instant_saisi instant(int jour, int mois, int annee, int heure = 0, int minute = 0, int seconde = 0) {
  instant_saisi i;
  i.date = {jour, mois, annee};
  i.heure = heure;
  i.minute = minute;
  i.seconde = seconde;
  return i;
}

}  // namespace almanax::essais
