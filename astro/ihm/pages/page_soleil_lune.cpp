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
#include "ihm/pages/mention_heure.h"

namespace almanax::ihm {

namespace {

template <class Resultat>
struct ligne_resultat {
  const char* nom;
  const char* legende;
  std::string Resultat::*texte;
};

const ligne_resultat<textes_soleil> lignes_soleil[] = {
    {"long_g_sol", "Longitude géométrique", &textes_soleil::longitude_geometrique},
    {"long_a_sol", "Longitude apparente", &textes_soleil::longitude_apparente},
    {"lat_a_sol", "Latitude apparente", &textes_soleil::latitude_apparente},
    {"asc_a_sol", "Ascension droite apparente", &textes_soleil::ascension_droite},
    {"dec_a_sol", "Déclinaison apparente", &textes_soleil::declinaison},
    {"dist_t_sol", "Distance à la Terre (en UA)", &textes_soleil::distance_terre},
    {"sol_lev", "Lever", &textes_soleil::heure_lever},
    {"sol_mer", "Méridien", &textes_soleil::heure_meridien},
    {"sol_cou", "Coucher", &textes_soleil::heure_coucher},
};

const ligne_resultat<textes_lune> lignes_lune[] = {
    {"long_lune", "Longitude géocentrique", &textes_lune::longitude},
    {"lat_lune", "Latitude géocentrique", &textes_lune::latitude},
    {"asc_lune", "Ascension droite", &textes_lune::ascension_droite},
    {"dec_lune", "Déclinaison", &textes_lune::declinaison},
    {"dist_lune", "Distance à la Terre (en km)", &textes_lune::distance_terre},
    {"par_lune", "Parallaxe", &textes_lune::parallaxe},
    {"ill_lune", "Fraction illuminée (en %)", &textes_lune::fraction_illuminee},
    {"dia_lune", "Diamètre apparent", &textes_lune::diametre_apparent},
    {"lune_lev", "Lever", &textes_lune::heure_lever},
    {"lune_mer", "Méridien", &textes_lune::heure_meridien},
    {"lune_cou", "Coucher", &textes_lune::heure_coucher},
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
  heure_ = selecteur_heure("heure_sol", this);
  bouton_calcul_ = bouton("b_soleil", QStringLiteral("&OK"), this);
  bouton_maintenant_ = bouton("BitBtn5", QStringLiteral("&Maintenant"), this);
  // Pressed at the end of the Sun's computation; never shown.
  bouton_lune_ = bouton("b_lune", QStringLiteral("b_lune"), this);
  bouton_lune_->setVisible(false);
  auto* saisie = new QGridLayout;
  saisie->setVerticalSpacing(4);
  date_.disposer(saisie, 0, nullptr);
  {
    auto* l = new QLabel(QStringLiteral("Heure"), this);
    l->setBuddy(heure_);
    saisie->addWidget(l, 1, 0, Qt::AlignRight);
    saisie->addWidget(heure_, 1, 1, 1, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bouton_calcul_);
    boutons->addWidget(bouton_maintenant_);
    saisie->addLayout(boutons, 2, 0, 1, 6);
    mention_ = etiquette_mention(this);
    saisie->addWidget(mention_, 3, 0, 1, 6);
  }

  // ---- "Copier" --------------------------------------------------------------------------
  auto* g_copier = groupe("copier_sol", QStringLiteral("Copier"), this);
  case_date_heure_ = case_a_cocher("c_dts", QStringLiteral("Date et heure"), true, g_copier);
  case_lieu_ = case_a_cocher("c_ls", QStringLiteral("Lieu"), true, g_copier);
  case_soleil_ = case_a_cocher("c_ss", QStringLiteral("Soleil"), true, g_copier);
  case_lune_ = case_a_cocher("c_lls", QStringLiteral("Lune"), true, g_copier);
  bouton_copie_ = bouton("copy_sol", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    grille->addWidget(case_date_heure_, 0, 0);
    grille->addWidget(case_lieu_, 1, 0);
    grille->addWidget(case_soleil_, 0, 1);
    grille->addWidget(case_lune_, 1, 1);
    grille->addWidget(bouton_copie_, 2, 0, 1, 2, Qt::AlignHCenter);
  }

  // ---- "Soleil" and "Lune" -------------------------------------------------------------
  auto* groupe_soleil = groupe("GroupBox3", QStringLiteral("Soleil"), this);
  remplir_groupe(groupe_soleil, lignes_soleil, etiquettes_soleil_);
  auto* groupe_lune = groupe("GroupBox4", QStringLiteral("Lune"), this);
  QGridLayout* grille_lune = remplir_groupe(groupe_lune, lignes_lune, etiquettes_lune_);
  image_phase_ = cadre_image("pb_lune", dessin::cote_phase, dessin::cote_phase, groupe_lune);
  {
    const int rangs = static_cast<int>(std::size(lignes_lune));
    grille_lune->addWidget(new QLabel(QStringLiteral("Apparence de la Lune"), groupe_lune), rangs, 0, Qt::AlignTop);
    grille_lune->addWidget(image_phase_, rangs, 1, Qt::AlignRight);
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    auto* haut = new QHBoxLayout;
    haut->addLayout(saisie);
    haut->addSpacing(16);
    haut->addWidget(g_copier);
    haut->addStretch(1);
    auto* soleil = new QVBoxLayout;
    soleil->addWidget(groupe_soleil);
    soleil->addStretch(1);
    auto* lune = new QVBoxLayout;
    lune->addWidget(groupe_lune);
    lune->addStretch(1);
    auto* bas = new QHBoxLayout;
    bas->addLayout(soleil, 4);
    bas->addLayout(lune, 5);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addLayout(bas, 1);
    page->addWidget(bouton_lune_);
  }

  // ---- Handlers ------------------------------------------------------------------------
  date_.relier(
      this, [this](sens_pas s) { pas_date(s); }, contexte_.verifications(), [this] { contexte_.valider_annees(); });
  connect(heure_, &QTimeEdit::editingFinished, this, &PageSoleilLune::calculer);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PageSoleilLune::calculer);
  connect(bouton_lune_, &QPushButton::clicked, this, &PageSoleilLune::calculer_lune);
  connect(bouton_maintenant_, &QPushButton::clicked, this, &PageSoleilLune::maintenant);
  connect(bouton_copie_, &QPushButton::clicked, this, &PageSoleilLune::copier);
}

QWidget* PageSoleilLune::bouton_calcul() const {
  return bouton_calcul_;
}

void PageSoleilLune::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PageSoleilLune::poser_heure_de_demarrage(const QTime& heure) {
  heure_->setTime(heure);
}

instant_saisi PageSoleilLune::instant_a_calculer() {
  return date_.instant_a_calculer(heure_);
}

void PageSoleilLune::calculer() {
  const instant_saisi instant = instant_a_calculer();
  const echelle_temps& echelle = contexte_.session().echelle();
  const instant_lu lu = lire_instant(instant, echelle);
  resultat_.saisie = instant;
  resultat_.jour_julien = lu.jde;
  resultat_.mention = lu.mention;
  resultat_.soleil =
      soleil_de_l_instant(lu, contexte_.session().site(), QLocale().decimalPoint().toStdString(), echelle);
  site_calcule_ = contexte_.session().site_affiche();
  afficher(resultat_.soleil.textes, etiquettes_soleil_);
  montrer_mention(mention_, resultat_.mention);
  bouton_lune_->click();
}

void PageSoleilLune::calculer_lune() {
  // The date and time of the Sun's part of the page, which has just shown them.
  const echelle_temps& echelle = contexte_.session().echelle();
  resultat_.lune = lune_de_l_instant(lire_instant(instant_a_calculer(), echelle), contexte_.session().site(),
                                     QLocale().decimalPoint().toStdString(), echelle);
  afficher(resultat_.lune.textes, etiquettes_lune_);
  image_ = dessin::image_phase(resultat_.lune.fraction_arrondie, Qt::black, palette().color(QPalette::Window));
  montrer_image(image_phase_, image_);
}

void PageSoleilLune::maintenant() {
  Page::maintenant(heure_);
}

void PageSoleilLune::pas_date(sens_pas sens) {
  date_.normaliser(sens);
  calculer();
}

void PageSoleilLune::copier() {
  cases_soleil_lune cases;
  cases.date_heure = case_date_heure_->isChecked();
  cases.lieu = case_lieu_->isChecked();
  cases.soleil = case_soleil_->isChecked();
  cases.lune = case_lune_->isChecked();
  // The date and site of the values shown; before any computation, the fields.
  instant_saisi instant = resultat_.saisie;
  if (!site_calcule_) {
    instant.date = date_.date();
    const QTime h = heure_->time();
    instant.heure = h.hour();
    instant.minute = h.minute();
    instant.seconde = h.second();
  }
  const std::string rapport = copie_soleil_lune(resultat_, cases, champs_bloc_date_de(instant),
                                                site_calcule_.value_or(contexte_.session().site_affiche()));
  // Always appended: with every box unchecked it is one empty line.
  contexte_.ajouter_rapport(QString::fromStdString(rapport));
}

std::vector<annee_a_valider> PageSoleilLune::annees_a_valider() const {
  return {annee(champ_annee::soleil_lune, date_.an(), QStringLiteral("Année"))};
}

}  // namespace almanax::ihm
