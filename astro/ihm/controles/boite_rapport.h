// A result box of a page (the comets' and the precession's): read-only plain text that
// grows by whole blocks, cleared by the page's "&Efface". The widget keeps paragraphs,
// not line ends, so the text with its CR LF is held beside it for the copies.
#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace almanax::ihm {

class BoiteRapport : public QPlainTextEdit {
  Q_OBJECT

 public:
  // tabulation: the first tab stop, in points (moved right for a wider label).
  BoiteRapport(const char* nom, int tabulation, QWidget* parent = nullptr);

  // Appends a block at the end and shows it.
  void ajouter(const QString& bloc);
  void vider();
  const QString& texte() const { return texte_; }

 private:
  QString texte_;
  int tabulation_;
  qreal libelles_ = 0;  // the widest label shown, text units
};

}  // namespace almanax::ihm
