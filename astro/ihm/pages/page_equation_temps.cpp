#include "ihm/pages/page_equation_temps.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dessin/dessin_graphiques.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"

namespace almanax::ihm {

PageEquationTemps::PageEquationTemps(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("equation_du_temps"), QStringLiteral("Equa. Temps"),
           QStringLiteral("06-equation-du-temps"), parent),
      date_({"equa_jour", "up_equa_jour", "equa_mois", "up_equa_mois", "equa_an", "up_equa_an"}, {13, 10, 1992}, true,
            this) {
  cadre_courbe_ = cadre_image("equa", largeur_courbe_equation, hauteur_courbe_equation, this);
  cadre_courbe_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  bouton_calcul_ = bouton("bt_equa_time", QStringLiteral("&OK"), this);
  valeur_du_jour_ = new QLabel(this);
  valeur_du_jour_->setObjectName(QStringLiteral("l_equa"));
  valeur_du_jour_->setAlignment(Qt::AlignCenter);
  valeur_du_jour_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  bouton_enregistrer_ = bouton("save_tmps", QStringLiteral("Sauvegarder"), this);

  {
    auto* saisie = new QGridLayout;
    date_.disposer(saisie, 0, nullptr);
    auto* droite = new QVBoxLayout;
    droite->addLayout(saisie);
    droite->addWidget(bouton_calcul_, 0, Qt::AlignHCenter);
    droite->addSpacing(12);
    droite->addWidget(valeur_du_jour_);
    droite->addSpacing(12);
    droite->addWidget(bouton_enregistrer_, 0, Qt::AlignHCenter);
    droite->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addWidget(cadre_courbe_, 0, Qt::AlignTop);
    page->addSpacing(16);
    page->addLayout(droite);
    page->addStretch(1);
  }

  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()})
    connect(s, &EditionSpin::clic, this, &PageEquationTemps::pas_date);
  connect(date_.jour(), &EditionSpin::texteChange, this, &PageEquationTemps::jour_change);
  connect(date_.an(), &EditionSpin::quitte, this, &PageEquationTemps::valider_annees);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PageEquationTemps::calculer);
  connect(bouton_enregistrer_, &QPushButton::clicked, this, &PageEquationTemps::enregistrer_image);
}

QWidget* PageEquationTemps::bouton_calcul() const {
  return bouton_calcul_;
}

void PageEquationTemps::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PageEquationTemps::calculer() {
  const date_jma date = date_.date_a_calculer();
  const echelle_temps& echelle = contexte_.session().echelle();
  courbe_ = trace_equation_du_temps(date.annee, largeur_courbe_equation, hauteur_courbe_equation, echelle);
  image_ = dessin::image_equation_du_temps(courbe_);
  montrer_image(cadre_courbe_, image_);
  jour_ = equation_du_temps_du_jour(date, echelle);
  valeur_du_jour_->setText(QString::fromStdString(jour_.texte));
}

void PageEquationTemps::pas_date(sens_pas sens) {
  // The date moves; the curve waits for "OK".
  date_.normaliser(sens);
}

void PageEquationTemps::jour_change() {
  // Only what the user types: the arrows' own steps past the month's end must reach
  // the date step intact, which carries them into the next month.
  if (!date_.jour()->modifie()) return;
  bool ok_j = false, ok_m = false, ok_a = false;
  const int jour = texte_champ(date_.jour()).trimmed().toInt(&ok_j);
  const int mois = texte_champ(date_.mois()).trimmed().toInt(&ok_m);
  const int annee = texte_champ(date_.an()).trimmed().toInt(&ok_a);
  // An empty or half-typed field waits until it holds a number.
  if (!ok_j || !ok_m || !ok_a) return;
  const int borne = verifier_jour(jour, mois, annee);
  if (borne != jour) date_.jour()->setPosition(borne);
}

void PageEquationTemps::valider_annees() {
  contexte_.valider_annees();
}

void PageEquationTemps::enregistrer_image() {
  sauver_image(contexte_.dialogues(), contexte_.messages(), this, image_, QStringLiteral("Équation du temps"));
}

std::vector<annee_a_valider> PageEquationTemps::annees_a_valider() const {
  return {annee(champ_annee::equation_temps, date_.an(), QStringLiteral("Année"))};
}

}  // namespace almanax::ihm
