#include "ihm/page_perihelie.h"

namespace almanax::ihm {

PagePerihelie::PagePerihelie(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("periaphe"), QStringLiteral("Péri. et Aphélie"),
           QStringLiteral("09-perihelie-aphelie"), parent) {}

}  // namespace almanax::ihm
