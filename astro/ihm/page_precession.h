// The "Préc. des Equinoxes" page: equatorial coordinates carried from one equinox to another.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PagePrecession : public Page {
  Q_OBJECT

 public:
  explicit PagePrecession(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
