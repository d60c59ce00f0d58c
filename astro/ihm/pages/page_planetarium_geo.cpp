#include "ihm/pages/page_planetarium_geo.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>

#include "dessin/dessin_planetarium.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

namespace {

const noms_planetarium noms_geo = {
    "plan_geo",
    "Plan. géocentrique",
    "11-planetarium-geocentrique",
    {"ejg", "ujg", "emg", "umg", "eag", "uag"},
    "dtg",
    "b_pg",
    "BitBtn7",
    "p_geo",
    largeur_geo,
    hauteur_geo,
    "tg",
    noms_corps_geo,
    couleurs_geo,
    "interg",
    {QStringLiteral("1 heure"), QStringLiteral("1 jour"), QStringLiteral("7 jours"), QStringLiteral("1 mois"),
     QStringLiteral("6 mois"), QStringLiteral("1 an")},
    2,
    "defilg",
    "backg",
    "stopg",
    "nextg",
    "save_geo",
    "Planétarium géocentrique",
};

}  // namespace

PagePlanetariumGeo::PagePlanetariumGeo(Contexte& contexte, QWidget* parent)
    : PagePlanetarium(contexte, noms_geo, parent) {
  // Day and month go round within their bounds. The day keeps 1..31 whatever the month,
  // so a day typed is never cut by the length of a month shown before; the month and
  // year arrows bring the day into its month.
  date_.jour()->setBornes(1, 31);
  date_.jour()->setBoucle(true);
  date_.mois()->setBornes(1, 12);
  date_.mois()->setBoucle(true);

  auto* info = new QGridLayout;
  lbnomg_ = new QLabel(QStringLiteral("Mars"), this);
  lbnomg_->setObjectName(QStringLiteral("lbnomg"));
  QFont gras = lbnomg_->font();
  gras.setBold(true);
  lbnomg_->setFont(gras);
  nom_en_couleur(lbnomg_, QColor(255, 0, 0));
  lbag_ = new QLabel(QStringLiteral("α"), this);
  lbag_->setObjectName(QStringLiteral("lbag"));
  lbdg_ = new QLabel(QStringLiteral("δ"), this);
  lbdg_->setObjectName(QStringLiteral("lbdg"));
  lalg_ = new QLabel(this);
  lalg_->setObjectName(QStringLiteral("lalg"));
  ldecg_ = new QLabel(this);
  ldecg_->setObjectName(QStringLiteral("ldecg"));
  lbjdg_ = new QLabel(this);
  lbjdg_->setObjectName(QStringLiteral("lbjdg"));
  lbjdg_->setWordWrap(true);
  info->addWidget(lbnomg_, 0, 0, 1, 2);
  info->addWidget(lbag_, 1, 0);
  info->addWidget(lalg_, 1, 1, Qt::AlignRight);
  info->addWidget(lbdg_, 2, 0);
  info->addWidget(ldecg_, 2, 1, Qt::AlignRight);
  info->addWidget(lbjdg_, 3, 0, 1, 2);
  panneau_->addLayout(info);

  connect(date_.mois(), &EditionSpin::clic, this, &PagePlanetariumGeo::uagClick);
  connect(date_.an(), &EditionSpin::clic, this, &PagePlanetariumGeo::uagClick);
}

void PagePlanetariumGeo::b_pgClick() {
  resultat_ =
      calcul_geo(instant_des_champs(), cadre_->width(), cadre_->height(), QLocale().decimalPoint().toStdString());
  const std::array<bool, nombre_corps_geo> montres = corps_montres_tableau<nombre_corps_geo>();
  montrer(dessin::image_geo(resultat_, montres, palette().color(QPalette::Button)));
  avertir_pluton(resultat_.avertissement_pluton, montres[static_cast<int>(corps_geo::pluton)]);
  lbjdg_->setText(QString::fromStdString(resultat_.jour_julien));
  afficher_panneau();
}

void PagePlanetariumGeo::afficher_panneau() {
  lalg_->clear();
  ldecg_->clear();
  lbag_->setVisible(choisi_.has_value());
  lbdg_->setVisible(choisi_.has_value());
  if (!choisi_) {
    lbnomg_->clear();
    nom_en_couleur(lbnomg_, Qt::black);
    return;
  }
  const astre_geo& a = resultat_.astres[*choisi_];
  lbnomg_->setText(QString::fromStdString(std::string(noms_corps_geo[*choisi_])));
  nom_en_couleur(lbnomg_, dessin::couleur_qt(couleurs_geo[*choisi_]));
  lalg_->setText(QString::fromStdString(a.texte_alpha));
  ldecg_->setText(QString::fromStdString(a.texte_delta));
}

void PagePlanetariumGeo::p_geoMouseDown(QPoint p) {
  choisi_ = dessin::corps_sous(image_, resultat_, corps_montres_tableau<nombre_corps_geo>(), p);
  afficher_panneau();
}

void PagePlanetariumGeo::uagClick(sens_pas sens) {
  date_jma d = date_.date();
  if (d.annee == 0) d.annee = sens == sens_pas::arriere ? -1 : 1;
  d.jour = std::min(d.jour, jours_du_mois(d.mois, annee_astronomique(d.annee)));
  date_.poser(d);
  date_.normaliser(sens);
  b_pgClick();
}

bool PagePlanetariumGeo::faire_pas(sens_pas sens) {
  const std::optional<instant_saisi> i = pas_geo(instant_des_champs(), static_cast<intervalle_geo>(intervalle()), sens);
  if (!i) return false;
  poser_instant(*i);
  b_pgClick();
  return true;
}

}  // namespace almanax::ihm
