// The "Dates" page: weekdays, intervals between dates, equinoxes, solstices, Easter and leap years.
#pragma once

#include "ihm/page.h"

namespace almanax::ihm {

class PageDates : public Page {
  Q_OBJECT

 public:
  explicit PageDates(Contexte& contexte, QWidget* parent = nullptr);
};

}  // namespace almanax::ihm
