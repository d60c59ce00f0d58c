#include "ihm/page_equation_temps.h"

namespace almanax::ihm {

PageEquationTemps::PageEquationTemps(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("equation_du_temps"), QStringLiteral("Equa. Temps"),
           QStringLiteral("06-equation-du-temps"), parent) {}

}  // namespace almanax::ihm
