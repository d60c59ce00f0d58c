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

  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  // The day and the curve's noons are the civil ones in civil time.
  void echelle_changee() override { calculer(); }

  // The picture shown, its curve and the last day value.
  const QImage& image() const { return image_; }
  const courbe_equation_du_temps& courbe() const { return courbe_; }
  const equation_du_jour& resultat() const { return jour_; }

 public slots:
  void calculer() override;
  void pas_date(almanax::sens_pas sens);
  void jour_change();
  void valider_annees();
  void enregistrer_image();

 private:
  ChampsDate date_;
  QLabel* cadre_courbe_ = nullptr;
  QPushButton* bouton_calcul_ = nullptr;
  QLabel* valeur_du_jour_ = nullptr;
  QPushButton* bouton_enregistrer_ = nullptr;
  QImage image_;
  courbe_equation_du_temps courbe_;
  equation_du_jour jour_;
};

}  // namespace almanax::ihm
