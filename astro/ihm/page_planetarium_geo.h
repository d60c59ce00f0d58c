// The "Plan. géocentrique" page: the Sun, the Moon and the planets along the ecliptic as seen from the Earth.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PagePlanetariumGeo : public Page {
  Q_OBJECT

 public:
  explicit PagePlanetariumGeo(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
