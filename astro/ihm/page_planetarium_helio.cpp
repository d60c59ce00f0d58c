#include "ihm/page_planetarium_helio.h"

namespace almanax::ihm {

PagePlanetariumHelio::PagePlanetariumHelio(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("plan_helio"), QStringLiteral("Plan. héliocentrique"),
           QStringLiteral("10-planetarium-heliocentrique"), parent) {}

}  // namespace almanax::ihm
