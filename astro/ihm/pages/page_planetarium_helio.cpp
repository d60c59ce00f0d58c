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
  panneau_planete_ = new QFrame(this);
  panneau_planete_->setObjectName(QStringLiteral("pinfoh"));
  panneau_planete_->setFrameShape(QFrame::StyledPanel);
  nom_planete_ = new QLabel(panneau_planete_);
  nom_planete_->setObjectName(QStringLiteral("lbnomh"));
  QFont gras = nom_planete_->font();
  gras.setBold(true);
  nom_planete_->setFont(gras);
  longitude_ = new QLabel(panneau_planete_);
  longitude_->setObjectName(QStringLiteral("llh"));
  rayon_ = new QLabel(panneau_planete_);
  rayon_->setObjectName(QStringLiteral("lrh"));
  auto* grille = new QGridLayout(panneau_planete_);
  grille->setVerticalSpacing(1);
  grille->addWidget(nom_planete_, 0, 0);
  grille->addWidget(new QLabel(QStringLiteral("Longitude"), panneau_planete_), 1, 0);
  grille->addWidget(longitude_, 2, 0, Qt::AlignRight);
  grille->addWidget(new QLabel(QStringLiteral("Dist. au Soleil"), panneau_planete_), 3, 0);
  grille->addWidget(rayon_, 4, 0, Qt::AlignRight);
  panneau_planete_->setVisible(false);
  panneau_->addWidget(panneau_planete_);

  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()})
    connect(s, &EditionSpin::clic, this, &PagePlanetariumHelio::pas_date);
  // Leaving the day checks it; leaving the year runs the window's year check.
  connect(date_.jour(), &EditionSpin::quitte, this, [this] { date_.verifier_jour(contexte_.verifications()); });
  connect(date_.an(), &EditionSpin::quitte, this, [this] { contexte_.valider_annees(); });
}

void PagePlanetariumHelio::dessiner() {
  resultat_ = calcul_helio(instant_des_champs(), cadre_->width(), cadre_->height(),
                           QLocale().decimalPoint().toStdString(), contexte_.session().echelle());
  const std::array<bool, nombre_planetes> montrees = corps_montres_tableau<nombre_planetes>();
  montrer(dessin::image_helio(resultat_, montrees, palette().color(QPalette::Button)));
  avertir_pluton(resultat_.avertissement_pluton, montrees[static_cast<int>(planete::pluton)]);
  afficher_panneau();
}

void PagePlanetariumHelio::afficher_panneau() {
  longitude_->clear();
  rayon_->clear();
  panneau_planete_->setVisible(choisie_.has_value());
  if (!choisie_) {
    nom_planete_->clear();
    return;
  }
  const planete_helio& p = resultat_.planetes[*choisie_];
  nom_planete_->setText(QString::fromStdString(std::string(nom_planete(p.p))));
  nom_en_couleur(nom_planete_, dessin::couleur_qt(couleurs_helio[*choisie_]));
  longitude_->setText(QString::fromStdString(p.texte_longitude));
  rayon_->setText(QString::fromStdString(p.texte_rayon));
}

void PagePlanetariumHelio::cliquer(QPoint p) {
  choisie_ = dessin::planete_sous(image_, resultat_, corps_montres_tableau<nombre_planetes>(), p);
  afficher_panneau();
}

void PagePlanetariumHelio::pas_date(sens_pas sens) {
  date_.normaliser(sens);
  dessiner();
}

bool PagePlanetariumHelio::faire_pas(sens_pas sens) {
  const std::optional<date_jma> d = pas_helio(date_.date(), static_cast<intervalle_helio>(intervalle()), sens);
  if (!d) return false;
  date_.poser(*d);
  dessiner();
  return true;
}

std::vector<annee_a_valider> PagePlanetariumHelio::annees_a_valider() const {
  return {annee(champ_annee::planetarium_helio, date_.an(), QStringLiteral("Année"))};
}

std::vector<date_a_borner> PagePlanetariumHelio::dates_a_borner() const {
  return {{date_bornee::planetarium_helio, date_.jour(), date_.mois(), date_.an()}};
}

}  // namespace almanax::ihm
