// The "Phénomènes Planétaires" page: the conjunctions and oppositions of the planets over a span of years.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PagePhenomenes : public Page {
  Q_OBJECT

 public:
  explicit PagePhenomenes(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
