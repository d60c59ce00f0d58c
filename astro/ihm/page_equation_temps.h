// The "Equa. Temps" page: the equation of time for a date and its yearly curve.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PageEquationTemps : public Page {
  Q_OBJECT

 public:
  explicit PageEquationTemps(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
