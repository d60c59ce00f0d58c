#include "ihm/aide.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace almanax::ihm {

namespace {
QUrl adresse(const QString& fichier) {
  return QUrl(QStringLiteral("qrc:/aide/") + fichier);
}
}  // namespace

FenetreAide::FenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("aide"));
  setWindowTitle(QStringLiteral("Aide d'Almanax"));
  resize(720, 620);
  texte_ = new QTextBrowser(this);
  texte_->setObjectName(QStringLiteral("texte_aide"));
  texte_->setOpenExternalLinks(false);

  auto* barre = new QToolBar(this);
  QAction* sommaire =
      barre->addAction(QStringLiteral("Sommaire"), this, [this] { ouvrir(QString::fromLatin1(fichier_aide)); });
  QAction* index =
      barre->addAction(QStringLiteral("Index"), this, [this] { ouvrir(QString::fromLatin1(fichier_index)); });
  barre->addSeparator();
  QAction* precedent = barre->addAction(QStringLiteral("Précédent"), texte_, &QTextBrowser::backward);
  QAction* suivant = barre->addAction(QStringLiteral("Suivant"), texte_, &QTextBrowser::forward);
  QAction* fermer = barre->addAction(QStringLiteral("Fermer"), this, &QWidget::close);
  sommaire->setObjectName(QStringLiteral("aide_sommaire"));
  index->setObjectName(QStringLiteral("aide_index"));
  precedent->setEnabled(false);
  suivant->setEnabled(false);
  fermer->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(texte_, &QTextBrowser::backwardAvailable, precedent, &QAction::setEnabled);
  connect(texte_, &QTextBrowser::forwardAvailable, suivant, &QAction::setEnabled);

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  v->addWidget(barre);
  v->addWidget(texte_);
}

void FenetreAide::ouvrir(const QString& fichier) {
  // The help files are HTML whatever their extension.
  texte_->setSource(adresse(fichier), QTextDocument::HtmlResource);
  texte_->verticalScrollBar()->setValue(0);
  show();
  raise();
  activateWindow();
}

}  // namespace almanax::ihm
