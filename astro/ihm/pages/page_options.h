// The "Options" page: the date and time options of the "Maintenant" buttons, the
// appearance of the window (rows of tabs, menus), the observing sites of villes.dat
// (choose, make default, create, modify, delete) and the default comet. It shows and
// edits the session (contexte's Session): the options, the sites catalogue, the current
// and default sites; the default comet is only shown here.
#pragma once

#include "donnees/session.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace almanax::ihm {

class EditionSpin;

class PageOptions : public Page {
  Q_OBJECT

 public:
  explicit PageOptions(Contexte& contexte, QWidget* parent = nullptr);
  ~PageOptions() override;

 public slots:
  // A site clicked in the list: shown, made current, and the default one with "OK".
  void choisir_site();
  // "Site par défaut": back to the default site.
  void revenir_au_site_defaut();
  void nouveau_site();
  void enregistrer_site();
  void modifier_site();
  void supprimer_site();
  // An arrow of a coordinate: "Modifier" goes on.
  void coordonnee_changee();
  // A hemisphere letter turned: the current site takes its sign.
  void hemisphere_change();
  // A field's text changed: "Modifier" is on when a coordinate was typed.
  void champs_modifies();
  // A click in a latitude edit: the spins as they stand make the current site.
  void prendre_site_saisi();

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  ModeleVilles& villes() const;
  // The list read from the file: the default site selected, shown and current.
  void sites_charges();
  // Shows site i in the fields and makes it the current site; with `defaut` and "OK"
  // checked it also becomes the default site.
  void afficher_site(int i, bool defaut = true);
  // The hemisphere letters as the file stores them: a French message and the focus
  // on the letter when one is empty or not a letter of its field.
  bool lettres_valides();
  // Row i made the list's current row (none for -1), scrolled into view when `defiler`.
  void selectionner(int i, bool defiler = true);
  int ligne_choisie() const;
  void etats_boutons();
  void signes_des_lettres(site_courant& s) const;
  long double latitude_saisie() const;
  long double longitude_saisie() const;
  bool signaler(const operation_villes& op);
  // The user's choice when a site edited here was changed in the file by someone else too.
  arbitre_conflit arbitre();
  // The fields as shown, for the reports' site block.
  void publier_site_affiche();
  // The options' controls set from the session.
  void montrer_options();
  // The current site's zone in the zone list, and the ΔT of the present year.
  void montrer_fuseau();
  // A zone chosen or typed in the list: the current site's from now on; the first entry
  // gives the site back the system's zone. A name the database does not know is refused
  // with a message and the list shows the site's zone again.
  void choisir_fuseau();

  // Dates et heures
  QCheckBox* heure_actuelle_ = nullptr;
  QCheckBox* date_du_jour_ = nullptr;
  QRadioButton* midi_ = nullptr;
  QRadioButton* minuit_ = nullptr;
  QRadioButton* heures_telles_quelles_ = nullptr;
  QRadioButton* heure_legale_ = nullptr;
  QComboBox* fuseau_ = nullptr;
  QLabel* delta_t_ = nullptr;
  // Apparence
  QRadioButton* une_rangee_ = nullptr;
  QRadioButton* plusieurs_rangees_ = nullptr;
  QRadioButton* menus_oui_ = nullptr;
  QRadioButton* menus_non_ = nullptr;
  // Sites
  QListView* liste_sites_ = nullptr;
  QLineEdit* nom_site_ = nullptr;
  EditionSpin* lon_deg_ = nullptr;
  EditionSpin* lon_min_ = nullptr;
  EditionSpin* lon_sec_ = nullptr;
  EditionSpin* lon_lettre_ = nullptr;
  EditionSpin* lat_deg_ = nullptr;
  EditionSpin* lat_min_ = nullptr;
  EditionSpin* lat_sec_ = nullptr;
  EditionSpin* lat_lettre_ = nullptr;
  QPushButton* enregistrer_ = nullptr;
  QPushButton* supprimer_ = nullptr;
  QPushButton* nouveau_ = nullptr;
  QPushButton* modifier_ = nullptr;
  QPushButton* site_defaut_ = nullptr;
  QLabel* nom_site_defaut_ = nullptr;
  QCheckBox* choix_site_defaut_ = nullptr;
  // Comète par défaut
  QLabel* nom_comete_defaut_ = nullptr;
  QCheckBox* choix_comete_defaut_ = nullptr;

  bool coordonnees_changees_ = false;
  bool selection_programme_ = false;
  bool options_programme_ = false;  // the controls being set from the session
};

}  // namespace almanax::ihm
