// The "Equa. Temps" page: the equation of time for a date and its yearly curve.
#pragma once

#include <QImage>
#include <vector>

#include "calcul/pages/equa_time.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QLabel;
class QPushButton;

namespace almanax::ihm {

class PageEquationTemps : public Page {
  Q_OBJECT

 public:
  explicit PageEquationTemps(Contexte& contexte, QWidget* parent = nullptr);

  void calculer() override { bt_equa_timeClick(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;

  // The picture shown and the last day value.
  const QImage& image() const { return image_; }
  const equation_du_jour& resultat() const { return jour_; }

 public slots:
  void bt_equa_timeClick();
  void up_equa_moisClick(almanax::sens_pas sens);
  void equa_jourChange();
  void anequiExit();
  void save_tmpsClick();

 private:
  ChampsDate date_;
  QLabel* equa_ = nullptr;
  QPushButton* bt_equa_time_ = nullptr;
  QLabel* l_equa_ = nullptr;
  QPushButton* save_tmps_ = nullptr;
  QImage image_;
  equation_du_jour jour_;
};

}  // namespace almanax::ihm
