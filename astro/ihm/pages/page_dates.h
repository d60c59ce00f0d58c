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

  void calculer() override { b_dateClick(); }
  QWidget* bouton_calcul() const override;
  // The first date, the next day as the second (day + 1 in the same month, carried
  // when computed) and the year of the group.
  void poser_date_de_demarrage(const date_jma& date) override;
  void poser_heure_de_demarrage(const QTime& heure) override;

  const resultat_dates& resultat() const { return resultat_; }

 public slots:
  void b_dateClick();
  void udaClick(almanax::sens_pas sens);
  void udj1Click(almanax::sens_pas sens);
  void edjExit();
  void edj1Exit();
  void upsolsClick(almanax::sens_pas sens);
  void an_solsInvalide(const QString& texte);
  void BitBtn10Click();

 private:
  ChampsDate date1_;
  ChampsDate date2_;
  QTimeEdit* dh_ = nullptr;
  QTimeEdit* dh1_ = nullptr;
  QLabel* lnomjour_ = nullptr;
  QLabel* lnumjour_ = nullptr;
  QLabel* lnomjour2_ = nullptr;
  QLabel* lnumjour2_ = nullptr;
  QPushButton* b_date_ = nullptr;
  QLabel* lbinter_ = nullptr;
  QPushButton* BitBtn10_ = nullptr;
  EditionSpin* an_sols_ = nullptr;
  QLabel* lprin_ = nullptr;
  QLabel* lete_ = nullptr;
  QLabel* lautom_ = nullptr;
  QLabel* lhiver_ = nullptr;
  QLabel* lpaques_ = nullptr;
  QLabel* lbissex_ = nullptr;

  resultat_dates resultat_;
};

}  // namespace almanax::ihm
