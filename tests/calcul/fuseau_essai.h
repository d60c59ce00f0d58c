// A zone for the tests of civil time, independent of the system's database: Central
// European time with the 2026 summer time, UTC+2 from 29 March to 25 October, the
// changes at 1 h UT.
#pragma once

#include <string>

#include "calcul/temps_civil.h"

namespace almanax::essais {

class fuseau_europe_2026 final : public fuseau_horaire {
 public:
  int decalage_s(long double jd_tu) const override { return jd_tu >= debut_ete && jd_tu < fin_ete ? 7200 : 3600; }
  std::string nom() const override { return "Europe/Essai"; }
  static constexpr long double debut_ete = 2461128.5L + 1.0L / 24;  // 29 March 2026, 1 h UT
  static constexpr long double fin_ete = 2461338.5L + 1.0L / 24;    // 25 October 2026, 1 h UT
};

}  // namespace almanax::essais
