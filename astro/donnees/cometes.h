// The comet catalogue cometes.dat: one comet a line, "name TAB T year TAB T month TAB
// T day TAB q TAB e TAB w TAB W TAB i", the element texts kept as typed, lines in
// ascending order of name. Reading, the list in memory and its atomic rewrite.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calcul/pages/comete.h"
#include "donnees/fichier_sur.h"
#include "donnees/fusion.h"

namespace almanax {

inline constexpr const char* nom_fichier_cometes = "cometes.dat";

// One line of the catalogue.
struct comete {
  std::string nom;
  // Everything after the first TAB: the eight element texts joined by TABs.
  std::string donnees;
  // A line without any TAB: a comet with an empty name whose data is the whole line,
  // written back as it was read.
  bool sans_tabulation = false;
  // Its line in the file (1 for the first), for the messages about a damaged comet;
  // 0 for a comet not yet written. Not part of what the comet is.
  std::size_t ligne = 0;
  bool operator==(const comete& autre) const {
    return nom == autre.nom && donnees == autre.donnees && sans_tabulation == autre.sans_tabulation;
  }
};

// The element texts of a data text, split at the TABs; missing fields are empty and
// the inclination takes everything after the seventh TAB.
textes_comete textes_de(const std::string& donnees);
// The data text of element texts, in the file's order (q, e, w, W, i).
std::string donnees_de(const textes_comete& t);

// Parses a catalogue: UTF-8 or the older single-byte code page, CR LF, LF or CR line
// ends; blank lines are passed over (and counted in the comets' line numbers).
std::vector<comete> lire_cometes(const QByteArray& contenu);
// The file's content, UTF-8 and CR LF, one line per comet in list order.
QByteArray contenu_cometes(const std::vector<comete>& cometes);
// The catalogue bundled with the program.
QByteArray cometes_par_defaut();

// Outcome of a change. On failure nothing changed, in memory or on disk.
struct operation_cometes {
  bool reussie = false;
  std::size_t index = 0;  // the comet added or changed
  std::string titre;      // caption and text of the message to show on failure
  std::string message;
  bool doublon = false;  // refused: the name is already in the list
  // The file had been changed elsewhere: the list was read again and the edit applied
  // to it (the whole list is to be shown again).
  bool relue = false;
  // On a conflict the file's version was kept: the edit is not in the list.
  bool appliquee = true;
};

// What an import does with a comet whose name the catalogue already has with other
// elements: the caller's one choice for the whole import.
enum class doublons_import {
  annuler,    // nothing is written; the clashing names are listed
  remplacer,  // the imported elements replace the catalogue's
  garder      // the catalogue's elements stay
};

// Outcome of an import. On failure nothing changed, in memory or on disk.
struct bilan_import {
  bool reussi = false;
  std::string titre;  // caption and text of the message to show on failure
  std::string message;
  // Names the catalogue holds with other elements than the file's (all of them, in the
  // order of the file); under doublons_import::annuler they are why nothing was written.
  std::vector<std::string> conflits;
  std::size_t ajoutees = 0;    // new names
  std::size_t remplacees = 0;  // elements replaced
  std::size_t gardees = 0;     // the catalogue's elements kept
  std::size_t identiques = 0;  // already in the catalogue with the same elements
  bool relue = false;          // the file had changed elsewhere: the import went onto it as it is now
  bool ecrit = false;          // the file was rewritten (not when nothing changed)
};

struct chargement_cometes {
  bool fichier_cree = false;  // the file was missing: the bundled catalogue was written there
  std::string erreur;         // French message when the file could not be read or created
};

// cometes.dat in a directory: the list in memory and the file kept alike. Every
// change rewrites the whole file atomically; if that fails, the change is not made.
// When the file was changed elsewhere since it was read, the change is applied to the
// file as it is now (see fusion.h), asking `arbitre` when the same comet changed on
// both sides (without one, the file's version is kept).
class fichier_cometes {
 public:
  explicit fichier_cometes(QString dossier) : dossier_(std::move(dossier)) {}

  // Reads the file. A missing file is replaced by the bundled catalogue, written there
  // when creer_si_absent. A file that exists but cannot be read leaves the bundled
  // catalogue in memory and the file protected from any rewrite.
  chargement_cometes charger(bool creer_si_absent = true);

  const std::vector<comete>& cometes() const { return cometes_; }
  std::size_t taille() const { return cometes_.size(); }
  QString chemin() const;

  // A new comet at its place in the order of names (the only one in an empty list);
  // refused when the name is already there, without regard to case.
  operation_cometes ajouter(std::string nom, const textes_comete& elements, const arbitre_conflit& arbitre = {});
  // New elements for comet i; its name is kept.
  operation_cometes modifier(std::size_t i, const textes_comete& elements, const arbitre_conflit& arbitre = {});
  operation_cometes supprimer(std::size_t i, const arbitre_conflit& arbitre = {});

  // Adds the comets read from an element file (lire_import_cometes), each at its place
  // in the order of names, or, for a name already there with other elements, as
  // `choix` says. Like every change it is applied to the file as it is now, read again
  // under the folder's lock; a missing file starts from the bundled catalogue. With
  // doublons_import::annuler and a clash, nothing is written and `conflits` lists them:
  // the caller may then ask and import again with the answer.
  bilan_import importer(const std::vector<comete>& arrivees, doublons_import choix);

 private:
  operation_cometes enregistrer(std::vector<comete> nouvelle, std::size_t index, const edition<comete>& e,
                                const arbitre_conflit& arbitre);
  // Writes `contenu`, the content of `liste`, over the file at `c` (safely); then `liste`
  // is the list in memory, its lines numbered as written. The writer's French error, or empty.
  std::string ecrire_liste(const QString& c, std::vector<comete> liste, const QByteArray& contenu);

  QString dossier_;
  std::vector<comete> cometes_;
  bool protege_ = false;
  empreinte_fichier lue_;  // the file as last read or written
};

}  // namespace almanax
