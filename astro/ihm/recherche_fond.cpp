#include "ihm/recherche_fond.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "ihm/controles/annees_recherche.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

RechercheFond::RechercheFond(QWidget* page, QPushButton* ok)
    : QObject(page),
      ok_(ok),
      annulee_(std::make_shared<std::atomic<bool>>(false)),
      avance_(std::make_shared<std::atomic<int>>(0)) {
  barre_ = new QWidget(page);
  barre_->setObjectName(QStringLiteral("barre_recherche"));
  progression_ = new QProgressBar(barre_);
  progression_->setObjectName(QStringLiteral("progression"));
  progression_->setRange(0, 1000);
  progression_->setFormat(QStringLiteral("Recherche : %p %"));
  annuler_ = new QPushButton(QStringLiteral("Annuler"), barre_);
  annuler_->setObjectName(QStringLiteral("annuler_recherche"));
  annuler_->setToolTip(QStringLiteral("Arrête la recherche (Échap)"));
  auto* h = new QHBoxLayout(barre_);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(progression_, 1);
  h->addWidget(annuler_);
  // Hidden but keeping its place, so the page's layout does not jump when a search starts.
  QSizePolicy garde = barre_->sizePolicy();
  garde.setRetainSizeWhenHidden(true);
  barre_->setSizePolicy(garde);
  barre_->hide();

  minuterie_ = new QTimer(this);
  minuterie_->setInterval(50);
  connect(minuterie_, &QTimer::timeout, this, &RechercheFond::montrer_avance);
  connect(annuler_, &QPushButton::clicked, this, &RechercheFond::annuler);
  auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), page);
  echap->setContext(Qt::WidgetWithChildrenShortcut);
  connect(echap, &QShortcut::activated, this, &RechercheFond::annuler);
  // The window may be destroyed after the event loop: stop the thread before.
  if (auto* app = QCoreApplication::instance())
    connect(app, &QCoreApplication::aboutToQuit, this, &RechercheFond::annuler);
}

void RechercheFond::disposer(const disposition_recherche& d) {
  auto* saisie = new QGridLayout;
  d.annees->disposer(saisie, 0, d.legende_fin);
  auto* haut = new QHBoxLayout;
  haut->addLayout(saisie);
  haut->addSpacing(16);
  for (QWidget* c : d.choix) haut->addWidget(c);
  haut->addSpacing(16);
  if (ok_) haut->addWidget(ok_);
  haut->addSpacing(16);
  haut->addWidget(barre_, 1);
  auto* bas = new QHBoxLayout;
  if (d.mention) bas->addWidget(d.mention);
  bas->addStretch(1);
  bas->addWidget(d.efface);
  bas->addWidget(d.copie);
  if (d.exporter) bas->addWidget(d.exporter);
  auto* page = new QVBoxLayout(qobject_cast<QWidget*>(parent()));
  page->addLayout(haut);
  if (d.sous_les_annees) page->addLayout(d.sous_les_annees);
  page->addWidget(d.resultats, 1);
  page->addLayout(bas);

  // Tab in reading order: the pages build their compute button before the choices
  // that stand left of it.
  std::vector<QWidget*> ordre{d.annees->debut(), d.annees->fin()};
  for (QWidget* c : d.choix) {
    if (c->focusPolicy() & Qt::TabFocus) ordre.push_back(c);
    for (QWidget* w : c->findChildren<QWidget*>())
      if (w->focusPolicy() & Qt::TabFocus) ordre.push_back(w);
  }
  if (ok_) ordre.push_back(ok_);
  if (d.sous_les_annees)
    for (int i = 0; i < d.sous_les_annees->count(); ++i)
      if (QWidget* w = d.sous_les_annees->itemAt(i)->widget()) ordre.push_back(w);
  for (QWidget* w : {d.resultats, static_cast<QWidget*>(d.efface), static_cast<QWidget*>(d.copie)}) ordre.push_back(w);
  if (d.exporter) ordre.push_back(d.exporter);
  for (std::size_t i = 1; i < ordre.size(); ++i) QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

RechercheFond::~RechercheFond() {
  // The page's widgets may be gone already: only the thread is stopped and joined.
  if (!fil_) return;
  annulee_->store(true);
  fil_->wait();
  delete fil_;
}

void RechercheFond::demarrer(std::function<void(const suivi_recherche&)> travail, std::function<void()> fin) {
  annuler();
  // Each search has its own flags: a worker left from a cancelled one never sees the next.
  annulee_ = std::make_shared<std::atomic<bool>>(false);
  avance_ = std::make_shared<std::atomic<int>>(0);
  fin_ = std::move(fin);
  const unsigned generation = ++generation_;
  fil_ = QThread::create([travail = std::move(travail), annulee = annulee_, avance = avance_] {
    suivi_recherche suivi;
    suivi.avancer = [&annulee, &avance](double fraction) {
      avance->store(static_cast<int>(fraction * 1000));
      return !annulee->load();
    };
    travail(suivi);
  });
  connect(fil_, &QThread::finished, this, [this, generation] { terminer(generation); });
  progression_->setValue(0);
  barre_->show();
  if (ok_) ok_->setEnabled(false);
  minuterie_->start();
  emit demarree();
  fil_->start();
}

void RechercheFond::terminer(unsigned generation) {
  if (generation != generation_ || !fil_) return;
  const bool annulee = annulee_->load();
  std::function<void()> fin = std::move(fin_);
  liberer();
  if (!annulee && fin) fin();
  emit arretee();
}

void RechercheFond::annuler() {
  if (!fil_) return;
  annulee_->store(true);
  ++generation_;  // the finished signal already queued, if any, is ignored
  fil_->wait();
  fin_ = nullptr;
  liberer();
  emit arretee();
}

void RechercheFond::liberer() {
  fil_->wait();
  delete fil_;
  fil_ = nullptr;
  minuterie_->stop();
  barre_->hide();
  if (ok_) ok_->setEnabled(true);
}

void RechercheFond::montrer_avance() {
  progression_->setValue(avance_->load());
}

}  // namespace almanax::ihm
