#include "ihm/boite_rapport.h"

#include <QScrollBar>
#include <QTextCursor>

namespace almanax::ihm {

BoiteRapport::BoiteRapport(const char* nom, int tabulation, QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QString::fromLatin1(nom));
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabStopDistance(tabulation);
}

void BoiteRapport::ajouter(const QString& bloc) {
  texte_ += bloc;
  QTextCursor fin(document());
  fin.movePosition(QTextCursor::End);
  fin.insertText(bloc);  // CR LF and LF both start a new paragraph
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void BoiteRapport::vider() {
  texte_.clear();
  clear();
}

}  // namespace almanax::ihm
