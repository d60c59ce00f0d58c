// The "Phénomènes Planétaires" page: conjunctions and oppositions of the planets over a
// span of years. The search is phenomenes_planetaires.
#pragma once

#include "ihm/pages/page_recherche_planetes.h"

namespace almanax::ihm {

class PagePhenomenes : public PageRecherchePlanetes {
  Q_OBJECT

 public:
  explicit PagePhenomenes(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
