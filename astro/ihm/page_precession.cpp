#include "ihm/page_precession.h"

namespace almanax::ihm {

PagePrecession::PagePrecession(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("prec_equi"), QStringLiteral("Préc. des Equinoxes"),
           QStringLiteral("13-precession"), parent) {}

}  // namespace almanax::ihm
