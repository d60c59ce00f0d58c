// The "Sat. joviens" page: the monthly chart of Jupiter's four great satellites. The
// chart takes the size of its picture, which grows with the window.
#pragma once

#include <QImage>
#include <vector>

#include "calcul/calendrier.h"
#include "calcul/pages/satellites.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace almanax::ihm {

class EditionSpin;

class PageSatellites : public Page {
  Q_OBJECT

 public:
  explicit PageSatellites(Contexte& contexte, QWidget* parent = nullptr);

  void calculer() override { bt_sat_jovienClick(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;

  const QImage& image() const { return image_; }
  const graphique_satellites& graphique() const { return graphique_; }

 public slots:
  void bt_sat_jovienClick();
  void up_an_satClick(almanax::sens_pas sens);
  void anequiExit();
  void imp_satClick();

 private:
  QSize taille_image() const;

  EditionSpin* an_sat_ = nullptr;
  EditionSpin* mois_sat_ = nullptr;
  QCheckBox* c_io_ = nullptr;
  QCheckBox* c_eu_ = nullptr;
  QCheckBox* c_gan_ = nullptr;
  QCheckBox* c_cal_ = nullptr;
  QPushButton* bt_sat_jovien_ = nullptr;
  QPushButton* imp_sat_ = nullptr;
  QLabel* sat_jov_ = nullptr;
  graphique_satellites graphique_;
  QImage image_;
};

}  // namespace almanax::ihm
