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
  boite_ = new QPlainTextEdit(this);
  boite_->setObjectName(QStringLiteral("recp"));
  // The user reads, scrolls and selects the text but never changes it.
  boite_->setReadOnly(true);
  boite_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  boite_->setLineWrapMode(QPlainTextEdit::NoWrap);
  boite_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  boite_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  poser_tabulation(*boite_, tabulation_rapports);

  bouton_effacer_ = bouton("btcp_erase", QStringLiteral("&Efface"), this);
  bouton_imprimer_ = bouton("bt_imprim", QStringLiteral("&Impression"), this);

  auto* boutons = new QHBoxLayout;
  boutons->addStretch(1);
  boutons->addWidget(bouton_effacer_);
  boutons->addWidget(bouton_imprimer_);
  auto* page = new QVBoxLayout(this);
  page->addWidget(boite_, 1);
  page->addLayout(boutons);

  connect(bouton_effacer_, &QPushButton::clicked, this, &PageImpression::effacer);
  connect(bouton_imprimer_, &QPushButton::clicked, this, &PageImpression::imprimer);
}

void PageImpression::ajouter(const QString& rapport) {
  if (rapport.isEmpty()) return;
  texte_ += rapport;
  libelles_ = std::max(libelles_, largeur_libelles(rapport, boite_->font(), tabulation_rapports));
  poser_tabulation(*boite_, tabulation_rapports, libelles_);
  QTextCursor fin(boite_->document());
  fin.movePosition(QTextCursor::End);
  fin.insertText(rapport);  // CR LF and LF both start a new paragraph
  boite_->verticalScrollBar()->setValue(boite_->verticalScrollBar()->maximum());
}

void PageImpression::effacer() {
  texte_.clear();
  boite_->clear();
  libelles_ = 0;
  poser_tabulation(*boite_, tabulation_rapports);
}

void PageImpression::imprimer() {
  const issue_impression r = contexte_.dialogues().imprimer(this, texte_, QString::fromUtf8(titre_impression));
  if (!r.erreur.isEmpty()) contexte_.messages().erreur(r.erreur, QStringLiteral("Impression impossible"));
}

}  // namespace almanax::ihm
