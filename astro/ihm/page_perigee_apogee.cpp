#include "ihm/page_perigee_apogee.h"

namespace almanax::ihm {

PagePerigeeApogee::PagePerigeeApogee(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("peri_apog"), QStringLiteral("Péri. et Apogée"),
           QStringLiteral("04-perigee-apogee"), parent) {}

}  // namespace almanax::ihm
