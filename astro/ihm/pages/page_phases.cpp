#include "ihm/pages/page_phases.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "calcul/formats.h"
#include "dessin/dessin_phase.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"

namespace almanax::ihm {

namespace {

// The columns of each list: caption, width in pixels at the window's design size,
// centred, and the widest text the column shows. A larger font widens the column to
// that text, so no date or time is cut.
struct colonne {
  const char* titre;
  int largeur;
  bool centree;
  const char* plus_long;
};
constexpr colonne colonnes[] = {
    {"Phase", 105, false, "Premier Quartier"},
    {"Date", 105, true, "30 Septembre 2000"},
    {"Heure", 85, true, "00 h 00 m 00 s"},
};

QTreeWidget* liste_mois(int rang, QWidget* parent) {
  auto* l = new QTreeWidget(parent);
  l->setObjectName(QStringLiteral("lt_lune%1").arg(rang));
  l->setRootIsDecorated(false);
  l->setItemsExpandable(false);
  l->setSortingEnabled(false);
  l->setEditTriggers(QAbstractItemView::NoEditTriggers);
  l->setSelectionBehavior(QAbstractItemView::SelectRows);
  l->setIconSize(QSize(cote_image_liste, cote_image_liste));
  l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  l->setColumnCount(static_cast<int>(std::size(colonnes)));
  auto* entete = new QTreeWidgetItem;
  int largeur = 0;
  l->setHeaderItem(entete);
  l->header()->setStretchLastSection(false);
  l->header()->setSectionsMovable(false);
  const QFontMetrics fm(l->font());
  for (int c = 0; c < static_cast<int>(std::size(colonnes)); ++c) {
    entete->setText(c, QString::fromUtf8(colonnes[c].titre));
    if (colonnes[c].centree) entete->setTextAlignment(c, Qt::AlignCenter);
    const int marge = c == 0 ? cote_image_liste + 14 : 12;
    const int w = std::max(colonnes[c].largeur, fm.horizontalAdvance(QString::fromUtf8(colonnes[c].plus_long)) + marge);
    l->setColumnWidth(c, w);
    largeur += w;
  }
  l->setMinimumWidth(largeur + 2 * l->frameWidth());
  return l;
}

// The pictures of the rows, drawn by the phase pictures' code of the "Soleil, Lune"
// page with the unlit part dark, lit on the right up to the full moon and on the left
// after it. Outside the disc they are transparent, so they sit on the list's colour.
std::array<QImage, 4> dessiner_images() {
  const auto petite = [](QImage i) {
    i = i.convertToFormat(QImage::Format_ARGB32);
    const double r = dessin::cote_phase / 2.0;
    for (int y = 0; y < i.height(); ++y)
      for (int x = 0; x < i.width(); ++x)
        if (std::hypot(x + 0.5 - r, y + 0.5 - r) > r) i.setPixel(x, y, qRgba(0, 0, 0, 0));
    return i.scaled(cote_image_liste, cote_image_liste, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  const QColor sombre(64, 64, 64);
  const QImage quartier = dessin::image_phase(50, Qt::black, sombre);
  return {petite(dessin::image_phase(0, Qt::black, sombre)), petite(quartier),
          petite(dessin::image_phase(100, Qt::black, sombre)), petite(quartier.mirrored(true, false))};
}

}  // namespace

PagePhases::PagePhases(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("phases_lune"), QStringLiteral("Phases de la Lune"),
           QStringLiteral("03-phases-lune"), parent) {
  // ---- Starting month and year, "&OK" ----------------------------------------------
  mois_dep_ = new EditionSpin(QStringLiteral("mois_dep"), QStringLiteral("up_mois_phase"), 1, 12, this);
  mois_dep_->setBoucle(true);
  mois_dep_->setPosition(10);
  FiltreTouches::installer(mois_dep_, filtre::chiffres);
  an_dep_ = new EditionSpin(QStringLiteral("an_dep"), QStringLiteral("up_an_phase"), -4713, 9999, this);
  an_dep_->setBoucle(true);
  an_dep_->setPosition(1997);
  FiltreTouches::installer(an_dep_, filtre::annee);
  expliquer_annee(an_dep_, numerotation_annees::astronomique);
  bt_phase_ = bouton("bt_phase", QStringLiteral("&OK"), this);
  auto* saisie = new QHBoxLayout;
  for (const auto& [legende, champ] :
       {std::pair{QStringLiteral("Mois"), mois_dep_}, {QStringLiteral("Année"), an_dep_}}) {
    auto* l = new QLabel(legende, this);
    l->setBuddy(champ);
    saisie->addWidget(l);
    saisie->addWidget(champ);
  }
  saisie->addWidget(bt_phase_);

  // ---- "Copier" ----------------------------------------------------------------------
  auto* g_copier = groupe("copier_pl", QStringLiteral("Copier"), this);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    for (int i = 0; i < 6; ++i) {
      const QByteArray nom = QStringLiteral("cbm%1").arg(i + 1).toLatin1();
      cbm_[static_cast<std::size_t>(i)] =
          case_a_cocher(nom.constData(), QStringLiteral("Mois %1").arg(i + 1), true, g_copier);
      grille->addWidget(cbm_[static_cast<std::size_t>(i)], i / 3, i % 3);
    }
    // Built after the boxes it stands right of: Tab reaches it after them.
    copy_pl_ = bouton("copy_pl", QStringLiteral("&Copie"), g_copier);
    grille->addWidget(copy_pl_, 0, 3, 2, 1, Qt::AlignVCenter);
  }

  // ---- The six months, three rows of two ---------------------------------------------
  im_lune_ = dessiner_images();
  auto* listes = new QGridLayout;
  listes->setVerticalSpacing(2);
  for (int i = 0; i < 6; ++i) {
    const auto k = static_cast<std::size_t>(i);
    lt_lune_[k] = liste_mois(i + 1, this);
    titres_[k] = new QLabel(this);
    titres_[k]->setObjectName(QStringLiteral("titre_lune%1").arg(i + 1));
    listes->addWidget(titres_[k], 2 * (i / 2), i % 2);
    listes->addWidget(lt_lune_[k], 2 * (i / 2) + 1, i % 2);
    listes->setRowStretch(2 * (i / 2) + 1, 1);
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    auto* haut = new QHBoxLayout;
    haut->addLayout(saisie);
    haut->addSpacing(24);
    haut->addWidget(g_copier);
    haut->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addLayout(listes, 1);
  }

  // ---- Handlers ------------------------------------------------------------------------
  for (EditionSpin* s : {mois_dep_, an_dep_}) connect(s, &EditionSpin::clic, this, &PagePhases::up_an_phaseClick);
  connect(an_dep_, &EditionSpin::quitte, this, &PagePhases::anequiExit);
  connect(bt_phase_, &QPushButton::clicked, this, &PagePhases::bt_phaseClick);
  connect(copy_pl_, &QPushButton::clicked, this, &PagePhases::copy_plClick);
}

QWidget* PagePhases::bouton_calcul() const {
  return bt_phase_;
}

void PagePhases::poser_date_de_demarrage(const date_jma& date) {
  mois_dep_->setPosition(date.mois);
  an_dep_->setPosition(date.annee);
}

void PagePhases::bt_phaseClick() {
  // A typed month or year beyond the bounds is computed at the bound: show it.
  for (EditionSpin* s : {mois_dep_, an_dep_})
    if (s->edition()->text() != QString::number(s->position())) s->setPosition(s->position());
  resultat_ = phases_de_la_lune(mois_dep_->position(), an_dep_->position());
  for (std::size_t p = 0; p < 6; ++p) {
    const liste_phases& l = resultat_.listes[p];
    titres_[p]->setText(QString::fromStdString(nom_du_mois(l.mois)) + QLatin1Char(' ') + QString::number(l.annee));
    QTreeWidget* liste = lt_lune_[p];
    liste->clear();
    QList<QTreeWidgetItem*> lignes;
    for (const phase_trouvee& t : l.phases) {
      auto* ligne = new QTreeWidgetItem;
      ligne->setText(0, QString::fromStdString(t.ligne.libelle));
      ligne->setIcon(0, QIcon(QPixmap::fromImage(im_lune_[static_cast<std::size_t>(t.image)])));
      for (int c = 1; c <= 2; ++c) {
        ligne->setText(c, QString::fromStdString(t.ligne.colonnes[static_cast<std::size_t>(c - 1)]));
        ligne->setTextAlignment(c, Qt::AlignCenter);
      }
      lignes.append(ligne);
    }
    liste->addTopLevelItems(lignes);
  }
}

void PagePhases::up_an_phaseClick() {
  bt_phase_->click();
}

void PagePhases::anequiExit() {
  contexte_.valider_annees();
}

void PagePhases::copy_plClick() {
  std::array<bool, 6> coches{};
  bool des_lignes = false;
  for (std::size_t p = 0; p < 6; ++p) {
    coches[p] = cbm_[p]->isChecked();
    if (coches[p] && !resultat_.listes[p].phases.empty()) des_lignes = true;
  }
  // Like every list report: nothing at all, not even the title, without a row to copy.
  if (!des_lignes) return;
  contexte_.ajouter_rapport(QString::fromStdString(copie_phases(resultat_, coches)));
}

std::vector<annee_a_valider> PagePhases::annees_a_valider() const {
  return {annee(champ_annee::phases, an_dep_, QStringLiteral("Année"))};
}

}  // namespace almanax::ihm
