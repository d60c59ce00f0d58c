// The "Phases de la Lune" page: six months of Moon phases.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PagePhases : public Page {
  Q_OBJECT

 public:
  explicit PagePhases(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
