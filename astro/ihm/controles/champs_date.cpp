#include "ihm/controles/champs_date.h"

#include <QGridLayout>
#include <QLabel>
#include <QTimeEdit>

#include "ihm/controles/controles.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"

namespace almanax::ihm {

ChampsDate::ChampsDate(const noms_champs_date& noms, const date_jma& defaut, bool annee_en_boucle, QWidget* parent)
    : jour_(new EditionSpin(QString::fromLatin1(noms.jour), QString::fromLatin1(noms.fleches_jour), 0, 32, parent)),
      mois_(new EditionSpin(QString::fromLatin1(noms.mois), QString::fromLatin1(noms.fleches_mois), 0, 13, parent)),
      an_(new EditionSpin(QString::fromLatin1(noms.an), QString::fromLatin1(noms.fleches_an), -4713, 9999, parent)) {
  an_->setBoucle(annee_en_boucle);
  FiltreTouches::installer(jour_, filtre::chiffres);
  FiltreTouches::installer(mois_, filtre::chiffres);
  FiltreTouches::installer(an_, filtre::annee);
  expliquer_annee(an_, numerotation_annees::historique);
  poser(defaut);
}

date_jma ChampsDate::date() const {
  return {jour_->position(), mois_->position(), an_->position()};
}

void ChampsDate::poser(const date_jma& d) {
  jour_->setPosition(d.jour);
  mois_->setPosition(d.mois);
  an_->setPosition(d.annee);
}

void ChampsDate::normaliser(sens_pas sens) {
  poser(pas_des_champs_date(date(), sens));
}

date_jma ChampsDate::date_a_calculer() {
  const date_jma lue = date();
  // A calendar date goes through the normalisation unchanged; a day the 1582 reform
  // removed becomes the nearer day that exists.
  const date_jma d = pas_des_champs_date(date_hors_lacune_1582(lue), sens_pas::avant);
  // Written back also when only the text differs from the position (a year typed
  // beyond the bounds, a field left empty).
  if (d != lue || texte_champ(jour_) != QString::number(d.jour) || texte_champ(mois_) != QString::number(d.mois) ||
      texte_champ(an_) != QString::number(d.annee))
    poser(d);
  return d;
}

instant_saisi ChampsDate::instant_a_calculer(const QTimeEdit* heure) {
  instant_saisi i;
  i.date = date_a_calculer();
  const QTime h = heure->time();
  i.heure = h.hour();
  i.minute = h.minute();
  i.seconde = h.second();
  i.milliseconde = h.msec();
  return i;
}

void ChampsDate::relier(QObject* page, const std::function<void(sens_pas)>& pas, VerificationsDates& verifications,
                        const std::function<void()>& valider_annees) {
  for (EditionSpin* s : {jour_, mois_, an_}) QObject::connect(s, &EditionSpin::clic, page, pas);
  QObject::connect(jour_, &EditionSpin::quitte, page, [this, &verifications] { verifier_jour(verifications); });
  if (valider_annees) QObject::connect(an_, &EditionSpin::quitte, page, valider_annees);
}

void ChampsDate::verifier_jour(VerificationsDates& verifications) {
  verifications.verifier_jour(jour_, mois_, an_);
}

void ChampsDate::disposer(QGridLayout* grille, int ligne, QTimeEdit* heure) const {
  QWidget* parent = grille->parentWidget();
  int colonne = 0;
  auto ajouter = [&](const QString& legende, QWidget* champ) {
    auto* l = new QLabel(legende, parent);
    l->setBuddy(champ);
    grille->addWidget(l, ligne, colonne++, Qt::AlignRight);
    grille->addWidget(champ, ligne, colonne++);
  };
  ajouter(QStringLiteral("Jour"), jour_);
  ajouter(QStringLiteral("Mois"), mois_);
  ajouter(QStringLiteral("Année"), an_);
  if (heure) ajouter(QStringLiteral("Heure"), heure);
}

QTimeEdit* selecteur_heure(const char* nom, QWidget* parent) {
  auto* h = new QTimeEdit(QTime(0, 0, 0), parent);
  h->setObjectName(QString::fromLatin1(nom));
  h->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  return h;
}

}  // namespace almanax::ihm
