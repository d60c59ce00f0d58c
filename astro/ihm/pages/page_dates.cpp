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

#include "calcul/pages/calendrier_evenements.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/messages.h"

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
  heure1_ = selecteur_heure("dh", this);
  heure2_ = selecteur_heure("dh1", this);
  nom_jour1_ = etiquette_nommee("lnomjour", this);
  rang_jour1_ = etiquette_nommee("lnumjour", this);
  nom_jour2_ = etiquette_nommee("lnomjour2", this);
  rang_jour2_ = etiquette_nommee("lnumjour2", this);
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
  auto* g_date1 = groupe_date("gr_date1", QStringLiteral("Première date"), date1_, heure1_, nom_jour1_, rang_jour1_);
  auto* g_date2 = groupe_date("gr_date2", QStringLiteral("Seconde date"), date2_, heure2_, nom_jour2_, rang_jour2_);

  bouton_calcul_ = bouton("b_date", QStringLiteral("&OK"), this);
  bouton_maintenant_ = bouton("BitBtn10", QStringLiteral("Maintenant"), this);
  intervalle_ = etiquette_nommee("lbinter", this);

  // ---- "Équinoxes et solstices" --------------------------------------------------------
  auto* g_sols = groupe("gr_sols", QStringLiteral("Équinoxes et solstices"), this);
  annee_saisons_ = new EditionSpin(QStringLiteral("an_sols"), QStringLiteral("upsols"), -1000, 3000, g_sols);
  annee_saisons_->setPosition(1998);
  annee_saisons_->setBorneEnSortie(true);
  FiltreTouches::installer(annee_saisons_, filtre::annee);
  expliquer_annee(annee_saisons_, numerotation_annees::historique);
  {
    auto* grille = new QGridLayout(g_sols);
    grille->setVerticalSpacing(4);
    grille->setColumnStretch(1, 1);
    auto* l = new QLabel(QStringLiteral("Année :"), g_sols);
    l->setBuddy(annee_saisons_);
    grille->addWidget(l, 0, 0);
    grille->addWidget(annee_saisons_, 0, 1, Qt::AlignLeft);
    const std::pair<QLabel**, std::pair<const char*, const char*>> lignes[] = {
        {&printemps_, {"lprin", "Printemps"}}, {&ete_, {"lete", "Été"}},
        {&automne_, {"lautom", "Automne"}},    {&hiver_, {"lhiver", "Hiver"}},
        {&paques_, {"lpaques", "Pâques"}},     {&bissextile_, {"lbissex", "Bissextile"}},
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
    bouton_exporter_ = bouton_exporter(
        "export_dates", QStringLiteral("Enregistre les équinoxes, les solstices et Pâques de l'année affichée"),
        g_sols);
    grille->addWidget(bouton_exporter_, rang, 0, 1, 2, Qt::AlignRight);
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bouton_calcul_);
    boutons->addWidget(bouton_maintenant_);
    boutons->addStretch(1);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(g_date1);
    gauche->addWidget(g_date2);
    gauche->addLayout(boutons);
    gauche->addWidget(intervalle_);
    gauche->addStretch(1);
    auto* droite = new QVBoxLayout;
    droite->addWidget(g_sols);
    droite->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addLayout(gauche, 3);
    page->addLayout(droite, 2);
  }
  // Each date with its time, as shown (the times are built after both dates).
  ordre_tabulation({date1_.jour(), date1_.mois(), date1_.an(), heure1_, date2_.jour(), date2_.mois(), date2_.an(),
                    heure2_, bouton_calcul_});

  // ---- Handlers ------------------------------------------------------------------------
  for (EditionSpin* s : {date1_.jour(), date1_.mois(), date1_.an()}) {
    connect(s, &EditionSpin::clic, this, &PageDates::pas_date1);
    connect(s, &EditionSpin::quitte, this, &PageDates::verifier_jour1);
  }
  for (EditionSpin* s : {date2_.jour(), date2_.mois(), date2_.an()}) {
    connect(s, &EditionSpin::clic, this, &PageDates::pas_date2);
    connect(s, &EditionSpin::quitte, this, &PageDates::verifier_jour2);
  }
  connect(annee_saisons_, &EditionSpin::clic, this, &PageDates::pas_annee_saisons);
  connect(annee_saisons_, &EditionSpin::texteInvalide, this, &PageDates::annee_saisons_invalide);
  for (QTimeEdit* h : {heure1_, heure2_}) connect(h, &QTimeEdit::editingFinished, this, &PageDates::calculer);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PageDates::calculer);
  connect(bouton_maintenant_, &QPushButton::clicked, this, &PageDates::maintenant);
  connect(bouton_exporter_, &QPushButton::clicked, this, &PageDates::exporter);
}

QWidget* PageDates::bouton_calcul() const {
  return bouton_calcul_;
}

void PageDates::poser_date_de_demarrage(const date_jma& date) {
  date1_.poser(date);
  date2_.poser({date.jour + 1, date.mois, date.annee});
  annee_saisons_->setPosition(date.annee);
}

void PageDates::poser_heure_de_demarrage(const QTime& heure) {
  heure1_->setTime(heure);
  heure2_->setTime(heure);
}

void PageDates::calculer() {
  const instant_saisi premier = date1_.instant_a_calculer(heure1_);
  const instant_saisi second = date2_.instant_a_calculer(heure2_);
  // There is no year 0: a typed 0 is computed, and shown, as the year 1.
  int annee = annee_saisons_->position();
  if (annee == 0) annee = 1;
  if (annee_saisons_->edition()->text() != QString::number(annee)) annee_saisons_->setPosition(annee);
  resultat_ = calculer_dates(premier, second, annee, contexte_.session().echelle());
  calcule_ = true;

  const resultat_dates& r = resultat_;
  const std::pair<QLabel*, const std::string*> textes[] = {
      {nom_jour1_, &r.date1.texte_nom},   {rang_jour1_, &r.date1.texte_rang}, {nom_jour2_, &r.date2.texte_nom},
      {rang_jour2_, &r.date2.texte_rang}, {intervalle_, &r.texte_intervalle}, {printemps_, &r.saisons[0].texte},
      {ete_, &r.saisons[1].texte},        {automne_, &r.saisons[2].texte},    {hiver_, &r.saisons[3].texte},
      {paques_, &r.texte_paques},         {bissextile_, &r.texte_bissextile},
  };
  for (const auto& [etiquette, texte] : textes) etiquette->setText(QString::fromStdString(*texte));
}

void PageDates::pas_date1(sens_pas sens) {
  date1_.normaliser(sens);
  calculer();
}

void PageDates::pas_date2(sens_pas sens) {
  date2_.normaliser(sens);
  calculer();
}

void PageDates::verifier_jour1() {
  date1_.verifier_jour(contexte_.verifications());
}

void PageDates::verifier_jour2() {
  date2_.verifier_jour(contexte_.verifications());
}

void PageDates::pas_annee_saisons(sens_pas sens) {
  if (annee_saisons_->position() == 0) annee_saisons_->setPosition(sens == sens_pas::avant ? 1 : -1);
}

void PageDates::annee_saisons_invalide(const QString& texte) {
  signaler_entier_invalide(annee_saisons_, texte, contexte_.messages());
}

void PageDates::maintenant() {
  Page::maintenant(heure1_, false);
}

void PageDates::exporter() {
  exporter_calendrier(contexte_.dialogues(), contexte_.messages(), this,
                      calcule_ ? calendrier_dates(resultat_) : std::vector<evenement_calendrier>{},
                      QStringLiteral("Exporter les équinoxes, les solstices et Pâques"));
}

}  // namespace almanax::ihm
