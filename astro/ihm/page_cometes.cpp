#include "ihm/page_cometes.h"

namespace almanax::ihm {

PageCometes::PageCometes(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("tcomete"), QStringLiteral("Comètes"), QStringLiteral("12-cometes"), parent) {}

}  // namespace almanax::ihm
