// The "Impression" page: the collecting area recp, where every page's "&Copie"
// appends its report, cleared by "&Efface" and printed by "&Impression" as one
// document titled "Données astronomiques".
#pragma once

#include <QString>

#include "ihm/pages/page.h"

class QPlainTextEdit;
class QPushButton;

namespace almanax::ihm {

inline constexpr const char* titre_impression = "Données astronomiques";

class PageImpression : public Page {
  Q_OBJECT

 public:
  explicit PageImpression(Contexte& contexte, QWidget* parent = nullptr);

  // Appends a report at the end of the area, as it stands (no separator added).
  void ajouter(const QString& rapport);
  // The whole text, with its CR LF line ends and tabs.
  const QString& texte() const { return texte_; }

 public slots:
  void effacer() override;
  void imprimer();

 private:
  QPlainTextEdit* boite_ = nullptr;
  QPushButton* bouton_effacer_ = nullptr;
  QPushButton* bouton_imprimer_ = nullptr;
  // The widget keeps paragraphs, not line ends: the text itself is held here.
  QString texte_;
  qreal libelles_ = 0;  // the widest label shown, text units
};

}  // namespace almanax::ihm
