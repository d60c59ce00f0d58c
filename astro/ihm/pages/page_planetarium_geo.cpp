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
  nom_corps_ = new QLabel(QStringLiteral("Mars"), this);
  nom_corps_->setObjectName(QStringLiteral("lbnomg"));
  QFont gras = nom_corps_->font();
  gras.setBold(true);
  nom_corps_->setFont(gras);
  nom_en_couleur(nom_corps_, QColor(255, 0, 0));
  legende_alpha_ = new QLabel(QStringLiteral("α"), this);
  legende_alpha_->setObjectName(QStringLiteral("lbag"));
  legende_delta_ = new QLabel(QStringLiteral("δ"), this);
  legende_delta_->setObjectName(QStringLiteral("lbdg"));
  ascension_droite_ = new QLabel(this);
  ascension_droite_->setObjectName(QStringLiteral("lalg"));
  declinaison_ = new QLabel(this);
  declinaison_->setObjectName(QStringLiteral("ldecg"));
  jour_julien_ = new QLabel(this);
  jour_julien_->setObjectName(QStringLiteral("lbjdg"));
  jour_julien_->setWordWrap(true);
  info->addWidget(nom_corps_, 0, 0, 1, 2);
  info->addWidget(legende_alpha_, 1, 0);
  info->addWidget(ascension_droite_, 1, 1, Qt::AlignRight);
  info->addWidget(legende_delta_, 2, 0);
  info->addWidget(declinaison_, 2, 1, Qt::AlignRight);
  info->addWidget(jour_julien_, 3, 0, 1, 2);
  panneau_->addLayout(info);

  connect(date_.mois(), &EditionSpin::clic, this, &PagePlanetariumGeo::pas_date);
  connect(date_.an(), &EditionSpin::clic, this, &PagePlanetariumGeo::pas_date);
}

void PagePlanetariumGeo::dessiner() {
  resultat_ = calcul_geo(instant_des_champs(), cadre_->width(), cadre_->height(),
                         QLocale().decimalPoint().toStdString(), contexte_.session().echelle());
  const std::array<bool, nombre_corps_geo> montres = corps_montres_tableau<nombre_corps_geo>();
  montrer(dessin::image_geo(resultat_, montres, palette().color(QPalette::Button)));
  avertir_pluton(resultat_.avertissement_pluton, montres[static_cast<int>(corps_geo::pluton)]);
  jour_julien_->setText(QString::fromStdString(resultat_.jour_julien));
  afficher_panneau();
}

void PagePlanetariumGeo::afficher_panneau() {
  ascension_droite_->clear();
  declinaison_->clear();
  legende_alpha_->setVisible(choisi_.has_value());
  legende_delta_->setVisible(choisi_.has_value());
  if (!choisi_) {
    nom_corps_->clear();
    nom_en_couleur(nom_corps_, Qt::black);
    return;
  }
  const astre_geo& a = resultat_.astres[*choisi_];
  nom_corps_->setText(QString::fromStdString(std::string(noms_corps_geo[*choisi_])));
  nom_en_couleur(nom_corps_, dessin::couleur_qt(couleurs_geo[*choisi_]));
  ascension_droite_->setText(QString::fromStdString(a.texte_alpha));
  declinaison_->setText(QString::fromStdString(a.texte_delta));
}

void PagePlanetariumGeo::cliquer(QPoint p) {
  choisi_ = dessin::corps_sous(image_, resultat_, corps_montres_tableau<nombre_corps_geo>(), p);
  afficher_panneau();
}

void PagePlanetariumGeo::pas_date(sens_pas sens) {
  date_jma d = date_.date();
  if (d.annee == 0) d.annee = sens == sens_pas::arriere ? -1 : 1;
  d.jour = std::min(d.jour, jours_du_mois(d.mois, annee_astronomique(d.annee)));
  date_.poser(d);
  date_.normaliser(sens);
  dessiner();
}

bool PagePlanetariumGeo::faire_pas(sens_pas sens) {
  const std::optional<instant_saisi> i =
      pas_geo(instant_des_champs(), static_cast<intervalle_geo>(intervalle()), sens, contexte_.session().echelle());
  if (!i) return false;
  poser_instant(*i);
  dessiner();
  return true;
}

}  // namespace almanax::ihm
