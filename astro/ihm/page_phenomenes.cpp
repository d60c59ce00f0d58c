#include "ihm/page_phenomenes.h"

namespace almanax::ihm {

PagePhenomenes::PagePhenomenes(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("phepla"), QStringLiteral("Phénomènes Planétaires"),
           QStringLiteral("08-phenomenes-planetaires"), parent) {}

}  // namespace almanax::ihm
