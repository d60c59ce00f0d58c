#include "ihm/pages/page_impression.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "ihm/controles/controles.h"
#include "ihm/messages.h"

namespace almanax::ihm {

PageImpression::PageImpression(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("print_all"), QStringLiteral("Impression"), QStringLiteral("15-impression"),
           parent) {
  recp_ = new QPlainTextEdit(this);
  recp_->setObjectName(QStringLiteral("recp"));
  // The user reads, scrolls and selects the text but never changes it.
  recp_->setReadOnly(true);
  recp_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  recp_->setLineWrapMode(QPlainTextEdit::NoWrap);
  recp_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  recp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  poser_tabulation(*recp_, tabulation_rapports);

  btcp_erase_ = bouton("btcp_erase", QStringLiteral("&Efface"), this);
  bt_imprim_ = bouton("bt_imprim", QStringLiteral("&Impression"), this);

  auto* boutons = new QHBoxLayout;
  boutons->addStretch(1);
  boutons->addWidget(btcp_erase_);
  boutons->addWidget(bt_imprim_);
  auto* page = new QVBoxLayout(this);
  page->addWidget(recp_, 1);
  page->addLayout(boutons);

  connect(btcp_erase_, &QPushButton::clicked, this, &PageImpression::btcp_eraseClick);
  connect(bt_imprim_, &QPushButton::clicked, this, &PageImpression::bt_imprimClick);
}

void PageImpression::ajouter(const QString& rapport) {
  if (rapport.isEmpty()) return;
  texte_ += rapport;
  libelles_ = std::max(libelles_, largeur_libelles(rapport, recp_->font(), tabulation_rapports));
  poser_tabulation(*recp_, tabulation_rapports, libelles_);
  QTextCursor fin(recp_->document());
  fin.movePosition(QTextCursor::End);
  fin.insertText(rapport);  // CR LF and LF both start a new paragraph
  recp_->verticalScrollBar()->setValue(recp_->verticalScrollBar()->maximum());
}

void PageImpression::btcp_eraseClick() {
  texte_.clear();
  recp_->clear();
  libelles_ = 0;
  poser_tabulation(*recp_, tabulation_rapports);
}

void PageImpression::bt_imprimClick() {
  const issue_impression r = contexte_.dialogues().imprimer(this, texte_, QString::fromUtf8(titre_impression));
  if (!r.erreur.isEmpty()) contexte_.messages().erreur(r.erreur, QStringLiteral("Impression impossible"));
}

}  // namespace almanax::ihm
