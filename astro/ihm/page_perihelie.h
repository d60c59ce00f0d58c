// The "Péri. et Aphélie" page: the perihelion and aphelion passages of the planets.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PagePerihelie : public Page {
  Q_OBJECT

 public:
  explicit PagePerihelie(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
