// The "Options" page: the date and time options of the "Maintenant" buttons, the
// appearance of the window (rows of tabs, menus), the observing sites of villes.dat
// (choose, make default, create, modify, delete) and the default comet.
#pragma once

#include <memory>

#include "donnees/villes.h"
#include "ihm/pages/page.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace almanax::ihm {

class EditionSpin;

class PageOptions : public Page {
  Q_OBJECT

 public:
  explicit PageOptions(Contexte& contexte, QWidget* parent = nullptr);
  ~PageOptions() override;

  // "Dates et heures".
  options_dates options() const;
  void set_options(const options_dates& o);
  // "Apparence": tabs on one row ("Un") or several ("Deux"); menus shown ("Oui") or not.
  bool onglets_une_rangee() const;
  void set_onglets_une_rangee(bool oui);
  bool menus_visibles() const;
  void set_menus_visibles(bool oui);

  // Reads villes.dat in `dossier` (writing the bundled list there when it is missing
  // and creer_si_absent), selects the site at the default index (the first site when
  // the index is beyond the list) and makes it the current site.
  void charger_sites(const QString& dossier, long long index_defaut, bool creer_si_absent = true);
  // The default site's index, saved as "Site" at close.
  long long index_site_defaut() const { return index_defaut_; }
  // The default comet's index, saved as "Comète" at close.
  long long index_comete_defaut() const { return index_comete_; }
  void set_index_comete_defaut(long long i) { index_comete_ = i; }
  // "Comète par défaut": the default comet (index and name shown), and whether choosing
  // a comet on the "Comètes" page makes it the default ("OK").
  void set_comete_defaut(long long index, const QString& nom);
  bool comete_par_defaut_cochee() const;

  site_courant site() const { return site_; }
  champs_site site_affiche() const;
  const fichier_villes* villes() const { return villes_.get(); }

 signals:
  // One of "Un", "Deux", "Oui", "Non" was clicked.
  void apparenceChangee();
  // The current site changed (a site applied, stored, modified or deleted, a
  // hemisphere turned, the spins taken as they stand): the pages that use it recompute.
  void siteChange();

 public slots:
  void cb_nomClick();
  void cb_nom_okClick();
  void BitBtn1Click();
  void new_siteClick();
  void save_siteClick();
  void modif_siteClick();
  void erase_siteClick();
  void ulatClick();
  void up_eoClick();
  void up_nsClick();
  void e_lat3Change();
  void e_lat3Click();

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  // Shows site i in the fields and makes it the current site; with `defaut` and "OK"
  // checked it also becomes the default site.
  void appliquer(int i, bool defaut = true);
  void poser_site(const site_courant& s);
  // The hemisphere letters as the file stores them: a French message and the focus
  // on the letter when one is empty or not a letter of its field.
  bool lettres_valides();
  void remplir_liste(int selection);
  void selectionner(int i);
  void etats_boutons();
  void signes_depuis_lettres();
  void signes_des_lettres(site_courant& s) const;
  long double latitude_saisie() const;
  long double longitude_saisie() const;
  bool signaler(const operation_villes& op);
  // The user's choice when a site edited here was changed in the file by someone else too.
  arbitre_conflit arbitre();
  // The name of the default site, when the default index designates one.
  std::optional<std::string> nom_site_defaut() const;
  // After the list changed: the default site stays the same site, found by name; when it
  // is gone, the one that took its place.
  void suivre_site_defaut(const std::optional<std::string>& nom);

  // Dates et heures
  QCheckBox* nowt_ = nullptr;
  QCheckBox* nowd_ = nullptr;
  QRadioButton* midi_ = nullptr;
  QRadioButton* minuit_ = nullptr;
  // Apparence
  QRadioButton* ro1_ = nullptr;
  QRadioButton* ro2_ = nullptr;
  QRadioButton* rmo_ = nullptr;
  QRadioButton* rmn_ = nullptr;
  // Sites
  QListWidget* cb_nom_ = nullptr;
  QLineEdit* e_location_ = nullptr;
  EditionSpin* e_lon_ = nullptr;
  EditionSpin* e_lon2_ = nullptr;
  EditionSpin* e_lon3_ = nullptr;
  EditionSpin* e_lon4_ = nullptr;
  EditionSpin* e_lat_ = nullptr;
  EditionSpin* e_lat2_ = nullptr;
  EditionSpin* e_lat3_ = nullptr;
  EditionSpin* e_lat4_ = nullptr;
  QPushButton* save_site_ = nullptr;
  QPushButton* erase_site_ = nullptr;
  QPushButton* new_site_ = nullptr;
  QPushButton* modif_site_ = nullptr;
  QPushButton* BitBtn1_ = nullptr;
  QLabel* lsitedef_ = nullptr;
  QCheckBox* csitedef_ = nullptr;
  // Comète par défaut
  QLabel* lcomdef_ = nullptr;
  QCheckBox* ccomdef_ = nullptr;

  std::unique_ptr<fichier_villes> villes_;
  site_courant site_;
  long long index_defaut_ = index_site_initial;
  long long index_comete_ = 0;
  bool coordonnees_changees_ = false;
  bool selection_programme_ = false;
};

}  // namespace almanax::ihm
