// The "Dates" page: weekday and day of the year of two dates, the interval between
// them, and for one year the equinoxes and solstices, Easter and whether it is a leap
// year. The computation is calculer_dates; the page only shows the texts of its result.
#pragma once

#include "calcul/pages/dates.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QLabel;
class QPushButton;
class QTimeEdit;

namespace almanax::ihm {

class PageDates : public Page {
  Q_OBJECT

 public:
  explicit PageDates(Contexte& contexte, QWidget* parent = nullptr);

  QWidget* bouton_calcul() const override;
  // The first date, the next day as the second (day + 1 in the same month, carried
  // when computed) and the year of the group.
  void poser_date_de_demarrage(const date_jma& date) override;
  void poser_heure_de_demarrage(const QTime& heure) override;
  // Civil time on or off, or another zone: the typed times are read again, the
  // equinoxes and solstices shown on the new clock.
  void echelle_changee() override { calculer(); }

  const resultat_dates& resultat() const { return resultat_; }

 public slots:
  void calculer() override;
  void pas_date1(almanax::sens_pas sens);
  void pas_date2(almanax::sens_pas sens);
  void verifier_jour1();
  void verifier_jour2();
  void pas_annee_saisons(almanax::sens_pas sens);
  void annee_saisons_invalide(const QString& texte);
  void maintenant();
  // "Expor&ter…": the equinoxes, the solstices and Easter of the year shown, as a
  // calendar file.
  void exporter();

 private:
  ChampsDate date1_;
  ChampsDate date2_;
  QTimeEdit* heure1_ = nullptr;
  QTimeEdit* heure2_ = nullptr;
  QLabel* nom_jour1_ = nullptr;
  QLabel* rang_jour1_ = nullptr;
  QLabel* nom_jour2_ = nullptr;
  QLabel* rang_jour2_ = nullptr;
  QPushButton* bouton_calcul_ = nullptr;
  QLabel* intervalle_ = nullptr;
  QPushButton* bouton_maintenant_ = nullptr;
  EditionSpin* annee_saisons_ = nullptr;
  QLabel* printemps_ = nullptr;
  QLabel* ete_ = nullptr;
  QLabel* automne_ = nullptr;
  QLabel* hiver_ = nullptr;
  QLabel* paques_ = nullptr;
  QLabel* bissextile_ = nullptr;
  QPushButton* bouton_exporter_ = nullptr;

  resultat_dates resultat_;
  bool calcule_ = false;  // resultat_ holds a computation: what the labels show
};

}  // namespace almanax::ihm
