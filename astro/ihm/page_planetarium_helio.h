// The "Plan. héliocentrique" page: the map of the planets around the Sun, with stepping and animation.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PagePlanetariumHelio : public Page {
  Q_OBJECT

 public:
  explicit PagePlanetariumHelio(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
