// The "Ce soir" page: what the observer can see in the night from the chosen date's
// evening at the current site: the Sun's setting and rising and the twilights, the
// Moon's phase, a table of the Moon and the planets (rising, transit, setting, the hours
// they are observable, magnitude, altitude and azimuth at the chosen time) and the chart
// of their altitudes through the night. The computation and its texts are calcul_ce_soir's.
#pragma once

#include <QImage>
#include <optional>

#include "calcul/pages/ce_soir.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTimeEdit;

namespace almanax::ihm {

class PageCeSoir : public Page {
  Q_OBJECT

 public:
  explicit PageCeSoir(Contexte& contexte, QWidget* parent = nullptr);

  void site_change() override { calculer(); }
  void echelle_changee() override { calculer(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;

  const resultat_ce_soir& resultat() const { return resultat_; }
  // The chart at its saved size (the page shows it smaller).
  QImage image() const;

 public slots:
  void calculer() override;
  void maintenant();
  void pas_date(almanax::sens_pas sens);
  void copier() override;
  void enregistrer_image();

 private:
  ChampsDate date_;
  QTimeEdit* heure_ = nullptr;
  QPushButton* bouton_calcul_ = nullptr;
  QPushButton* bouton_maintenant_ = nullptr;
  QPushButton* bouton_copie_ = nullptr;
  QPushButton* bouton_enregistrer_ = nullptr;
  QLabel* lieu_ = nullptr;
  QLabel* echelle_ = nullptr;
  std::array<QLabel*, 4> soirs_{}, matins_{};
  QLabel* nuit_ = nullptr;
  QLabel* lune_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* graphique_ = nullptr;

  resultat_ce_soir resultat_;
  instant_saisi saisie_;
  std::optional<champs_site> site_calcule_;
};

}  // namespace almanax::ihm
