// The "Soleil, Lune" page: the Sun's and the Moon's positions, distances, rising,
// transit and setting for a date, a clock time and the current site, with a picture
// of the Moon's phase. The Sun's computation ends by pressing the hidden button
// b_lune, so the Moon is always shown for the same instant.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calcul/pages/soleil_lune.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace almanax::ihm {

class PageSoleilLune : public Page {
  Q_OBJECT

 public:
  explicit PageSoleilLune(Contexte& contexte, QWidget* parent = nullptr);

  // Rising, transit and setting are the site's.
  void site_change() override { calculer(); }
  // The typed time is read and the rising and setting given in the new time scale.
  void echelle_changee() override { calculer(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  void poser_heure_de_demarrage(const QTime& heure) override;

  // The last computation (both groups) and the Moon's picture shown.
  const resultat_soleil_lune& resultat() const { return resultat_; }
  const QImage& image_lune() const { return image_; }

 public slots:
  void calculer() override;
  void calculer_lune();
  void maintenant();
  void pas_date(almanax::sens_pas sens);
  void copier() override;

 private:
  instant_saisi instant_a_calculer();

  ChampsDate date_;
  QTimeEdit* heure_ = nullptr;
  QLabel* mention_ = nullptr;  // "heure légale, UTC+2" in civil time
  QPushButton* bouton_calcul_ = nullptr;
  QPushButton* bouton_maintenant_ = nullptr;
  QPushButton* bouton_lune_ = nullptr;
  QLabel* image_phase_ = nullptr;
  QCheckBox* case_date_heure_ = nullptr;
  QCheckBox* case_lieu_ = nullptr;
  QCheckBox* case_soleil_ = nullptr;
  QCheckBox* case_lune_ = nullptr;
  QPushButton* bouton_copie_ = nullptr;

  // Each value label with the text of the result it shows.
  std::vector<std::pair<QLabel*, std::string textes_soleil::*>> etiquettes_soleil_;
  std::vector<std::pair<QLabel*, std::string textes_lune::*>> etiquettes_lune_;

  resultat_soleil_lune resultat_;
  // The site of the values shown, for the report's site block.
  std::optional<champs_site> site_calcule_;
  QImage image_;
};

}  // namespace almanax::ihm
