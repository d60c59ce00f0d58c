#include "ihm/page_planetarium_geo.h"

namespace almanax::ihm {

PagePlanetariumGeo::PagePlanetariumGeo(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("plan_geo"), QStringLiteral("Plan. géocentrique"),
           QStringLiteral("11-planetarium-geocentrique"), parent) {}

}  // namespace almanax::ihm
