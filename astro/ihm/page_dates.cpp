#include "ihm/page_dates.h"

namespace almanax::ihm {

PageDates::PageDates(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("tdates"), QStringLiteral("Dates"), QStringLiteral("14-dates"), parent) {}

}  // namespace almanax::ihm
