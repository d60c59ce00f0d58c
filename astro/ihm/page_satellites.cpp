#include "ihm/page_satellites.h"

namespace almanax::ihm {

PageSatellites::PageSatellites(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("sat_jup"), QStringLiteral("Sat. joviens"), QStringLiteral("05-satellites-joviens"),
           parent) {}

}  // namespace almanax::ihm
