#include "ihm/pages/page_planetarium_helio.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>

#include "dessin/dessin_planetarium.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

namespace {

const noms_planetarium noms_helio = {
    "plan_helio",
    "Plan. héliocentrique",
    "10-planetarium-heliocentrique",
    {"h_jour", "up_jour_helio", "h_mois", "up_mois_helio", "h_an", "up_an_helio"},
    "h_heure",
    "b_helio",
    "BitBtn3",
    "pb_helio",
    largeur_helio,
    hauteur_helio,
    "tb",
    noms_planetes,
    couleurs_helio,
    "rg_helio",
    {QStringLiteral("1 jour"), QStringLiteral("1 mois"), QStringLiteral("1 an")},
    0,
    "defilh",
    "bt_helio_prev",
    "bt_stop_helio",
    "bt_helio_next",
    "save_helio",
    "Planétarium héliocentrique",
};

}  // namespace

PagePlanetariumHelio::PagePlanetariumHelio(Contexte& contexte, QWidget* parent)
    : PagePlanetarium(contexte, noms_helio, parent) {
  pinfoh_ = new QFrame(this);
  pinfoh_->setObjectName(QStringLiteral("pinfoh"));
  pinfoh_->setFrameShape(QFrame::StyledPanel);
  lbnomh_ = new QLabel(pinfoh_);
  lbnomh_->setObjectName(QStringLiteral("lbnomh"));
  QFont gras = lbnomh_->font();
  gras.setBold(true);
  lbnomh_->setFont(gras);
  llh_ = new QLabel(pinfoh_);
  llh_->setObjectName(QStringLiteral("llh"));
  lrh_ = new QLabel(pinfoh_);
  lrh_->setObjectName(QStringLiteral("lrh"));
  auto* grille = new QGridLayout(pinfoh_);
  grille->setVerticalSpacing(1);
  grille->addWidget(lbnomh_, 0, 0);
  grille->addWidget(new QLabel(QStringLiteral("Longitude"), pinfoh_), 1, 0);
  grille->addWidget(llh_, 2, 0, Qt::AlignRight);
  grille->addWidget(new QLabel(QStringLiteral("Dist. au Soleil"), pinfoh_), 3, 0);
  grille->addWidget(lrh_, 4, 0, Qt::AlignRight);
  pinfoh_->setVisible(false);
  panneau_->addWidget(pinfoh_);

  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()})
    connect(s, &EditionSpin::clic, this, &PagePlanetariumHelio::up_an_helioClick);
  connect(date_.jour(), &EditionSpin::quitte, this, &PagePlanetariumHelio::h_jourExit);
  connect(date_.an(), &EditionSpin::quitte, this, &PagePlanetariumHelio::anequiExit);
}

void PagePlanetariumHelio::b_helioClick() {
  resultat_ =
      calcul_helio(instant_des_champs(), cadre_->width(), cadre_->height(), QLocale().decimalPoint().toStdString());
  const std::array<bool, nombre_planetes> montrees = corps_montres_tableau<nombre_planetes>();
  montrer(dessin::image_helio(resultat_, montrees, palette().color(QPalette::Button)));
  avertir_pluton(resultat_.avertissement_pluton, montrees[static_cast<int>(planete::pluton)]);
  afficher_panneau();
}

void PagePlanetariumHelio::afficher_panneau() {
  llh_->clear();
  lrh_->clear();
  pinfoh_->setVisible(choisie_.has_value());
  if (!choisie_) {
    lbnomh_->clear();
    return;
  }
  const planete_helio& p = resultat_.planetes[*choisie_];
  lbnomh_->setText(QString::fromStdString(std::string(nom_planete(p.p))));
  nom_en_couleur(lbnomh_, dessin::couleur_qt(couleurs_helio[*choisie_]));
  llh_->setText(QString::fromStdString(p.texte_longitude));
  lrh_->setText(QString::fromStdString(p.texte_rayon));
}

void PagePlanetariumHelio::pb_helioMouseDown(QPoint p) {
  choisie_ = dessin::planete_sous(image_, resultat_, corps_montres_tableau<nombre_planetes>(), p);
  afficher_panneau();
}

void PagePlanetariumHelio::up_an_helioClick(sens_pas sens) {
  date_.normaliser(sens);
  b_helioClick();
}

void PagePlanetariumHelio::h_jourExit() {
  date_.verifier_jour(contexte_.verifications());
}

void PagePlanetariumHelio::anequiExit() {
  contexte_.valider_annees();
}

bool PagePlanetariumHelio::faire_pas(sens_pas sens) {
  const std::optional<date_jma> d = pas_helio(date_.date(), static_cast<intervalle_helio>(intervalle()), sens);
  if (!d) return false;
  date_.poser(*d);
  b_helioClick();
  return true;
}

std::vector<annee_a_valider> PagePlanetariumHelio::annees_a_valider() const {
  return {annee(champ_annee::planetarium_helio, date_.an(), QStringLiteral("Année"))};
}

std::vector<date_a_borner> PagePlanetariumHelio::dates_a_borner() const {
  return {{date_bornee::planetarium_helio, date_.jour(), date_.mois(), date_.an()}};
}

}  // namespace almanax::ihm
