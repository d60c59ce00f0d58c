// The help window: the program's help pages (HTML shipped in the resources) shown in
// a browser with the usual moves (contents, back, forward, index).
#pragma once

#include <QWidget>

class QTextBrowser;

namespace almanax::ihm {

inline constexpr const char* fichier_aide = "Almanax2.HLP";
inline constexpr const char* fichier_index = "index.HLP";

class FenetreAide : public QWidget {
  Q_OBJECT

 public:
  explicit FenetreAide(QWidget* parent = nullptr);

  // Shows the help file (fichier_aide or fichier_index) at its contents.
  void ouvrir(const QString& fichier);
  QTextBrowser* navigateur() const { return texte_; }

 private:
  QTextBrowser* texte_;
};

}  // namespace almanax::ihm
