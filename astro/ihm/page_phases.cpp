#include "ihm/page_phases.h"

namespace almanax::ihm {

PagePhases::PagePhases(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("phases_lune"), QStringLiteral("Phases de la Lune"),
           QStringLiteral("03-phases-lune"), parent) {}

}  // namespace almanax::ihm
