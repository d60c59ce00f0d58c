#include "ihm/pages/page.h"

#include <QTimeEdit>

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
  if (heure) heure->setTime(heure_du_bouton_maintenant(o, contexte_.heure_presente(), heure->time()));
  if (o.date_du_jour) poser_date_de_demarrage(contexte_.date_de_demarrage());
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
