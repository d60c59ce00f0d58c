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

  QWidget* bouton_calcul() const override;
  // The month and year of the start-up date.
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  // Civil time on or off, or another zone: the lists again, on the new clock.
  void echelle_changee() override { calculer(); }

  const resultat_phases& resultat() const { return resultat_; }
  // The pictures of the rows, by phase: new moon, first quarter, full moon, last quarter.
  const std::array<QImage, 4>& images_lune() const { return images_phases_; }

 public slots:
  void calculer() override;
  void date_changee();
  void valider_annees();
  void copier() override;
  // "Expor&ter…": the phases of the checked months, those the copy takes, as a calendar
  // file.
  void exporter();

 private:
  EditionSpin* mois_depart_ = nullptr;
  EditionSpin* annee_depart_ = nullptr;
  QPushButton* bouton_calcul_ = nullptr;
  std::array<QTreeWidget*, 6> listes_{};
  std::array<QLabel*, 6> titres_{};
  std::array<QCheckBox*, 6> cases_mois_{};
  QPushButton* bouton_copie_ = nullptr;
  QPushButton* bouton_exporter_ = nullptr;
  QLabel* mention_ = nullptr;            // civil time: which clock the lists' times are on
  std::array<int, 6> largeurs_heure_{};  // the time columns' widths as built
  bool heures_elargies_ = false;         // widened for civil time
  std::array<QImage, 4> images_phases_;
  resultat_phases resultat_;
};

}  // namespace almanax::ihm
