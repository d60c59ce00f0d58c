// The "Comètes" page: a comet's position from its orbital elements, and the comet
// catalogue cometes.dat with its editor (choose, new, save, modify, delete). The
// computation is calcul_comete; the catalogue is fichier_cometes.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "calcul/pages/comete.h"
#include "donnees/fusion.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimeEdit;

namespace almanax {
class fichier_cometes;
}

namespace almanax::ihm {

class BoiteRapport;

class PageCometes : public Page {
  Q_OBJECT

 public:
  explicit PageCometes(Contexte& contexte, QWidget* parent = nullptr);
  ~PageCometes() override;

  void calculer() override { bt_cometeClick(); }
  void copier() override { copy_comClick(); }
  void effacer() override { erase_comClick(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  void poser_heure_de_demarrage(const QTime& heure) override;

  // Reads cometes.dat in `dossier` (writing the bundled catalogue there when it is
  // missing and creer_si_absent), selects the default comet (the first when the index
  // is beyond the list), loads and computes it.
  void charger_cometes(const QString& dossier, long long index_defaut, bool creer_si_absent = true);
  // Whether choosing a comet makes it the default one (the Options page's "OK").
  void set_choix_par_defaut(std::function<bool()> coche) { choix_par_defaut_ = std::move(coche); }

  const fichier_cometes* catalogue() const { return catalogue_.get(); }
  long long index_defaut() const { return index_defaut_; }
  // The report box's text, with its CR LF line ends.
  const QString& rapport() const;
  const std::optional<resultat_comete>& resultat() const { return resultat_; }

 signals:
  // The default comet changed: its index (the settings value "Comète") and name.
  void cometeParDefaut(long long index, const QString& nom);

 public slots:
  void bt_cometeClick();
  void bt_l_cometeClick();
  void l_cometeClick();
  void new_cometeClick();
  void Save_cometeClick();
  void modif_comClick();
  void BitBtn6Click();
  void enomcometeChange();
  void tcomjourExit();
  void up_an_comClick(almanax::sens_pas sens);
  void BitBtn8Click();
  void erase_comClick();
  void copy_comClick();

 private:
  textes_comete textes() const;
  void poser_textes(const textes_comete& t);
  QLineEdit* champ(champ_comete c) const;
  // The first element field left empty, if any.
  QLineEdit* champ_vide() const;
  // A refusal's message, then its field focused with its text selected.
  void signaler(const refus_comete& refus);
  // Refuses empty fields, unreadable numbers, e outside 0..1, a perihelion date the
  // calendar lacks, q <= 0 and elements that give no finite position, before a save.
  bool elements_enregistrables();
  void remplir_liste(int selection);
  void signaler_defaut(long long index);
  // The user's choice when a comet edited here was changed in the catalogue elsewhere too.
  arbitre_conflit arbitre();
  // The name of the default comet, when the default index designates one.
  std::optional<std::string> nom_comete_defaut() const;
  // After the list changed: the default comet stays the same comet, found by name; when
  // it is gone, `repli`.
  void suivre_comete_defaut(const std::optional<std::string>& nom, long long repli);

  ChampsDate date_;
  QTimeEdit* com_temps_ = nullptr;
  QLineEdit* tcomjour_ = nullptr;
  QLineEdit* tcommois_ = nullptr;
  QLineEdit* tcoman_ = nullptr;
  QLineEdit* eqcom_ = nullptr;
  QLineEdit* eicom_ = nullptr;
  QLineEdit* eecom_ = nullptr;
  QLineEdit* eomcom_ = nullptr;
  QLineEdit* eom1com_ = nullptr;
  QLineEdit* enomcomete_ = nullptr;
  QLabel* lnomcom_ = nullptr;
  QListWidget* l_comete_ = nullptr;
  QPushButton* bt_comete_ = nullptr;
  QPushButton* erase_com_ = nullptr;
  QPushButton* BitBtn8_ = nullptr;
  QPushButton* new_comete_ = nullptr;
  QPushButton* Save_comete_ = nullptr;
  QPushButton* modif_com_ = nullptr;
  QPushButton* BitBtn6_ = nullptr;
  QCheckBox* c_com_n_ = nullptr;
  QCheckBox* c_com_dt_ = nullptr;
  QCheckBox* c_com_el_ = nullptr;
  QCheckBox* c_com_coor_ = nullptr;
  QPushButton* copy_com_ = nullptr;
  BoiteRapport* rccom_ = nullptr;

  std::unique_ptr<fichier_cometes> catalogue_;
  std::function<bool()> choix_par_defaut_ = [] { return true; };
  long long index_defaut_ = 0;
  int index_affiche_ = -1;  // the comet shown (the tag of lnomcom), -1 for none
  bool selection_programme_ = false;
  bool lecture_catalogue_ = false;  // computing the elements just loaded from the catalogue
  std::optional<resultat_comete> resultat_;
  std::optional<instant_saisi> calcule_;  // the instant of the values shown
};

}  // namespace almanax::ihm
