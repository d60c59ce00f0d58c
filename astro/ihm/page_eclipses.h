// The "Eclipses" page: the solar and lunar eclipses over a span of years.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PageEclipses : public Page {
  Q_OBJECT

 public:
  explicit PageEclipses(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
