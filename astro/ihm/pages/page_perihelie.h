// The "Péri. et Aphélie" page: the passages of the planets through perihelion and
// aphelion over a span of years, with the distance to the Sun. The search is
// perihelies_aphelies.
#pragma once

#include "ihm/pages/page_recherche_planetes.h"

namespace almanax::ihm {

class PagePerihelie : public PageRecherchePlanetes {
  Q_OBJECT

 public:
  explicit PagePerihelie(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
