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

  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  // The day lines are the civil days' 0 h in civil time.
  void echelle_changee() override { calculer(); }

  const QImage& image() const { return image_; }
  const graphique_satellites& graphique() const { return graphique_; }

 public slots:
  void calculer() override;
  void pas_date(almanax::sens_pas sens);
  void valider_annees();
  void enregistrer_image();

 private:
  QSize taille_image() const;

  EditionSpin* annee_ = nullptr;
  EditionSpin* mois_ = nullptr;
  QCheckBox* case_io_ = nullptr;
  QCheckBox* case_europe_ = nullptr;
  QCheckBox* case_ganymede_ = nullptr;
  QCheckBox* case_callisto_ = nullptr;
  QPushButton* bouton_calcul_ = nullptr;
  QPushButton* bouton_enregistrer_ = nullptr;
  QLabel* cadre_graphique_ = nullptr;
  QLabel* mention_ = nullptr;  // "heure légale, UTC+2" in civil time
  graphique_satellites graphique_;
  QImage image_;
};

}  // namespace almanax::ihm
