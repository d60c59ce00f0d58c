// Comets imported from the element files the Minor Planet Center publishes, in its
// one-line export format for comet orbits (the format of CometEls.txt): one comet a
// line, read by columns (1 for the first):
//    1-4   periodic comet number          5  orbit type      6-12  provisional designation
//   15-18  year of perihelion passage  20-21 its month     23-29  its day, with fraction (TT)
//   31-39  q, perihelion distance (AU) 42-49 e, eccentricity
//   52-59  w, argument of perihelion   62-69 W, longitude of the ascending node
//   72-79  i, inclination (ecliptic and equinox J2000.0, degrees)
//   82-89  epoch of osculation (or blank), 92-95 H, 97-100 G
//  103-158 designation and name ("C/2023 A3 (Tsuchinshan-ATLAS)", "12P/Pons-Brooks")
//  160-    reference
// Each line becomes one comet of the catalogue: its name is the designation and name as
// written, its elements the catalogue's texts (decimal comma, the digits as published).
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "donnees/cometes.h"

namespace almanax {

// Far above a real file (the Minor Planet Center's whole list is about 100 kB).
inline constexpr qint64 taille_max_import_cometes = 20 * 1024 * 1024;

// A line that cannot be read, and why, in French.
struct ligne_refusee {
  std::size_t ligne = 0;  // 1 for the first line of the file
  std::string raison;
};

struct lecture_import {
  // The comets, in the order of the file, one per name (not yet in any catalogue).
  std::vector<comete> cometes;
  // Lines that cannot be read. When there is any, `cometes` is empty: nothing is to be
  // imported from a file that is read only in part.
  std::vector<ligne_refusee> refusees;
  // Lines whose name an earlier line of the file already gave: passed over (the file
  // gives two solutions for some comets; the first is kept).
  std::vector<std::size_t> repetees;
  // The whole file refused (missing, not a regular file, too large, no comet in it):
  // a French sentence. `cometes` is then empty.
  std::string erreur;

  bool lisible() const { return erreur.empty() && refusees.empty(); }
};

// Reads the content of an element file. Blank lines are passed over; any other line
// that is not a whole comet line (truncated, shifted columns, letters where a number
// goes, control characters, a date the calendar lacks, q <= 0, e <= 0) is refused.
lecture_import lire_import_cometes(const QByteArray& contenu);

// Reads the file `chemin`: only a regular file of at most `taille_max` bytes is read.
lecture_import lire_fichier_import_cometes(const QString& chemin, qint64 taille_max = taille_max_import_cometes);

// The refused lines as a French list, one "ligne N : raison" a line (LF), at most
// `maximum` of them, then how many more there are.
std::string texte_lignes_refusees(const std::vector<ligne_refusee>& refusees, std::size_t maximum = 20);

// "2 lignes ne sont pas lisibles au format des éléments de comètes du Minor Planet
// Center" (no final stop): why a file with `n` refused lines is not imported.
std::string texte_lignes_illisibles(std::size_t n);

// "12 comètes importées : 10 ajoutées, 2 remplacées." (the counts that are not zero).
std::string texte_bilan_import(const bilan_import& bilan);

}  // namespace almanax
