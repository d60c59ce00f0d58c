// The "Comètes" page: a comet's position from its orbital elements, and the comet
// catalogue cometes.dat with its editor (choose, new, save, modify, delete). The
// computation is calcul_comete; the catalogue is the session's ModeleCometes, which
// keeps the default comet.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "calcul/pages/comete.h"
#include "donnees/fusion.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTimeEdit;

namespace almanax {
class ModeleCometes;
}

namespace almanax::ihm {

class BoiteRapport;

class PageCometes : public Page {
  Q_OBJECT

 public:
  explicit PageCometes(Contexte& contexte, QWidget* parent = nullptr);
  ~PageCometes() override;

  void calculer() override { calculer_comete(); }
  void copier() override { copier_rapport(); }
  void effacer() override { effacer_rapport(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  void poser_heure_de_demarrage(const QTime& heure) override;
  // A position already shown is computed again in the new time scale (a new block).
  void echelle_changee() override;

  // The report box's text, with its CR LF line ends.
  const QString& rapport() const;
  const std::optional<resultat_comete>& resultat() const { return resultat_; }

 public slots:
  // "&OK": the position from the elements shown, added to the report.
  void calculer_comete();
  // A comet chosen in the list: pending edits dropped, shown and computed.
  void choisir_comete();
  void nouvelle_comete();
  void enregistrer_comete();
  void modifier_comete();
  void supprimer_comete();
  // "Importer…": the comets of an element file in the Minor Planet Center's one-line
  // format added to the catalogue; one question for the names it already has.
  void importer_cometes();
  // An element or the new name typed: "Modifier" is on when the comet shown was changed.
  void elements_modifies();
  // Leaving a field of the perihelion date: a day the calendar lacks is said at once.
  void verifier_passage();
  // An arrow of the observation date: the date made whole, the position computed.
  void date_changee(almanax::sens_pas sens);
  void mettre_a_maintenant();
  void effacer_rapport();
  void copier_rapport();

 private:
  ModeleCometes& catalogue() const;
  // The catalogue read from its file: the default comet selected, shown and computed.
  void catalogue_charge();
  // The comet of the list's current row shown and computed; with `choisir_defaut` it
  // becomes the default one when the Options page's "OK" says so.
  void afficher_comete_choisie(bool choisir_defaut = true);
  int ligne_choisie() const;
  void selectionner(int ligne);
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
  // The user's choice when a comet edited here was changed in the catalogue elsewhere too.
  arbitre_conflit arbitre();

  ChampsDate date_;
  QTimeEdit* heure_ = nullptr;
  QLabel* mention_ = nullptr;  // "heure légale, UTC+2" in civil time
  QLineEdit* jour_passage_ = nullptr;
  QLineEdit* mois_passage_ = nullptr;
  QLineEdit* an_passage_ = nullptr;
  QLineEdit* q_ = nullptr;
  QLineEdit* i_ = nullptr;
  QLineEdit* e_ = nullptr;
  QLineEdit* w_ = nullptr;
  QLineEdit* noeud_ = nullptr;  // W
  QLineEdit* nom_nouvelle_ = nullptr;
  QLabel* nom_comete_ = nullptr;
  QLabel* age_elements_ = nullptr;  // how old the elements are at the observation date
  QListView* liste_cometes_ = nullptr;
  QPushButton* calculer_ = nullptr;
  QPushButton* effacer_ = nullptr;
  QPushButton* maintenant_ = nullptr;
  QPushButton* nouvelle_ = nullptr;
  QPushButton* enregistrer_ = nullptr;
  QPushButton* modifier_ = nullptr;
  QPushButton* supprimer_ = nullptr;
  QPushButton* importer_ = nullptr;
  QCheckBox* copie_nom_ = nullptr;
  QCheckBox* copie_date_ = nullptr;
  QCheckBox* copie_elements_ = nullptr;
  QCheckBox* copie_coordonnees_ = nullptr;
  QPushButton* copier_ = nullptr;
  BoiteRapport* rapport_ = nullptr;

  int index_affiche_ = -1;  // the comet shown (the tag of its name's label), -1 for none
  bool selection_programme_ = false;
  bool lecture_catalogue_ = false;  // computing the elements just loaded from the catalogue
  std::optional<resultat_comete> resultat_;
  std::optional<instant_saisi> calcule_;  // the instant of the values shown
};

}  // namespace almanax::ihm
