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

  void calculer() override { bt_equiClick(); }
  void copier() override { copy_precClick(); }
  void effacer() override { BitBtn4Click(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  std::vector<date_a_borner> dates_a_borner() const override;
  void poser_heure_de_demarrage(const QTime& heure) override;

  // The report box's text, with its CR LF line ends.
  const QString& rapport() const;

 public slots:
  void bt_equiClick();
  void upjour1Click(almanax::sens_pas sens);
  void upjour2Click(almanax::sens_pas sens);
  // The exit checks of the coordinate and proper-motion fields; false when a field
  // holds no number (the message is shown and the field has the focus).
  bool declip1Exit();
  void BitBtn4Click();
  void BitBtn9Click();
  void copy_precClick();

 private:
  ChampsDate date1_;
  ChampsDate date2_;
  QTimeEdit* heureequi_ = nullptr;
  QTimeEdit* heureequi2_ = nullptr;
  EditionSpin* alphap1_ = nullptr;
  EditionSpin* alphap2_ = nullptr;
  QLineEdit* alphap3_ = nullptr;
  EditionSpin* declip1_ = nullptr;
  EditionSpin* declip2_ = nullptr;
  QLineEdit* declip3_ = nullptr;
  QLineEdit* t_mpa_ = nullptr;
  QLineEdit* t_mpd_ = nullptr;
  QPushButton* bt_equi_ = nullptr;
  QPushButton* BitBtn4_ = nullptr;
  QPushButton* BitBtn9_ = nullptr;
  QCheckBox* cprecequi_ = nullptr;
  QCheckBox* cprecdt_ = nullptr;
  QCheckBox* cprecad_ = nullptr;
  QCheckBox* cprecde_ = nullptr;
  QCheckBox* cprecmpa_ = nullptr;
  QCheckBox* cprecmpd_ = nullptr;
  QPushButton* copy_prec_ = nullptr;
  BoiteRapport* mempre_ = nullptr;
  bool en_verification_ = false;
};

}  // namespace almanax::ihm
