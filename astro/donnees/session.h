// What the window's pages share while the program runs: the sites and comets catalogues
// as list models, each with its default entry, the current observing site, the date and
// appearance options. The pages show and edit it and follow its signals; the window
// owns it, fills it from the settings at start-up and writes the settings from it at
// close. Qt Core only: it is tested without widgets.
#pragma once

#include <QAbstractListModel>
#include <QObject>
#include <QString>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calcul/site.h"
#include "calcul/temps_civil.h"
#include "donnees/cometes.h"
#include "donnees/fusion.h"
#include "donnees/reglages.h"
#include "donnees/villes.h"

namespace almanax {

// The "Dates et heures" options: the time and date the "Maintenant" buttons set.
struct options_dates {
  bool heure_actuelle = true;  // "Maintenant heure": the present time wins
  bool date_du_jour = true;    // "Maintenant date": the date spins get the start-up date
  bool midi = true;            // "Midi": 12:00:00
  bool minuit = false;         // "Minuit": 00:00:00
  bool operator==(const options_dates&) const = default;
};

// A catalogue shown as a list of names, with its default entry kept by name: an entry
// inserted or deleted before it, or an edit merged from another window, never makes
// another entry the default. The settings store the default as an index: it is turned
// into a name when the file is read and back into an index when the settings are written.
class ModeleCatalogue : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit ModeleCatalogue(long long index_initial, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  std::size_t taille() const { return noms_.size(); }
  const std::string& nom(std::size_t i) const { return noms_[i]; }
  // The first entry of that name (exactly as written).
  std::optional<std::size_t> index_de(const std::string& nom) const;

  // The default entry's name and its place now; none in an empty list, or before loading.
  const std::optional<std::string>& nom_defaut() const { return defaut_; }
  std::optional<std::size_t> ligne_defaut() const;
  // The value of the settings: the default entry's place; without one, the index read
  // from the settings (or left by the last deletion), as it was.
  long long index_enregistre() const;
  // The index read from the settings, before the file is loaded.
  void memoriser_index(long long i) { memorise_ = i; }
  // Entry i becomes the default.
  void choisir_defaut(std::size_t i);

 signals:
  // The list was read from its file (the whole list is new).
  void charge();
  // The default entry changed, or moved: its place (the settings value) and name.
  void defautChange(long long index, const QString& nom);

 protected:
  // After loading: the entry at the remembered index, the first when the index is beyond
  // the list, none in an empty list.
  void defaut_depuis_index();
  // After an edit: the default stays the same entry when it is still there; else
  // `repli` (the entry now at that place, none when there is none there).
  void suivre_defaut(const std::optional<std::string>& avant, long long repli);
  void poser_defaut(std::optional<std::string> nom, long long memorise);
  // The names shown made those of the file read or written: one row inserted or removed
  // when that is all that changed, else the whole list (an edit may merge another
  // window's edits); nothing when the names are the same. `relire`: the list is new.
  void synchroniser(std::vector<std::string> noms, bool relire = false);

 private:
  std::vector<std::string> noms_;
  std::optional<std::string> defaut_;
  long long memorise_ = 0;
  long long annonce_ = 0;  // the place of the last defautChange
};

// villes.dat, one row per site; its default site is the settings value "Site".
class ModeleVilles : public ModeleCatalogue {
  Q_OBJECT

 public:
  explicit ModeleVilles(QObject* parent = nullptr);
  ~ModeleVilles() override;

  const std::vector<ville>& villes() const;
  const fichier_villes* fichier() const { return fichier_.get(); }

  // Reads the file as fichier_villes::charger does; the default site is then the one at
  // the remembered index.
  chargement_villes charger(const QString& dossier, bool creer_si_absent = true);
  // The edits of fichier_villes, the default site following by name; when it is gone,
  // the site that took its place.
  operation_villes ajouter(std::string nom, long double latitude, long double longitude,
                           const arbitre_conflit& arbitre = {});
  operation_villes modifier(std::size_t i, long double latitude, long double longitude,
                            const arbitre_conflit& arbitre = {});
  operation_villes supprimer(std::size_t i, const arbitre_conflit& arbitre = {});

 private:
  template <class F>
  operation_villes editer(F f);
  void synchroniser(bool relire = false);

  std::unique_ptr<fichier_villes> fichier_;
};

// cometes.dat, one row per comet; its default comet is the settings value "Comète".
class ModeleCometes : public ModeleCatalogue {
  Q_OBJECT

 public:
  explicit ModeleCometes(QObject* parent = nullptr);
  ~ModeleCometes() override;

  const std::vector<comete>& cometes() const;
  const fichier_cometes* fichier() const { return fichier_.get(); }

  chargement_cometes charger(const QString& dossier, bool creer_si_absent = true);
  // The edits of fichier_cometes, the default comet following by name. The first comet
  // of an empty catalogue becomes the default; a default comet gone after a merged
  // edit gives way to the comet at its place (addition) or the first one.
  operation_cometes ajouter(std::string nom, const textes_comete& elements, const arbitre_conflit& arbitre = {});
  operation_cometes modifier(std::size_t i, const textes_comete& elements, const arbitre_conflit& arbitre = {});
  operation_cometes supprimer(std::size_t i, const arbitre_conflit& arbitre = {});
  // Comets read from an element file, added to the catalogue (fichier_cometes::importer);
  // the default comet stays the same comet.
  bilan_import importer(const std::vector<comete>& arrivees, doublons_import choix);

 private:
  template <class F>
  operation_cometes editer(F f, bool premiere_par_defaut, bool repli_en_place);
  void synchroniser(bool relire = false);

  std::unique_ptr<fichier_cometes> fichier_;
};

class Session : public QObject {
  Q_OBJECT

 public:
  explicit Session(QObject* parent = nullptr);

  ModeleVilles& villes() { return villes_; }
  const ModeleVilles& villes() const { return villes_; }
  ModeleCometes& cometes() { return cometes_; }
  const ModeleCometes& cometes() const { return cometes_; }

  // The current observing site, which the local computations use.
  const site_courant& site() const { return site_; }
  void poser_site(const site_courant& s);
  // The site as the Options page shows it (name, degrees, minutes, seconds, letters),
  // for the reports' site block.
  const champs_site& site_affiche() const { return site_affiche_; }
  void poser_site_affiche(const champs_site& c);

  const options_dates& dates() const { return dates_; }
  // Noon and midnight exclude each other: a pair with both or neither keeps the choice.
  void poser_dates(const options_dates& o);
  // Tabs on one row or several; menus shown or hidden.
  bool onglets_une_rangee() const { return onglets_une_rangee_; }
  void poser_onglets_une_rangee(bool oui);
  bool menus_visibles() const { return menus_visibles_; }
  void poser_menus_visibles(bool oui);
  // Whether choosing a comet makes it the default one (the "OK" of "Comète par défaut").
  bool choix_comete_par_defaut() const { return choix_comete_par_defaut_; }
  void poser_choix_comete_par_defaut(bool oui) { choix_comete_par_defaut_ = oui; }

  // Civil time ("Heure légale") or times as they stand ("Heures : telles quelles").
  bool heure_legale() const { return heure_legale_; }
  void poser_heure_legale(bool oui);
  // The zone of the current site: the one chosen for it, else the system's.
  QString nom_fuseau() const;
  // Whether a zone was chosen for the current site.
  bool fuseau_choisi() const;
  // The zone chosen for the current site; an empty name gives it back the system's zone.
  // A name the zone database does not know is refused (false).
  bool choisir_fuseau(const QString& iana);
  // How the pages read and show times now: as they stand, or the current zone's clock.
  const echelle_temps& echelle() const { return echelle_; }

  // The settings read at start-up: options, and the default site's and comet's indexes
  // until the files are read. The geometry is the window's.
  void appliquer(const reglages& r);
  // `fenetre` (the geometry) completed with the session's values.
  reglages reglages_de(reglages fenetre) const;

 signals:
  // The current site changed: the pages that use it recompute.
  void siteChange();
  void datesChangees();
  // Tabs or menus changed.
  void apparenceChangee();
  // Civil time was switched on or off, or its zone changed (another site, another
  // choice): the pages that show times recompute.
  void echelleChangee();

 private:
  ModeleVilles villes_;
  ModeleCometes cometes_;
  site_courant site_;
  champs_site site_affiche_;
  options_dates dates_;
  bool onglets_une_rangee_ = false;
  bool menus_visibles_ = true;
  bool choix_comete_par_defaut_ = true;
  bool heure_legale_ = false;
  std::map<std::string, std::string> fuseaux_des_sites_;
  echelle_temps echelle_;
  // Builds the scale again; signals when it changed.
  void revoir_echelle();
};

}  // namespace almanax
