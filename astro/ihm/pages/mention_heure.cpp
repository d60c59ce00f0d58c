#include "ihm/pages/mention_heure.h"

#include <QLabel>

namespace almanax::ihm {

QLabel* etiquette_mention(QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(QStringLiteral("mention_heure"));
  l->setVisible(false);
  return l;
}

void montrer_mention(QLabel* etiquette, const std::string& mention) {
  etiquette->setText(QString::fromStdString(mention));
  etiquette->setVisible(!mention.empty());
}

}  // namespace almanax::ihm
