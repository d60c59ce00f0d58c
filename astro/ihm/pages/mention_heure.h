// The label of an instant page that says its times are the zone's clock ("heure légale,
// UTC+2"), the text its result holds. Hidden as times stand, so the page looks as it
// always has.
#pragma once

#include <string>

class QLabel;
class QWidget;

namespace almanax::ihm {

// Named "mention_heure".
QLabel* etiquette_mention(QWidget* parent);
void montrer_mention(QLabel* etiquette, const std::string& mention);

}  // namespace almanax::ihm
