// The "Sat. joviens" page: the positions and monthly chart of Jupiter's four great satellites.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PageSatellites : public Page {
  Q_OBJECT

 public:
  explicit PageSatellites(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
