// The "Péri. et Apogée" page: the Moon's perigees and apogees over a span of years.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PagePerigeeApogee : public Page {
  Q_OBJECT

 public:
  explicit PagePerigeeApogee(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
