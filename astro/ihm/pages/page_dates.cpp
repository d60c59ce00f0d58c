#include "ihm/pages/page_dates.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextOption>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "ihm/controles/controles.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"

namespace almanax::ihm {

namespace {

QLabel* etiquette_nommee(const char* nom, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(nom));
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

// The labels of the four instants: their tab jumps to one stop past the longest day
// and month, so the years line up (a label's own stops come every 80 pixels).
class EtiquetteTabulee : public QLabel {
 public:
  explicit EtiquetteTabulee(QWidget* parent) : QLabel(parent) {
    tabulation_ = fontMetrics().horizontalAdvance(QStringLiteral(": 00 Septembre    "));
  }
  QSize sizeHint() const override {
    return fontMetrics().size(Qt::TextSingleLine | Qt::TextExpandTabs, text(), tabulation_) + QSize(2, 2);
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* /*e*/) override {
    QPainter peintre(this);
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabulation_);
    peintre.setPen(palette().color(foregroundRole()));
    peintre.drawText(QRectF(contentsRect()), text(), option);
  }

 private:
  int tabulation_ = 0;
};

}  // namespace

PageDates::PageDates(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("tdates"), QStringLiteral("Dates"), QStringLiteral("14-dates"), parent),
      date1_({"edj", "udj", "edm", "udm", "eda", "uda"}, {29, 12, 1997}, true, this),
      date2_({"edj1", "udj1", "edm1", "udm1", "eda1", "uda1"}, {29, 12, 1997}, true, this) {
  // ---- The two dates -------------------------------------------------------------------
  dh_ = selecteur_heure("dh", this);
  dh1_ = selecteur_heure("dh1", this);
  lnomjour_ = etiquette_nommee("lnomjour", this);
  lnumjour_ = etiquette_nommee("lnumjour", this);
  lnomjour2_ = etiquette_nommee("lnomjour2", this);
  lnumjour2_ = etiquette_nommee("lnumjour2", this);
  auto groupe_date = [this](const char* nom, const QString& titre, ChampsDate& date, QTimeEdit* heure, QLabel* nom_jour,
                            QLabel* rang) {
    for (EditionSpin* s : {date.jour(), date.mois()}) s->edition()->setMaxLength(2);
    auto* g = groupe(nom, titre, this);
    auto* grille = new QGridLayout(g);
    grille->setVerticalSpacing(4);
    date.disposer(grille, 0, heure);
    grille->addWidget(nom_jour, 1, 0, 1, 8);
    grille->addWidget(rang, 2, 0, 1, 8);
    return g;
  };
  auto* g_date1 = groupe_date("gr_date1", QStringLiteral("Première date"), date1_, dh_, lnomjour_, lnumjour_);
  auto* g_date2 = groupe_date("gr_date2", QStringLiteral("Seconde date"), date2_, dh1_, lnomjour2_, lnumjour2_);

  b_date_ = bouton("b_date", QStringLiteral("&OK"), this);
  BitBtn10_ = bouton("BitBtn10", QStringLiteral("Maintenant"), this);
  lbinter_ = etiquette_nommee("lbinter", this);

  // ---- "Équinoxes et solstices" --------------------------------------------------------
  auto* g_sols = groupe("gr_sols", QStringLiteral("Équinoxes et solstices"), this);
  an_sols_ = new EditionSpin(QStringLiteral("an_sols"), QStringLiteral("upsols"), -1000, 3000, g_sols);
  an_sols_->setPosition(1998);
  an_sols_->setBorneEnSortie(true);
  FiltreTouches::installer(an_sols_, filtre::annee);
  expliquer_annee(an_sols_, numerotation_annees::historique);
  {
    auto* grille = new QGridLayout(g_sols);
    grille->setVerticalSpacing(4);
    grille->setColumnStretch(1, 1);
    auto* l = new QLabel(QStringLiteral("Année :"), g_sols);
    l->setBuddy(an_sols_);
    grille->addWidget(l, 0, 0);
    grille->addWidget(an_sols_, 0, 1, Qt::AlignLeft);
    const std::pair<QLabel**, std::pair<const char*, const char*>> lignes[] = {
        {&lprin_, {"lprin", "Printemps"}}, {&lete_, {"lete", "Été"}},          {&lautom_, {"lautom", "Automne"}},
        {&lhiver_, {"lhiver", "Hiver"}},   {&lpaques_, {"lpaques", "Pâques"}}, {&lbissex_, {"lbissex", "Bissextile"}},
    };
    int rang = 1;
    for (const auto& [etiquette, textes] : lignes) {
      if (rang <= 4) {
        *etiquette = new EtiquetteTabulee(g_sols);
        (*etiquette)->setObjectName(QString::fromLatin1(textes.first));
      } else {
        *etiquette = etiquette_nommee(textes.first, g_sols);
      }
      grille->addWidget(new QLabel(QString::fromUtf8(textes.second), g_sols), rang, 0);
      grille->addWidget(*etiquette, rang++, 1);
    }
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(b_date_);
    boutons->addWidget(BitBtn10_);
    boutons->addStretch(1);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(g_date1);
    gauche->addWidget(g_date2);
    gauche->addLayout(boutons);
    gauche->addWidget(lbinter_);
    gauche->addStretch(1);
    auto* droite = new QVBoxLayout;
    droite->addWidget(g_sols);
    droite->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addLayout(gauche, 3);
    page->addLayout(droite, 2);
  }
  // Each date with its time, as shown (the times are built after both dates).
  ordre_tabulation(
      {date1_.jour(), date1_.mois(), date1_.an(), dh_, date2_.jour(), date2_.mois(), date2_.an(), dh1_, b_date_});

  // ---- Handlers ------------------------------------------------------------------------
  for (EditionSpin* s : {date1_.jour(), date1_.mois(), date1_.an()}) {
    connect(s, &EditionSpin::clic, this, &PageDates::udaClick);
    connect(s, &EditionSpin::quitte, this, &PageDates::edjExit);
  }
  for (EditionSpin* s : {date2_.jour(), date2_.mois(), date2_.an()}) {
    connect(s, &EditionSpin::clic, this, &PageDates::udj1Click);
    connect(s, &EditionSpin::quitte, this, &PageDates::edj1Exit);
  }
  connect(an_sols_, &EditionSpin::clic, this, &PageDates::upsolsClick);
  connect(an_sols_, &EditionSpin::texteInvalide, this, &PageDates::an_solsInvalide);
  for (QTimeEdit* h : {dh_, dh1_}) connect(h, &QTimeEdit::editingFinished, this, &PageDates::b_dateClick);
  connect(b_date_, &QPushButton::clicked, this, &PageDates::b_dateClick);
  connect(BitBtn10_, &QPushButton::clicked, this, &PageDates::BitBtn10Click);
}

QWidget* PageDates::bouton_calcul() const {
  return b_date_;
}

void PageDates::poser_date_de_demarrage(const date_jma& date) {
  date1_.poser(date);
  date2_.poser({date.jour + 1, date.mois, date.annee});
  an_sols_->setPosition(date.annee);
}

void PageDates::poser_heure_de_demarrage(const QTime& heure) {
  dh_->setTime(heure);
  dh1_->setTime(heure);
}

void PageDates::b_dateClick() {
  const instant_saisi premier = date1_.instant_a_calculer(dh_);
  const instant_saisi second = date2_.instant_a_calculer(dh1_);
  // There is no year 0: a typed 0 is computed, and shown, as the year 1.
  int annee = an_sols_->position();
  if (annee == 0) annee = 1;
  if (an_sols_->edition()->text() != QString::number(annee)) an_sols_->setPosition(annee);
  resultat_ = calculer_dates(premier, second, annee);

  const resultat_dates& r = resultat_;
  const std::pair<QLabel*, const std::string*> textes[] = {
      {lnomjour_, &r.date1.texte_nom},   {lnumjour_, &r.date1.texte_rang}, {lnomjour2_, &r.date2.texte_nom},
      {lnumjour2_, &r.date2.texte_rang}, {lbinter_, &r.texte_intervalle},  {lprin_, &r.saisons[0].texte},
      {lete_, &r.saisons[1].texte},      {lautom_, &r.saisons[2].texte},   {lhiver_, &r.saisons[3].texte},
      {lpaques_, &r.texte_paques},       {lbissex_, &r.texte_bissextile},
  };
  for (const auto& [etiquette, texte] : textes) etiquette->setText(QString::fromStdString(*texte));
}

void PageDates::udaClick(sens_pas sens) {
  date1_.normaliser(sens);
  b_dateClick();
}

void PageDates::udj1Click(sens_pas sens) {
  date2_.normaliser(sens);
  b_dateClick();
}

void PageDates::edjExit() {
  date1_.verifier_jour(contexte_.verifications());
}

void PageDates::edj1Exit() {
  date2_.verifier_jour(contexte_.verifications());
}

void PageDates::upsolsClick(sens_pas sens) {
  if (an_sols_->position() == 0) an_sols_->setPosition(sens == sens_pas::avant ? 1 : -1);
}

void PageDates::an_solsInvalide(const QString& texte) {
  signaler_entier_invalide(an_sols_, texte, contexte_.messages());
}

void PageDates::BitBtn10Click() {
  maintenant(dh_, false);
}

}  // namespace almanax::ihm
