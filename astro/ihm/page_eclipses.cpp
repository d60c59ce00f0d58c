#include "ihm/page_eclipses.h"

namespace almanax::ihm {

PageEclipses::PageEclipses(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("eclipses"), QStringLiteral("Eclipses"), QStringLiteral("07-eclipses"), parent) {}

}  // namespace almanax::ihm
