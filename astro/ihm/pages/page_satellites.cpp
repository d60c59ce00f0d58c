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

namespace almanax::ihm {

PageSatellites::PageSatellites(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("sat_jup"), QStringLiteral("Sat. joviens"), QStringLiteral("05-satellites-joviens"),
           parent) {
  an_sat_ = new EditionSpin(QStringLiteral("an_sat"), QStringLiteral("up_an_sat"), -4713, 9999, this);
  an_sat_->setBoucle(true);
  an_sat_->setPosition(1994);
  mois_sat_ = new EditionSpin(QStringLiteral("mois_sat"), QStringLiteral("up_mois_sat"), 1, 12, this);
  // Its arrows only move the month, round from 12 to 1 without touching the year; the
  // chart waits for "OK" (or a resize of the window).
  mois_sat_->setBoucle(true);
  mois_sat_->setPosition(1);
  FiltreTouches::installer(an_sat_, filtre::annee);
  expliquer_annee(an_sat_, numerotation_annees::historique);
  FiltreTouches::installer(mois_sat_, filtre::chiffres);
  c_io_ = case_a_cocher("c_io", QStringLiteral("Io"), true, this);
  c_eu_ = case_a_cocher("c_eu", QStringLiteral("Europe"), true, this);
  c_gan_ = case_a_cocher("c_gan", QStringLiteral("Ganymède"), true, this);
  c_cal_ = case_a_cocher("c_cal", QStringLiteral("Callisto"), true, this);
  bt_sat_jovien_ = bouton("bt_sat_jovien", QStringLiteral("&OK"), this);
  imp_sat_ = bouton("imp_sat", QStringLiteral("Sauvegarder"), this);
  sat_jov_ = new QLabel(this);
  sat_jov_->setObjectName(QStringLiteral("sat_jov"));
  sat_jov_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The picture never asks the layout for room: it is drawn at the size the window
  // gives it (taille_image) and shown from its top left corner.
  sat_jov_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  sat_jov_->setMinimumSize(200, 150);

  {
    auto* haut = new QHBoxLayout;
    auto* l_mois = new QLabel(QStringLiteral("Mois"), this);
    l_mois->setBuddy(mois_sat_);
    auto* l_an = new QLabel(QStringLiteral("Année"), this);
    l_an->setBuddy(an_sat_);
    haut->addWidget(l_mois);
    haut->addWidget(mois_sat_);
    haut->addSpacing(8);
    haut->addWidget(l_an);
    haut->addWidget(an_sat_);
    haut->addSpacing(16);
    for (QCheckBox* c : {c_io_, c_eu_, c_gan_, c_cal_}) haut->addWidget(c);
    haut->addSpacing(16);
    haut->addWidget(bt_sat_jovien_);
    haut->addWidget(imp_sat_);
    haut->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addWidget(sat_jov_, 1);
  }
  // The year is built before the month it stands right of.
  ordre_tabulation({mois_sat_, an_sat_, c_io_, c_eu_, c_gan_, c_cal_, bt_sat_jovien_, imp_sat_});

  connect(an_sat_, &EditionSpin::clic, this, &PageSatellites::up_an_satClick);
  connect(an_sat_, &EditionSpin::quitte, this, &PageSatellites::anequiExit);
  connect(bt_sat_jovien_, &QPushButton::clicked, this, &PageSatellites::bt_sat_jovienClick);
  connect(imp_sat_, &QPushButton::clicked, this, &PageSatellites::imp_satClick);
}

QWidget* PageSatellites::bouton_calcul() const {
  return bt_sat_jovien_;
}

void PageSatellites::poser_date_de_demarrage(const date_jma& date) {
  mois_sat_->setPosition(date.mois);
  an_sat_->setPosition(date.annee);
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

void PageSatellites::bt_sat_jovienClick() {
  // A year 0 typed in the field is read as 1, as the other pages' date fields do.
  if (an_sat_->position() == 0) an_sat_->setPosition(1);
  const QSize taille = taille_image();
  graphique_ = graphique_des_satellites(mois_sat_->position(), an_sat_->position(), taille.width(), taille.height());
  const std::array<bool, 4> dessines = {c_gan_->isChecked(), c_eu_->isChecked(), c_io_->isChecked(),
                                        c_cal_->isChecked()};
  image_ = dessin::image_satellites(graphique_, dessines);
  montrer_image(sat_jov_, image_);
}

void PageSatellites::up_an_satClick(sens_pas sens) {
  // Historical years: after -1 comes 1.
  if (an_sat_->position() == 0) an_sat_->setPosition(sens == sens_pas::avant ? 1 : -1);
}

void PageSatellites::anequiExit() {
  contexte_.valider_annees();
}

void PageSatellites::imp_satClick() {
  sauver_image(contexte_.dialogues(), contexte_.messages(), this, image_,
               QStringLiteral("Configuration des satelites joviens"));
}

std::vector<annee_a_valider> PageSatellites::annees_a_valider() const {
  return {annee(champ_annee::satellites, an_sat_, QStringLiteral("Année"))};
}

}  // namespace almanax::ihm
