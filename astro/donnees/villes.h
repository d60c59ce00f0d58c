// The observing sites file villes.dat: one site a line, "latitude longitude name",
// latitude positive north, longitude positive west, in decimal degrees; lines kept in
// ascending order of name. Reading, the list in memory and its atomic rewrite.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/site.h"
#include "donnees/fichier_sur.h"
#include "donnees/fusion.h"

namespace almanax {

inline constexpr const char* nom_fichier_villes = "villes.dat";
// Index of the default site on first start (the settings value "Site").
inline constexpr long long index_site_initial = 172;

// One site of the list.
struct ville {
  std::string nom;
  // The coordinates as the line holds them: latitude, space, longitude, space. Sites
  // read from the file keep their own text, so a rewrite never alters them.
  std::string coordonnees;
  long double latitude = 0;   // signed, north positive
  long double longitude = 0;  // signed, west positive
  site_nomme site() const { return {nom, latitude, longitude}; }
};

// Order of the names: ASCII letters without regard to case, every other character
// by its code (UTF-8 bytes, i.e. code points). Negative, zero or positive.
int comparer_noms(std::string_view a, std::string_view b);

// A number written with "." or "," as decimal separator: optional sign, digits, at
// most one separator. Nothing else (no exponent, no spaces).
std::optional<long double> lire_nombre(std::string_view texte);

// A coordinate entered as degrees, minutes and seconds, cut (not rounded) to
// hundredths of a degree, then given its sign (+1 or -1).
long double valeur_dms(int degres, int minutes, int secondes, int signe);

// "48.85 -2.35 ": each value with "#0.0# " and the decimal separator given.
std::string texte_coordonnees(long double latitude, long double longitude, std::string_view separateur);

// Whether the bytes are well-formed UTF-8 (no overlong form, no surrogate, nothing
// cut short).
bool utf8_valide(std::string_view octets);

// One line of a data file in Unicode: UTF-8 when the line is valid UTF-8, else the
// Windows single-byte code page of older files. Each line is decided on its own, so a
// file edited with both encodings keeps every name.
QString decoder_ligne(std::string_view octets);

// A line of a data file as stored, and its number in the file (from 1).
struct ligne_brute {
  std::string_view octets;  // without its line end
  std::size_t numero = 0;
};

// The lines of a file: CR LF, LF or CR ends. A byte-order mark is never part of a
// line: at the start of the file or of a line it is dropped, and one inside a line
// (two files joined end to end) starts a new line with the same number.
std::vector<ligne_brute> decouper_lignes(std::string_view contenu);

// File text to Unicode, line by line as decoder_ligne does; line ends become LF and
// byte-order marks are dropped as decouper_lignes does.
QString decoder_texte(const QByteArray& octets);

// Longest line read and longest site name, in characters (a line keeps its length when
// rewritten in UTF-8): far above any real place name, short enough that a damaged file
// cannot stall the program.
inline constexpr std::size_t longueur_max_ligne = 1024;
inline constexpr std::size_t longueur_max_nom = 200;

// Size of villes.dat read at most.
inline constexpr qint64 taille_max_villes = 16 * 1024 * 1024;

struct lecture_villes {
  std::vector<ville> villes;                 // file order
  std::vector<std::string> lignes_ignorees;  // malformed lines as read, trailing blanks aside
  std::vector<std::string> avertissements;   // one French message per malformed line
};

// Parses the content of a sites file. Blank lines are passed over; a malformed line
// (also one too long, or with a name too long) is reported with its number and left
// out of the list.
lecture_villes lire_villes(const QByteArray& contenu);

// The file's content: one line per site in list order (UTF-8), then the malformed
// lines read earlier as they were (so that nothing the user wrote is lost), CR LF.
QByteArray contenu_villes(const std::vector<ville>& villes, const std::vector<std::string>& lignes_ignorees = {});

// The list of sites bundled with the program.
QByteArray villes_par_defaut();

// The decimal separator of the user's locale ("," in French).
std::string separateur_decimal_local();

// Index of the default site: the stored index when it designates a site, else the
// first site; none in an empty list.
std::optional<std::size_t> index_par_defaut(long long index_memorise, std::size_t taille);

// Outcome of a change to the list. On failure nothing changed, in memory or on disk.
struct operation_villes {
  bool reussie = false;
  std::size_t index = 0;  // the site added or changed
  // The file had been changed elsewhere: the list was read again and the edit applied
  // to it (the whole list is to be shown again).
  bool relue = false;
  // On a conflict the file's version was kept: the edit is not in the list.
  bool appliquee = true;
  std::string titre;  // caption and text of the message to show on failure
  std::string message;
};

// What loading found, to show the user.
struct chargement_villes {
  bool fichier_cree = false;                // the file was missing: the bundled list was written there
  std::vector<std::string> avertissements;  // malformed lines left out (the first ones, then a count)
  std::string erreur;                       // the file could not be read or created (French), else empty
  // The file exists but was refused (not a regular file, too large, unreadable); `cause`
  // says why, in French, without the consequence for the window that `erreur` adds.
  bool illisible = false;
  std::string cause;
};

// Most warnings about malformed lines given one by one at loading; the rest are counted.
inline constexpr std::size_t avertissements_max = 10;

// villes.dat in a directory: the list in memory and the file kept alike. Every change
// rewrites the whole file atomically; if that fails, the change is not made. When the
// file was changed elsewhere since it was read, the change is applied to the file as it
// is now (see fusion.h), asking `arbitre` when the same site changed on both sides
// (without one, the file's version is kept).
class fichier_villes {
 public:
  // separateur: the decimal separator written for new coordinates.
  explicit fichier_villes(QString dossier, std::string separateur = separateur_decimal_local());

  // Reads the file. A missing file is replaced by the bundled list, written there when
  // creer_si_absent (and only used in memory when the directory is not writable). A
  // file that exists but cannot be read leaves the bundled list in memory and the file
  // protected from any rewrite, so that it is never overwritten.
  chargement_villes charger(bool creer_si_absent = true);

  const std::vector<ville>& villes() const { return villes_; }
  std::size_t taille() const { return villes_.size(); }
  QString chemin() const;

  // A new site at its place in the order of names; refused when the name is already
  // there (without regard to case), empty, too long, or the coordinates are out of range.
  operation_villes ajouter(std::string nom, long double latitude, long double longitude,
                           const arbitre_conflit& arbitre = {});
  // New coordinates for site i; its name is kept.
  operation_villes modifier(std::size_t i, long double latitude, long double longitude,
                            const arbitre_conflit& arbitre = {});
  // Removes site i. The remembered default index is left as it is.
  operation_villes supprimer(std::size_t i, const arbitre_conflit& arbitre = {});

  // The remembered default index (the settings value "Site"), as stored; and the site
  // it designates, with the fallback of index_par_defaut.
  long long index_memorise() const { return index_memorise_; }
  void memoriser_index(long long i) { index_memorise_ = i; }
  std::optional<std::size_t> index_courant_par_defaut() const {
    return index_par_defaut(index_memorise_, villes_.size());
  }

 private:
  operation_villes enregistrer(std::vector<ville> nouvelle, std::size_t index, const edition<ville>& e,
                               const arbitre_conflit& arbitre);

  QString dossier_;
  std::string separateur_;
  std::vector<ville> villes_;
  std::vector<std::string> lignes_ignorees_;
  bool protege_ = false;   // the file exists but could not be read: never rewrite it
  empreinte_fichier lue_;  // the file as last read or written
  long long index_memorise_ = index_site_initial;
};

}  // namespace almanax
