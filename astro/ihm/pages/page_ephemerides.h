// The "Éphémérides" page: a planet's orbital elements, position, distances,
// magnitude, phase, rising and setting for a date, a clock time and the current site.
// The computation is calcul_ephemerides; the page only shows the texts of its result.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calcul/pages/ephemerides.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace almanax::ihm {

class PageEphemerides : public Page {
  Q_OBJECT

 public:
  explicit PageEphemerides(Contexte& contexte, QWidget* parent = nullptr);

  // Rising, transit and setting are the site's.
  void site_change() override { calculer(); }
  // The typed time is read and the rising and setting given in the new time scale.
  void echelle_changee() override { calculer(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  void poser_heure_de_demarrage(const QTime& heure) override;

  // The planet chosen in "Planetes" (0 Mercure .. 8 Pluton).
  int planete_choisie() const;
  // The last computation and the phase picture shown.
  const resultat_ephemerides& resultat() const { return resultat_; }
  const QImage& image_plan() const { return image_; }

 public slots:
  void calculer() override;
  void planete_choisie_changee();
  void maintenant();
  void pas_date(almanax::sens_pas sens);
  void copier() override;

 private:
  void afficher();

  ChampsDate date_;
  QTimeEdit* heure_ = nullptr;
  QLabel* mention_ = nullptr;  // "heure légale, UTC+2" in civil time
  QButtonGroup* choix_planete_ = nullptr;
  QPushButton* bouton_calcul_ = nullptr;
  QPushButton* bouton_maintenant_ = nullptr;
  QGroupBox* groupe_elements_ = nullptr;
  QLabel* image_phase_ = nullptr;
  QCheckBox* case_lieu_ = nullptr;
  QCheckBox* case_coordonnees_ = nullptr;
  QCheckBox* case_divers_ = nullptr;
  QCheckBox* case_elements_ = nullptr;
  QCheckBox* case_date_heure_ = nullptr;
  QCheckBox* case_planete_ = nullptr;
  QPushButton* bouton_copie_ = nullptr;

  // Each value label with the text of the result it shows.
  std::vector<std::pair<QLabel*, std::string textes_ephemerides::*>> etiquettes_;

  resultat_ephemerides resultat_;
  // What the report's date and site blocks describe: the inputs of the values shown.
  struct entrees {
    instant_saisi instant;
    champs_site site;
  };
  std::optional<entrees> calcule_;
  QImage image_;
};

}  // namespace almanax::ihm
