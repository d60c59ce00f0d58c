#include "ihm/pages/page_ce_soir.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <tuple>

#include "dessin/dessin_ce_soir.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"

namespace almanax::ihm {

namespace {

// The chart as the page shows it: the page's width, a shorter height.
constexpr int largeur_graphique_page = 740;
constexpr int hauteur_graphique_page = 290;

const char* const legendes_soir[] = {"Coucher du Soleil", "Fin du crépuscule civil", "Fin du crépuscule nautique",
                                     "Fin du crépuscule astronomique"};
const char* const legendes_matin[] = {"Lever du Soleil", "Début du crépuscule civil", "Début du crépuscule nautique",
                                      "Début du crépuscule astronomique"};
const char* const legendes_niveaux[] = {"Coucher, lever du Soleil", "Crépuscule civil (-6°)",
                                        "Crépuscule nautique (-12°)", "Crépuscule astronomique (-18°)"};
const char* const colonnes[] = {"Astre",      "Lever",     "Passage", "Coucher", "Hauteur au passage",
                                "Observable", "Magnitude", "Hauteur", "Azimut"};

}  // namespace

PageCeSoir::PageCeSoir(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("ce_soir"), QStringLiteral("Ce soir"), QStringLiteral("02b-ce-soir"), parent),
      date_({"jour_soir", "up_jour_soir", "mois_soir", "up_mois_soir", "an_soir", "up_an_soir"}, {21, 6, 2026}, true,
            this) {
  heure_ = selecteur_heure("heure_soir", this);
  heure_->setTime(QTime(22, 0, 0));
  heure_->setToolTip(QStringLiteral("Heure de la table des hauteurs et azimuts"));
  bouton_calcul_ = bouton("b_ce_soir", QStringLiteral("&OK"), this);
  bouton_maintenant_ = bouton("maintenant_soir", QStringLiteral("&Maintenant"), this);
  bouton_copie_ = bouton("copy_soir", QStringLiteral("&Copie"), this);
  bouton_enregistrer_ = bouton("save_soir", QStringLiteral("Sauvegarder"), this);
  lieu_ = new QLabel(this);
  lieu_->setObjectName(QStringLiteral("lieu_soir"));
  echelle_ = new QLabel(this);
  echelle_->setObjectName(QStringLiteral("echelle_soir"));

  auto* saisie = new QGridLayout;
  saisie->setVerticalSpacing(4);
  date_.disposer(saisie, 0, nullptr);
  {
    auto* l = new QLabel(QStringLiteral("Heure"), this);
    l->setBuddy(heure_);
    saisie->addWidget(l, 1, 0, Qt::AlignRight);
    saisie->addWidget(heure_, 1, 1, 1, 3);
    auto* boutons = new QGridLayout;
    boutons->addWidget(bouton_calcul_, 0, 0);
    boutons->addWidget(bouton_maintenant_, 0, 1);
    boutons->addWidget(bouton_copie_, 1, 0);
    boutons->addWidget(bouton_enregistrer_, 1, 1);
    saisie->addLayout(boutons, 2, 0, 1, 6);
    saisie->addWidget(lieu_, 3, 0, 1, 6);
    saisie->addWidget(echelle_, 4, 0, 1, 6);
  }

  // ---- The Sun: each level, its evening's end and its morning's start ----------------
  auto* g_soleil = groupe("GroupBoxSoir", QStringLiteral("Soleil"), this);
  auto* grille = new QGridLayout(g_soleil);
  grille->setVerticalSpacing(1);
  grille->setHorizontalSpacing(14);
  grille->addWidget(new QLabel(QStringLiteral("Soir"), g_soleil), 0, 1, Qt::AlignRight);
  grille->addWidget(new QLabel(QStringLiteral("Matin"), g_soleil), 0, 2, Qt::AlignRight);
  for (int i = 0; i < 4; ++i) {
    auto* l = new QLabel(QString::fromUtf8(legendes_niveaux[i]), g_soleil);
    l->setToolTip(
        QStringLiteral("%1 ; %2").arg(QString::fromUtf8(legendes_soir[i]), QString::fromUtf8(legendes_matin[i])));
    grille->addWidget(l, i + 1, 0);
    for (auto [cadres, nom, colonne] : {std::tuple{&soirs_, "soir_", 1}, std::tuple{&matins_, "matin_", 2}}) {
      QLabel*& c = (*cadres)[i];
      c = new QLabel(g_soleil);
      c->setObjectName(QString::fromLatin1(nom) + QString::number(i));
      c->setTextInteractionFlags(Qt::TextSelectableByMouse);
      grille->addWidget(c, i + 1, colonne, Qt::AlignRight);
    }
  }
  grille->setColumnStretch(0, 1);
  nuit_ = new QLabel(g_soleil);
  nuit_->setObjectName(QStringLiteral("nuit_soir"));
  nuit_->setWordWrap(true);
  lune_ = new QLabel(g_soleil);
  lune_->setObjectName(QStringLiteral("lune_soir"));
  grille->addWidget(nuit_, 5, 0, 1, 3);
  grille->addWidget(lune_, 6, 0, 1, 3);

  // ---- The bodies: a table and the chart, one tab each ----------------------------------
  table_ = new QTableWidget(nombre_corps_ce_soir, static_cast<int>(std::size(colonnes)), this);
  table_->setObjectName(QStringLiteral("table_soir"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setVisible(false);
  QStringList titres;
  for (const char* c : colonnes) titres << QString::fromUtf8(c);
  table_->setHorizontalHeaderLabels(titres);
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* note = new QLabel(QStringLiteral("Observable : plus de 10° au-dessus de l'horizon, le Soleil à plus de 12° "
                                         "dessous. Hauteur et azimut à l'heure choisie ; azimut compté depuis le nord, "
                                         "vers l'est ; sans réfraction, la Lune vue du lieu."),
                          this);
  note->setWordWrap(true);
  auto* onglet_table = new QWidget(this);
  {
    auto* v = new QVBoxLayout(onglet_table);
    v->addWidget(table_, 1);
    v->addWidget(note);
  }
  graphique_ = cadre_image("graphique_soir", largeur_graphique_page, hauteur_graphique_page, this);
  auto* onglets = new QTabWidget(this);
  onglets->setObjectName(QStringLiteral("vues_soir"));
  onglets->addTab(onglet_table, QStringLiteral("Astres"));
  onglets->addTab(graphique_, QStringLiteral("Graphique"));

  {
    auto* haut = new QHBoxLayout;
    haut->addLayout(saisie);
    haut->addSpacing(12);
    haut->addWidget(g_soleil, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addWidget(onglets, 1);
  }

  // The views' tabs come before the table they show.
  ordre_tabulation({bouton_enregistrer_, onglets->tabBar(), table_});

  // Its year is no year field of the window's checks: any date is computed.
  date_.relier(
      this, [this](sens_pas s) { pas_date(s); }, contexte_.verifications());
  connect(heure_, &QTimeEdit::editingFinished, this, &PageCeSoir::calculer);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PageCeSoir::calculer);
  connect(bouton_maintenant_, &QPushButton::clicked, this, &PageCeSoir::maintenant);
  connect(bouton_copie_, &QPushButton::clicked, this, &PageCeSoir::copier);
  connect(bouton_enregistrer_, &QPushButton::clicked, this, &PageCeSoir::enregistrer_image);
}

QWidget* PageCeSoir::bouton_calcul() const {
  return bouton_calcul_;
}

void PageCeSoir::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

QImage PageCeSoir::image() const {
  return dessin::image_ce_soir(resultat_);
}

void PageCeSoir::calculer() {
  entree_ce_soir e;
  e.instant = date_.instant_a_calculer(heure_);
  e.site = contexte_.session().site();
  e.echelle = contexte_.session().echelle();
  e.separateur = QLocale().decimalPoint().toStdString();
  resultat_ = calcul_ce_soir(e);
  saisie_ = e.instant;
  site_calcule_ = contexte_.session().site_affiche();

  lieu_->setText(QStringLiteral("Lieu : %1").arg(QString::fromStdString(site_calcule_->nom)));
  echelle_->setText(resultat_.mention_echelle.empty()
                        ? QStringLiteral("Heures telles quelles")
                        : QStringLiteral("Heures : %1").arg(QString::fromStdString(resultat_.mention_echelle)));
  for (int i = 0; i < 4; ++i) {
    soirs_[i]->setText(QString::fromStdString(resultat_.soleil[i].texte_soir));
    matins_[i]->setText(QString::fromStdString(resultat_.soleil[i].texte_matin));
  }
  nuit_->setText(QString::fromStdString(resultat_.nuit));
  lune_->setText(QStringLiteral("Lune : %1").arg(QString::fromStdString(resultat_.texte_lune)));
  for (int k = 0; k < nombre_corps_ce_soir; ++k) {
    const astre_ce_soir& a = resultat_.astres[k];
    const std::string* textes[] = {&a.textes.lever,           &a.textes.passage,    &a.textes.coucher,
                                   &a.textes.hauteur_passage, &a.textes.observable, &a.textes.magnitude,
                                   &a.textes.hauteur,         &a.textes.azimut};
    table_->setItem(k, 0, new QTableWidgetItem(QString::fromUtf8(nom_corps_ce_soir(a.corps))));
    for (int c = 0; c < 8; ++c) table_->setItem(k, c + 1, new QTableWidgetItem(QString::fromStdString(*textes[c])));
  }
  table_->resizeColumnsToContents();
  montrer_image(graphique_, dessin::image_ce_soir(resultat_, largeur_graphique_page, hauteur_graphique_page));
}

void PageCeSoir::maintenant() {
  Page::maintenant(heure_);
}

void PageCeSoir::pas_date(sens_pas sens) {
  date_.normaliser(sens);
  calculer();
}

void PageCeSoir::copier() {
  if (!site_calcule_) calculer();
  contexte_.ajouter_rapport(
      QString::fromStdString(copie_ce_soir(resultat_, champs_bloc_date_de(saisie_), *site_calcule_)));
}

void PageCeSoir::enregistrer_image() {
  if (!site_calcule_) calculer();
  sauver_image(contexte_.dialogues(), contexte_.messages(), this, image(), QStringLiteral("Ce soir"));
}

}  // namespace almanax::ihm
