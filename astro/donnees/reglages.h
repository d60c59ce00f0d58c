// The window's settings in the per-user store, QSettings("Quillory", "Almanax"):
// the default site and comet, the appearance and date options, the window geometry.
// Read once at start-up, written once at close.
#pragma once

#include <QSettings>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

namespace almanax {

// The store's organization and application names.
inline constexpr const char* organisation_reglages = "Quillory";
inline constexpr const char* application_reglages = "Almanax";

// Size of a settings file read at most: a real one holds a few hundred bytes.
inline constexpr qint64 taille_max_reglages = 1024 * 1024;

// Value names in the store.
namespace cle_reglage {
inline constexpr const char* site = "Site";
inline constexpr const char* comete = "Comète";
inline constexpr const char* onglet = "Onglet";    // tabs on one row
inline constexpr const char* onglet2 = "Onglet2";  // tabs on several rows
inline constexpr const char* menu = "Menu";        // menus visible
inline constexpr const char* menu2 = "Menu2";      // menus hidden
inline constexpr const char* heure_actuelle = "Heure actuelle";
inline constexpr const char* date_du_jour = "Date du jour";
inline constexpr const char* midi = "Midi";
inline constexpr const char* minuit = "Minuit";
inline constexpr const char* gauche = "Gauche";
inline constexpr const char* haut = "Haut";
inline constexpr const char* hauteur = "Hauteur";
inline constexpr const char* largeur = "Largeur";
// Civil time: whether typed and shown times are the zone's clock ("Heure légale"), and
// the zone chosen for each site, one "name TAB zone" line per site (a site's name may
// hold any character, so it is not a key of its own).
inline constexpr const char* heure_legale = "Heure légale";
inline constexpr const char* fuseaux_des_sites = "Fuseaux des sites";
}  // namespace cle_reglage

struct reglages {
  long long site = 172;  // index in the sites list
  long long comete = 0;  // index in the comets list
  // The pairs of options are exclusive: one row of tabs or several, menus shown or
  // hidden, noon or midnight for the "Maintenant" buttons.
  bool onglet = false, onglet2 = true;
  bool menu = true, menu2 = false;
  bool heure_actuelle = true;
  bool date_du_jour = true;
  bool midi = true, minuit = false;
  int gauche = 0, haut = 0, hauteur = 0, largeur = 0;
  bool heure_legale = false;                             // "Heures : telles quelles" by default
  std::map<std::string, std::string> fuseaux_des_sites;  // site name -> IANA zone

  bool operator==(const reglages&) const = default;
};

// The files the store reads at opening: in the user's then the system's configuration
// folders, the application's file and the organization's. (A path moved with
// QSettings::setPath, as tests do, is not seen here.)
QStringList fichiers_reglages();

struct ouverture_reglages {
  std::unique_ptr<QSettings> magasin;  // null when a file of the store was refused
  std::string avertissement;           // French: which file, why, and what follows
};

// Opens the store, unless one of its files is not a regular file of sane size: the
// store reads its files itself and a FIFO would block it forever. Then no store: the
// caller uses the defaults and writes nothing, so the file is never overwritten.
ouverture_reglages ouvrir_reglages();

// Whether the store already holds the program's settings (a later start).
bool reglages_presents(const QSettings& s);

// The stored values; a value missing or unreadable keeps the one of `defauts`. A pair
// of options stored both on or both off keeps its default choice.
reglages lire_reglages(const QSettings& s, const reglages& defauts);

// Writes every value.
void ecrire_reglages(QSettings& s, const reglages& r);

}  // namespace almanax
