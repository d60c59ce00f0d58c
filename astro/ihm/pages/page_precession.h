// The "Préc. des Equinoxes" page: mean equatorial coordinates, with their proper
// motion, carried from a reference equinox to a wanted date. The computation is
// calcul_precession; the page reads its fields, clamps them on leaving and shows the
// result blocks in `mempre`.
#pragma once

#include <QString>
#include <vector>

#include "calcul/pages/precessions.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace almanax::ihm {

class BoiteRapport;
class EditionSpin;

class PagePrecession : public Page {
  Q_OBJECT

 public:
  explicit PagePrecession(Contexte& contexte, QWidget* parent = nullptr);

  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  std::vector<date_a_borner> dates_a_borner() const override;
  void poser_heure_de_demarrage(const QTime& heure) override;
  // A result already shown is computed again in the new time scale (a new block).
  void echelle_changee() override;

  // The report box's text, with its CR LF line ends.
  const QString& rapport() const;

 public slots:
  void calculer() override;
  void pas_date_reference(almanax::sens_pas sens);
  void pas_date_voulue(almanax::sens_pas sens);
  // The exit checks of the coordinate and proper-motion fields; false when a field
  // holds no number (the message is shown and the field has the focus).
  bool verifier_degres_declinaison();
  void effacer() override;
  void maintenant();
  void copier() override;

 private:
  ChampsDate date1_;
  ChampsDate date2_;
  QTimeEdit* heure_reference_ = nullptr;
  QTimeEdit* heure_voulue_ = nullptr;
  QLabel* mention_ = nullptr;  // "heure légale, UTC+2" in civil time, for the last block
  EditionSpin* ad_heures_ = nullptr;
  EditionSpin* ad_minutes_ = nullptr;
  QLineEdit* ad_secondes_ = nullptr;
  EditionSpin* dec_degres_ = nullptr;
  EditionSpin* dec_minutes_ = nullptr;
  QLineEdit* dec_secondes_ = nullptr;
  QLineEdit* mouvement_propre_ad_ = nullptr;
  QLineEdit* mouvement_propre_dec_ = nullptr;
  QPushButton* bouton_calcul_ = nullptr;
  QPushButton* bouton_effacer_ = nullptr;
  QPushButton* bouton_maintenant_ = nullptr;
  QCheckBox* case_equinoxe_reference_ = nullptr;
  QCheckBox* case_date_heure_ = nullptr;
  QCheckBox* case_ascension_droite_ = nullptr;
  QCheckBox* case_declinaison_ = nullptr;
  QCheckBox* case_mouvement_propre_ad_ = nullptr;
  QCheckBox* case_mouvement_propre_dec_ = nullptr;
  QPushButton* bouton_copie_ = nullptr;
  BoiteRapport* boite_rapport_ = nullptr;
  bool en_verification_ = false;
};

}  // namespace almanax::ihm
