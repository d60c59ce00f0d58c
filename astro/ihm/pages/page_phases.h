// The "Phases de la Lune" page: the new moons, quarters and full moons of six
// consecutive months, one list per month. The computation is phases_de_la_lune; the
// page only shows the rows of its result.
#pragma once

#include <QImage>
#include <array>
#include <vector>

#include "calcul/calendrier.h"
#include "calcul/pages/phases.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace almanax::ihm {

class EditionSpin;

// Side of the small Moon pictures of the lists, in pixels.
inline constexpr int cote_image_liste = 16;

class PagePhases : public Page {
  Q_OBJECT

 public:
  explicit PagePhases(Contexte& contexte, QWidget* parent = nullptr);

  void calculer() override { bt_phaseClick(); }
  void copier() override { copy_plClick(); }
  QWidget* bouton_calcul() const override;
  // The month and year of the start-up date.
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;

  const resultat_phases& resultat() const { return resultat_; }
  // The pictures of the rows, by phase: new moon, first quarter, full moon, last quarter.
  const std::array<QImage, 4>& images_lune() const { return im_lune_; }

 public slots:
  void bt_phaseClick();
  void up_an_phaseClick();
  void anequiExit();
  void copy_plClick();

 private:
  EditionSpin* mois_dep_ = nullptr;
  EditionSpin* an_dep_ = nullptr;
  QPushButton* bt_phase_ = nullptr;
  std::array<QTreeWidget*, 6> lt_lune_{};
  std::array<QLabel*, 6> titres_{};
  std::array<QCheckBox*, 6> cbm_{};
  QPushButton* copy_pl_ = nullptr;
  std::array<QImage, 4> im_lune_;
  resultat_phases resultat_;
};

}  // namespace almanax::ihm
