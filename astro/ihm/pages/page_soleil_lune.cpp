#include "ihm/pages/page_soleil_lune.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "dessin/dessin_phase.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

namespace {

template <class Resultat>
struct ligne_resultat {
  const char* nom;
  const char* legende;
  std::string Resultat::*texte;
};

const ligne_resultat<ephemeride_soleil> lignes_soleil[] = {
    {"long_g_sol", "Longitude géométrique", &ephemeride_soleil::long_g_sol},
    {"long_a_sol", "Longitude apparente", &ephemeride_soleil::long_a_sol},
    {"lat_a_sol", "Latitude apparente", &ephemeride_soleil::lat_a_sol},
    {"asc_a_sol", "Ascension droite apparente", &ephemeride_soleil::asc_a_sol},
    {"dec_a_sol", "Déclinaison apparente", &ephemeride_soleil::dec_a_sol},
    {"dist_t_sol", "Distance à la Terre (en UA)", &ephemeride_soleil::dist_t_sol},
    {"sol_lev", "Lever", &ephemeride_soleil::sol_lev},
    {"sol_mer", "Méridien", &ephemeride_soleil::sol_mer},
    {"sol_cou", "Coucher", &ephemeride_soleil::sol_cou},
};

const ligne_resultat<ephemeride_lune> lignes_lune[] = {
    {"long_lune", "Longitude géocentrique", &ephemeride_lune::long_lune},
    {"lat_lune", "Latitude géocentrique", &ephemeride_lune::lat_lune},
    {"asc_lune", "Ascension droite", &ephemeride_lune::asc_lune},
    {"dec_lune", "Déclinaison", &ephemeride_lune::dec_lune},
    {"dist_lune", "Distance à la Terre (en km)", &ephemeride_lune::dist_lune},
    {"par_lune", "Parallaxe", &ephemeride_lune::par_lune},
    {"ill_lune", "Fraction illuminée (en %)", &ephemeride_lune::ill_lune},
    {"dia_lune", "Diamètre apparent", &ephemeride_lune::dia_lune},
    {"lune_lev", "Lever", &ephemeride_lune::lune_lev},
    {"lune_mer", "Méridien", &ephemeride_lune::lune_mer},
    {"lune_cou", "Coucher", &ephemeride_lune::lune_cou},
};

template <class Resultat, std::size_t N>
QGridLayout* remplir_groupe(QGroupBox* g, const ligne_resultat<Resultat> (&lignes)[N],
                            std::vector<std::pair<QLabel*, std::string Resultat::*>>& etiquettes) {
  auto* grille = new QGridLayout(g);
  grille->setVerticalSpacing(1);
  grille->setColumnStretch(1, 1);
  int rang = 0;
  for (const auto& l : lignes)
    etiquettes.emplace_back(etiquette_resultat(grille, rang++, QString::fromUtf8(l.legende), l.nom, g), l.texte);
  return grille;
}

template <class Resultat>
void afficher(const Resultat& r, const std::vector<std::pair<QLabel*, std::string Resultat::*>>& etiquettes) {
  for (const auto& [etiquette, texte] : etiquettes) etiquette->setText(QString::fromStdString(r.*texte));
}

}  // namespace

PageSoleilLune::PageSoleilLune(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("soleil"), QStringLiteral("Soleil, Lune"), QStringLiteral("02-soleil-lune"),
           parent),
      date_({"jour_sol", "up_jour_sol", "mois_sol", "up_mois_sol", "an_sol", "up_an_sol"}, {13, 10, 1992}, true, this) {
  // ---- Date, time and the buttons ------------------------------------------------------
  heure_sol_ = selecteur_heure("heure_sol", this);
  b_soleil_ = bouton("b_soleil", QStringLiteral("&OK"), this);
  BitBtn5_ = bouton("BitBtn5", QStringLiteral("&Maintenant"), this);
  // Pressed at the end of the Sun's computation; never shown.
  b_lune_ = bouton("b_lune", QStringLiteral("b_lune"), this);
  b_lune_->setVisible(false);
  auto* saisie = new QGridLayout;
  saisie->setVerticalSpacing(4);
  date_.disposer(saisie, 0, nullptr);
  {
    auto* l = new QLabel(QStringLiteral("Heure"), this);
    l->setBuddy(heure_sol_);
    saisie->addWidget(l, 1, 0, Qt::AlignRight);
    saisie->addWidget(heure_sol_, 1, 1, 1, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(b_soleil_);
    boutons->addWidget(BitBtn5_);
    saisie->addLayout(boutons, 2, 0, 1, 6);
  }

  // ---- "Copier" --------------------------------------------------------------------------
  auto* g_copier = groupe("copier_sol", QStringLiteral("Copier"), this);
  c_dts_ = case_a_cocher("c_dts", QStringLiteral("Date et heure"), true, g_copier);
  c_ls_ = case_a_cocher("c_ls", QStringLiteral("Lieu"), true, g_copier);
  c_ss_ = case_a_cocher("c_ss", QStringLiteral("Soleil"), true, g_copier);
  c_lls_ = case_a_cocher("c_lls", QStringLiteral("Lune"), true, g_copier);
  copy_sol_ = bouton("copy_sol", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    grille->addWidget(c_dts_, 0, 0);
    grille->addWidget(c_ls_, 1, 0);
    grille->addWidget(c_ss_, 0, 1);
    grille->addWidget(c_lls_, 1, 1);
    grille->addWidget(copy_sol_, 2, 0, 1, 2, Qt::AlignHCenter);
  }

  // ---- "Soleil" and "Lune" -------------------------------------------------------------
  auto* GroupBox3 = groupe("GroupBox3", QStringLiteral("Soleil"), this);
  remplir_groupe(GroupBox3, lignes_soleil, etiquettes_soleil_);
  auto* GroupBox4 = groupe("GroupBox4", QStringLiteral("Lune"), this);
  QGridLayout* grille_lune = remplir_groupe(GroupBox4, lignes_lune, etiquettes_lune_);
  pb_lune_ = cadre_image("pb_lune", dessin::cote_phase, dessin::cote_phase, GroupBox4);
  {
    const int rangs = static_cast<int>(std::size(lignes_lune));
    grille_lune->addWidget(new QLabel(QStringLiteral("Apparence de la Lune"), GroupBox4), rangs, 0, Qt::AlignTop);
    grille_lune->addWidget(pb_lune_, rangs, 1, Qt::AlignRight);
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    auto* haut = new QHBoxLayout;
    haut->addLayout(saisie);
    haut->addSpacing(16);
    haut->addWidget(g_copier);
    haut->addStretch(1);
    auto* soleil = new QVBoxLayout;
    soleil->addWidget(GroupBox3);
    soleil->addStretch(1);
    auto* lune = new QVBoxLayout;
    lune->addWidget(GroupBox4);
    lune->addStretch(1);
    auto* bas = new QHBoxLayout;
    bas->addLayout(soleil, 4);
    bas->addLayout(lune, 5);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addLayout(bas, 1);
    page->addWidget(b_lune_);
  }

  // ---- Handlers ------------------------------------------------------------------------
  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()})
    connect(s, &EditionSpin::clic, this, &PageSoleilLune::up_jour_solClick);
  connect(date_.jour(), &EditionSpin::quitte, this, &PageSoleilLune::jour_solExit);
  connect(date_.an(), &EditionSpin::quitte, this, &PageSoleilLune::anequiExit);
  connect(heure_sol_, &QTimeEdit::editingFinished, this, &PageSoleilLune::heure_solClick);
  connect(b_soleil_, &QPushButton::clicked, this, &PageSoleilLune::b_soleilClick);
  connect(b_lune_, &QPushButton::clicked, this, &PageSoleilLune::b_luneClick);
  connect(BitBtn5_, &QPushButton::clicked, this, &PageSoleilLune::BitBtn5Click);
  connect(copy_sol_, &QPushButton::clicked, this, &PageSoleilLune::copy_solClick);
}

QWidget* PageSoleilLune::bouton_calcul() const {
  return b_soleil_;
}

void PageSoleilLune::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PageSoleilLune::poser_heure_de_demarrage(const QTime& heure) {
  heure_sol_->setTime(heure);
}

instant_saisi PageSoleilLune::instant_a_calculer() {
  return date_.instant_a_calculer(heure_sol_);
}

void PageSoleilLune::b_soleilClick() {
  const instant_saisi instant = instant_a_calculer();
  resultat_.saisie = instant;
  resultat_.jour_julien = jour_julien_saisi(instant);
  resultat_.soleil =
      ephemeride_du_soleil(resultat_.jour_julien, contexte_.session().site(), QLocale().decimalPoint().toStdString());
  site_calcule_ = contexte_.session().site_affiche();
  afficher(resultat_.soleil, etiquettes_soleil_);
  b_lune_->click();
}

void PageSoleilLune::b_luneClick() {
  // The date and time of the Sun's part of the page, which has just shown them.
  const instant_saisi instant = instant_a_calculer();
  resultat_.lune = ephemeride_de_la_lune(jour_julien_saisi(instant), contexte_.session().site(),
                                         QLocale().decimalPoint().toStdString());
  afficher(resultat_.lune, etiquettes_lune_);
  image_ = dessin::image_phase(resultat_.lune.fraction_arrondie, Qt::black, palette().color(QPalette::Window));
  montrer_image(pb_lune_, image_);
}

void PageSoleilLune::heure_solClick() {
  b_soleilClick();
}

void PageSoleilLune::BitBtn5Click() {
  maintenant(heure_sol_);
}

void PageSoleilLune::up_jour_solClick(sens_pas sens) {
  date_.normaliser(sens);
  b_soleilClick();
}

void PageSoleilLune::jour_solExit() {
  date_.verifier_jour(contexte_.messages());
}

void PageSoleilLune::anequiExit() {
  contexte_.valider_annees();
}

void PageSoleilLune::copy_solClick() {
  cases_soleil_lune cases;
  cases.c_dts = c_dts_->isChecked();
  cases.c_ls = c_ls_->isChecked();
  cases.c_ss = c_ss_->isChecked();
  cases.c_lls = c_lls_->isChecked();
  // The date and site of the values shown; before any computation, the fields.
  instant_saisi instant = resultat_.saisie;
  if (!site_calcule_) {
    instant.date = date_.date();
    const QTime h = heure_sol_->time();
    instant.heure = h.hour();
    instant.minute = h.minute();
    instant.seconde = h.second();
  }
  const std::string rapport = copie_soleil_lune(resultat_, cases, champs_bloc_date_de(instant),
                                                site_calcule_.value_or(contexte_.session().site_affiche()));
  // Always appended: with every box unchecked it is one empty line.
  contexte_.ajouter_rapport(QString::fromStdString(rapport));
}

}  // namespace almanax::ihm
