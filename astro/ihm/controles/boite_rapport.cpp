#include "ihm/controles/boite_rapport.h"

#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

#include "ihm/messages.h"

namespace almanax::ihm {

BoiteRapport::BoiteRapport(const char* nom, int tabulation, QWidget* parent)
    : QPlainTextEdit(parent), tabulation_(tabulation) {
  setObjectName(QString::fromLatin1(nom));
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  poser_tabulation(*this, tabulation);
}

void BoiteRapport::ajouter(const QString& bloc) {
  texte_ += bloc;
  libelles_ = std::max(libelles_, largeur_libelles(bloc, font(), tabulation_));
  poser_tabulation(*this, tabulation_, libelles_);
  QTextCursor fin(document());
  fin.movePosition(QTextCursor::End);
  fin.insertText(bloc);  // CR LF and LF both start a new paragraph
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void BoiteRapport::vider() {
  texte_.clear();
  clear();
  libelles_ = 0;
  poser_tabulation(*this, tabulation_);
}

}  // namespace almanax::ihm
