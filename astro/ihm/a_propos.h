// The about box: the program's icon, its name and version, its licence, a link to the
// help and an OK button.
#pragma once

#include <QDialog>

namespace almanax::ihm {

class APropos : public QDialog {
  Q_OBJECT

 public:
  explicit APropos(QWidget* parent = nullptr);

 signals:
  // The link to the help was followed.
  void aideDemandee();
};

// The application's identifier: the desktop entry's name (the Wayland app id), the
// icon's name in the icon theme, the AppStream id.
inline constexpr const char* identifiant_application = "fr.quillory.Almanax";

// The program's icon: the installed one from the icon theme, else the bundled one.
QIcon icone_almanax();

}  // namespace almanax::ihm
