// `astro --importer-cometes FICHIER [--remplacer|--garder]`: the comets of an element
// file in the Minor Planet Center's one-line format, added to cometes.dat. The one
// command-line path that writes a data file: atomically, under the rules of the window
// (the file read again under the folder's lock), and nothing at all when any line of
// the file cannot be read or, without a choice, when a name clashes.
#include <QDir>
#include <ostream>

#include "calcul/formats.h"
#include "cli/cli.h"
#include "donnees/cometes.h"
#include "donnees/dossiers.h"
#include "donnees/import_cometes.h"

namespace almanax::cli {

QString dossier_cometes() {
  return dossier_du_fichier(nom_fichier_cometes, QDir::currentPath());
}

int importer_cometes(const std::string& fichier, std::optional<doublons_import> choix, std::ostream& out,
                     std::ostream& err) {
  const lecture_import lu = lire_fichier_import_cometes(QString::fromLocal8Bit(fichier.c_str()));
  if (!lu.erreur.empty()) {
    err << "astro : " << lu.erreur << " Rien n'a été importé.\n";
    return 2;
  }
  if (!lu.refusees.empty()) {
    err << "astro : " << guillemets(fichier) << " n'est pas importé : " << texte_lignes_illisibles(lu.refusees.size())
        << ". Rien n'a été importé.\n"
        << texte_lignes_refusees(lu.refusees);
    return 2;
  }
  // The user's data folder is made on the first import, as the window makes it.
  QDir().mkpath(dossier_cometes());
  fichier_cometes catalogue(dossier_cometes());
  const chargement_cometes c = catalogue.charger(false);
  if (!c.erreur.empty()) {
    err << "astro : " << c.erreur << "\n";
    return 2;
  }
  const bilan_import b = catalogue.importer(lu.cometes, choix.value_or(doublons_import::annuler));
  if (!b.reussi) {
    err << "astro : " << b.message;
    if (!choix && !b.conflits.empty()) {
      err << " Comètes en cause :";
      for (std::size_t k = 0; k < b.conflits.size(); ++k) err << (k ? ", " : " ") << "« " << b.conflits[k] << " »";
      err << ". Choisissez --remplacer (les éléments du fichier) ou --garder (ceux du catalogue).";
    }
    err << "\n";
    return 2;
  }
  out << texte_bilan_import(b) << "\n";
  if (!lu.repetees.empty())
    out << lu.repetees.size()
        << (lu.repetees.size() > 1 ? " lignes répétaient une comète déjà lue plus haut dans le fichier et ont été "
                                     "passées."
                                   : " ligne répétait une comète déjà lue plus haut dans le fichier et a été passée.")
        << "\n";
  return 0;
}

}  // namespace almanax::cli
