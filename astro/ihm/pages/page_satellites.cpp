#include "ihm/pages/page_satellites.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dessin/dessin_graphiques.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/fenetre_principale.h"
#include "ihm/messages.h"
#include "ihm/pages/mention_heure.h"

namespace almanax::ihm {

PageSatellites::PageSatellites(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("sat_jup"), QStringLiteral("Sat. joviens"), QStringLiteral("05-satellites-joviens"),
           parent) {
  annee_ = new EditionSpin(QStringLiteral("an_sat"), QStringLiteral("up_an_sat"), -4713, 9999, this);
  annee_->setBoucle(true);
  annee_->setPosition(1994);
  mois_ = new EditionSpin(QStringLiteral("mois_sat"), QStringLiteral("up_mois_sat"), 1, 12, this);
  // Its arrows only move the month, round from 12 to 1 without touching the year; the
  // chart waits for "OK" (or a resize of the window).
  mois_->setBoucle(true);
  mois_->setPosition(1);
  FiltreTouches::installer(annee_, filtre::annee);
  expliquer_annee(annee_, numerotation_annees::historique);
  FiltreTouches::installer(mois_, filtre::chiffres);
  case_io_ = case_a_cocher("c_io", QStringLiteral("Io"), true, this);
  case_europe_ = case_a_cocher("c_eu", QStringLiteral("Europe"), true, this);
  case_ganymede_ = case_a_cocher("c_gan", QStringLiteral("Ganymède"), true, this);
  case_callisto_ = case_a_cocher("c_cal", QStringLiteral("Callisto"), true, this);
  bouton_calcul_ = bouton("bt_sat_jovien", QStringLiteral("&OK"), this);
  bouton_enregistrer_ = bouton("imp_sat", QStringLiteral("Sauvegarder"), this);
  cadre_graphique_ = new QLabel(this);
  cadre_graphique_->setObjectName(QStringLiteral("sat_jov"));
  cadre_graphique_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The picture never asks the layout for room: it is drawn at the size the window
  // gives it (taille_image) and shown from its top left corner.
  cadre_graphique_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  cadre_graphique_->setMinimumSize(200, 150);

  {
    auto* haut = new QHBoxLayout;
    auto* l_mois = new QLabel(QStringLiteral("Mois"), this);
    l_mois->setBuddy(mois_);
    auto* l_an = new QLabel(QStringLiteral("Année"), this);
    l_an->setBuddy(annee_);
    haut->addWidget(l_mois);
    haut->addWidget(mois_);
    haut->addSpacing(8);
    haut->addWidget(l_an);
    haut->addWidget(annee_);
    haut->addSpacing(16);
    for (QCheckBox* c : {case_io_, case_europe_, case_ganymede_, case_callisto_}) haut->addWidget(c);
    haut->addSpacing(16);
    haut->addWidget(bouton_calcul_);
    haut->addWidget(bouton_enregistrer_);
    mention_ = etiquette_mention(this);
    mention_->setContentsMargins(16, 0, 0, 0);
    haut->addWidget(mention_);
    haut->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addWidget(cadre_graphique_, 1);
  }
  // The year is built before the month it stands right of.
  ordre_tabulation(
      {mois_, annee_, case_io_, case_europe_, case_ganymede_, case_callisto_, bouton_calcul_, bouton_enregistrer_});

  connect(annee_, &EditionSpin::clic, this, &PageSatellites::pas_date);
  connect(annee_, &EditionSpin::quitte, this, &PageSatellites::valider_annees);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PageSatellites::calculer);
  connect(bouton_enregistrer_, &QPushButton::clicked, this, &PageSatellites::enregistrer_image);
}

QWidget* PageSatellites::bouton_calcul() const {
  return bouton_calcul_;
}

void PageSatellites::poser_date_de_demarrage(const date_jma& date) {
  mois_->setPosition(date.mois);
  annee_->setPosition(date.annee);
}

QSize PageSatellites::taille_image() const {
  // The chart keeps the design margins to the window's edges, so it is 768 x 434 at
  // the window's design size and grows and shrinks with the window. A page shown
  // alone draws at the design size.
  const QWidget* fenetre = window();
  if (fenetre == this) return {sat_largeur, sat_hauteur};
  return {std::max(200, fenetre->width() - (largeur_conception - sat_largeur)),
          std::max(150, fenetre->height() - (hauteur_conception - sat_hauteur))};
}

void PageSatellites::calculer() {
  // A year 0 typed in the field is read as 1, as the other pages' date fields do.
  if (annee_->position() == 0) annee_->setPosition(1);
  const QSize taille = taille_image();
  graphique_ = graphique_des_satellites(mois_->position(), annee_->position(), taille.width(), taille.height(),
                                        contexte_.session().echelle());
  montrer_mention(mention_, graphique_.mention);
  const std::array<bool, 4> dessines = {case_ganymede_->isChecked(), case_europe_->isChecked(), case_io_->isChecked(),
                                        case_callisto_->isChecked()};
  image_ = dessin::image_satellites(graphique_, dessines);
  montrer_image(cadre_graphique_, image_);
}

void PageSatellites::pas_date(sens_pas sens) {
  // Historical years: after -1 comes 1.
  if (annee_->position() == 0) annee_->setPosition(sens == sens_pas::avant ? 1 : -1);
}

void PageSatellites::valider_annees() {
  contexte_.valider_annees();
}

void PageSatellites::enregistrer_image() {
  sauver_image(contexte_.dialogues(), contexte_.messages(), this, image_,
               QStringLiteral("Configuration des satelites joviens"));
}

std::vector<annee_a_valider> PageSatellites::annees_a_valider() const {
  return {annee(champ_annee::satellites, annee_, QStringLiteral("Année"))};
}

}  // namespace almanax::ihm
