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
#include "calcul/pages/calendrier_evenements.h"
#include "dessin/dessin_phase.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/messages.h"

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
  mois_depart_ = new EditionSpin(QStringLiteral("mois_dep"), QStringLiteral("up_mois_phase"), 1, 12, this);
  mois_depart_->setBoucle(true);
  mois_depart_->setPosition(10);
  FiltreTouches::installer(mois_depart_, filtre::chiffres);
  annee_depart_ = new EditionSpin(QStringLiteral("an_dep"), QStringLiteral("up_an_phase"), -4713, 9999, this);
  annee_depart_->setBoucle(true);
  annee_depart_->setPosition(1997);
  FiltreTouches::installer(annee_depart_, filtre::annee);
  expliquer_annee(annee_depart_, numerotation_annees::astronomique);
  bouton_calcul_ = bouton("bt_phase", QStringLiteral("&OK"), this);
  auto* saisie = new QHBoxLayout;
  for (const auto& [legende, champ] :
       {std::pair{QStringLiteral("Mois"), mois_depart_}, {QStringLiteral("Année"), annee_depart_}}) {
    auto* l = new QLabel(legende, this);
    l->setBuddy(champ);
    saisie->addWidget(l);
    saisie->addWidget(champ);
  }
  saisie->addWidget(bouton_calcul_);
  mention_ = new QLabel(this);
  mention_->setObjectName(QStringLiteral("mention_heure"));
  mention_->setVisible(false);

  // ---- "Copier" ----------------------------------------------------------------------
  auto* g_copier = groupe("copier_pl", QStringLiteral("Copier"), this);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    for (int i = 0; i < 6; ++i) {
      const QByteArray nom = QStringLiteral("cbm%1").arg(i + 1).toLatin1();
      cases_mois_[static_cast<std::size_t>(i)] =
          case_a_cocher(nom.constData(), QStringLiteral("Mois %1").arg(i + 1), true, g_copier);
      grille->addWidget(cases_mois_[static_cast<std::size_t>(i)], i / 3, i % 3);
    }
    // Built after the boxes they stand right of: Tab reaches them after them.
    bouton_copie_ = bouton("copy_pl", QStringLiteral("&Copie"), g_copier);
    grille->addWidget(bouton_copie_, 0, 3, 2, 1, Qt::AlignVCenter);
    bouton_exporter_ =
        bouton_exporter("export_phases",
                        QStringLiteral("Enregistre les phases des mois cochés, celles que « Copie » copie,"), g_copier);
    grille->addWidget(bouton_exporter_, 0, 4, 2, 1, Qt::AlignVCenter);
  }

  // ---- The six months, three rows of two ---------------------------------------------
  images_phases_ = dessiner_images();
  auto* listes = new QGridLayout;
  listes->setVerticalSpacing(2);
  for (int i = 0; i < 6; ++i) {
    const auto k = static_cast<std::size_t>(i);
    listes_[k] = liste_mois(i + 1, this);
    largeurs_heure_[k] = listes_[k]->columnWidth(2);
    titres_[k] = new QLabel(this);
    titres_[k]->setObjectName(QStringLiteral("titre_lune%1").arg(i + 1));
    listes->addWidget(titres_[k], 2 * (i / 2), i % 2);
    listes->addWidget(listes_[k], 2 * (i / 2) + 1, i % 2);
    listes->setRowStretch(2 * (i / 2) + 1, 1);
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    // The clock under the fields, beside the "Copier" group: it takes neither the
    // width the group and its buttons need nor height from the lists.
    auto* gauche = new QVBoxLayout;
    gauche->addStretch(1);
    gauche->addLayout(saisie);
    gauche->addWidget(mention_);
    gauche->addStretch(1);
    auto* haut = new QHBoxLayout;
    haut->addLayout(gauche);
    haut->addSpacing(24);
    haut->addWidget(g_copier);
    haut->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addLayout(listes, 1);
  }

  // ---- Handlers ------------------------------------------------------------------------
  for (EditionSpin* s : {mois_depart_, annee_depart_}) connect(s, &EditionSpin::clic, this, &PagePhases::date_changee);
  connect(annee_depart_, &EditionSpin::quitte, this, &PagePhases::valider_annees);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PagePhases::calculer);
  connect(bouton_copie_, &QPushButton::clicked, this, &PagePhases::copier);
  connect(bouton_exporter_, &QPushButton::clicked, this, &PagePhases::exporter);
}

QWidget* PagePhases::bouton_calcul() const {
  return bouton_calcul_;
}

void PagePhases::poser_date_de_demarrage(const date_jma& date) {
  mois_depart_->setPosition(date.mois);
  annee_depart_->setPosition(date.annee);
}

void PagePhases::calculer() {
  // A typed month or year beyond the bounds is computed at the bound: show it.
  for (EditionSpin* s : {mois_depart_, annee_depart_})
    if (s->edition()->text() != QString::number(s->position())) s->setPosition(s->position());
  resultat_ = phases_de_la_lune(mois_depart_->position(), annee_depart_->position(), {}, contexte_.session().echelle());
  mention_->setText(QString::fromStdString(resultat_.mention));
  mention_->setVisible(!resultat_.mention.empty());
  for (std::size_t p = 0; p < 6; ++p) {
    const liste_phases& l = resultat_.listes[p];
    titres_[p]->setText(QString::fromStdString(nom_du_mois(l.mois)) + QLatin1Char(' ') + QString::number(l.annee));
    QTreeWidget* liste = listes_[p];
    liste->clear();
    QList<QTreeWidgetItem*> lignes;
    for (const phase_trouvee& t : l.phases) {
      auto* ligne = new QTreeWidgetItem;
      ligne->setText(0, QString::fromStdString(t.ligne.libelle));
      ligne->setIcon(0, QIcon(QPixmap::fromImage(images_phases_[static_cast<std::size_t>(t.image)])));
      ligne->setText(1, QString::fromStdString(t.ligne.colonnes[0]));
      ligne->setText(2, QString::fromStdString(t.heure_affichee));
      for (int c = 1; c <= 2; ++c) ligne->setTextAlignment(c, Qt::AlignCenter);
      lignes.append(ligne);
    }
    liste->addTopLevelItems(lignes);
  }
  // A time followed by its zone's offset is wider than the columns were made for: all
  // six as wide as the widest; back to times as they stand, as they were built.
  if (resultat_.legale) {
    int largeur = 0;
    for (const liste_phases& l : resultat_.listes)
      for (const phase_trouvee& t : l.phases)
        largeur =
            std::max(largeur, listes_[0]->fontMetrics().horizontalAdvance(QString::fromStdString(t.heure_affichee)));
    for (std::size_t p = 0; p < 6; ++p) listes_[p]->setColumnWidth(2, std::max(largeurs_heure_[p], largeur + 12));
  } else if (heures_elargies_) {
    for (std::size_t p = 0; p < 6; ++p) listes_[p]->setColumnWidth(2, largeurs_heure_[p]);
  }
  heures_elargies_ = resultat_.legale;
}

void PagePhases::date_changee() {
  bouton_calcul_->click();
}

void PagePhases::valider_annees() {
  contexte_.valider_annees();
}

void PagePhases::copier() {
  std::array<bool, 6> coches{};
  bool des_lignes = false;
  for (std::size_t p = 0; p < 6; ++p) {
    coches[p] = cases_mois_[p]->isChecked();
    if (coches[p] && !resultat_.listes[p].phases.empty()) des_lignes = true;
  }
  // Like every list report: nothing at all, not even the title, without a row to copy.
  if (!des_lignes) return;
  contexte_.ajouter_rapport(QString::fromStdString(copie_phases(resultat_, coches)));
}

void PagePhases::exporter() {
  std::vector<const phase_trouvee*> phases;
  bool coche = false;
  for (std::size_t p = 0; p < 6; ++p) {
    if (!cases_mois_[p]->isChecked()) continue;
    coche = true;
    for (const phase_trouvee& t : resultat_.listes[p].phases) phases.push_back(&t);
  }
  if (!coche) {
    contexte_.messages().information(QStringLiteral("Rien à exporter : cochez au moins un mois."),
                                     QStringLiteral("Exporter les phases de la Lune"));
    return;
  }
  exporter_calendrier(contexte_.dialogues(), contexte_.messages(), this, calendrier_phases(phases),
                      QStringLiteral("Exporter les phases de la Lune"));
}

std::vector<annee_a_valider> PagePhases::annees_a_valider() const {
  return {annee(champ_annee::phases, annee_depart_, QStringLiteral("Année"))};
}

}  // namespace almanax::ihm
