#include "ihm/pages/page.h"

#include <QTimeEdit>
#include <QTimeZone>

namespace almanax::ihm {

QTime heure_du_bouton_maintenant(const options_dates& o, QTime presente, QTime actuelle) {
  QTime h = actuelle;
  if (o.midi) h = QTime(12, 0, 0);
  if (o.minuit) h = QTime(0, 0, 0);
  if (o.heure_actuelle) h = presente;
  return h;
}

Page::Page(Contexte& contexte, const QString& nom, const QString& legende, const QString& capture, QWidget* parent)
    : QWidget(parent), contexte_(contexte), legende_(legende), capture_(capture) {
  setObjectName(nom);
}

void Page::maintenant(QTimeEdit* heure, bool recalculer) {
  const options_dates o = contexte_.session().dates();
  QTime presente = contexte_.heure_presente();
  date_jma aujourd_hui = contexte_.date_de_demarrage();
  if (const fuseau_horaire* f = contexte_.session().echelle().fuseau()) {
    // Civil time: the zone's clock now, and its date (the start-up day of the system's
    // clock may already be another day there).
    const QDateTime la = contexte_.instant_present().toTimeZone(QTimeZone(QByteArray::fromStdString(f->nom())));
    presente = QTime(la.time().hour(), la.time().minute(), la.time().second());
    aujourd_hui = {la.date().day(), la.date().month(), la.date().year()};
  }
  if (heure) heure->setTime(heure_du_bouton_maintenant(o, presente, heure->time()));
  if (o.date_du_jour) poser_date_de_demarrage(aujourd_hui);
  if (recalculer) calculer();
}

void Page::ordre_tabulation(std::initializer_list<QWidget*> ordre) {
  QWidget* precedent = nullptr;
  for (QWidget* w : ordre) {
    if (precedent) QWidget::setTabOrder(precedent, w);
    precedent = w;
  }
}

annee_a_valider Page::annee(champ_annee role, QWidget* champ, const QString& libelle) const {
  return {role, champ, libelle, const_cast<Page*>(this), legende_};
}

}  // namespace almanax::ihm
