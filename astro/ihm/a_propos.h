// The about box: the program's icon, its name and version, and an OK button.
#pragma once

#include <QDialog>

namespace almanax::ihm {

class APropos : public QDialog {
  Q_OBJECT

 public:
  explicit APropos(QWidget* parent = nullptr);
};

// The program's icon, from the resources.
QIcon icone_almanax();

}  // namespace almanax::ihm
