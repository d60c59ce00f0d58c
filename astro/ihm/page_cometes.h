// The "Comètes" page: a comet's position from its orbital elements, and the comet catalogue.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PageCometes : public Page {
  Q_OBJECT

 public:
  explicit PageCometes(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
