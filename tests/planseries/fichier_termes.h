// Test helper: reads planseries/data/vsop87d_abrege.tsv at run time and
// evaluates its series on its own, as a reference for the library.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#ifndef PLANSERIES_DATA_DIR
#error "PLANSERIES_DATA_DIR must name the folder of vsop87d_abrege.tsv"
#endif

namespace fichier_termes {

struct TermeLu {
  long double a, phi, omega;
};

// planete ("terre"), coordonnee ('L', 'B' or 'R'), puissance 0..5
using Cle = std::tuple<std::string, char, int>;
using Table = std::map<Cle, std::vector<TermeLu>>;

inline Table lire(const std::string& chemin) {
  std::ifstream f(chemin);
  if (!f) throw std::runtime_error("fichier introuvable : " + chemin);
  Table table;
  std::string ligne;
  while (std::getline(f, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    std::istringstream champs(ligne);
    std::string planete, coordonnee, puissance, rang, a, phi, omega;
    std::getline(champs, planete, '\t');
    std::getline(champs, coordonnee, '\t');
    std::getline(champs, puissance, '\t');
    std::getline(champs, rang, '\t');
    std::getline(champs, a, '\t');
    std::getline(champs, phi, '\t');
    std::getline(champs, omega, '\t');
    if (omega.empty() || coordonnee.size() != 1) throw std::runtime_error("ligne mal formée : " + ligne);
    auto& termes = table[{planete, coordonnee[0], std::stoi(puissance)}];
    if (std::stoul(rang) != termes.size() + 1) throw std::runtime_error("rang hors d'ordre : " + ligne);
    termes.push_back(
        {std::strtold(a.c_str(), nullptr), std::strtold(phi.c_str(), nullptr), std::strtold(omega.c_str(), nullptr)});
  }
  return table;
}

inline const Table& table() {
  static const Table t = lire(PLANSERIES_DATA_DIR "/vsop87d_abrege.tsv");
  return t;
}

inline const std::vector<TermeLu>& termes(const std::string& planete, char coordonnee, int puissance) {
  static const std::vector<TermeLu> vide;
  auto it = table().find({planete, coordonnee, puissance});
  return it == table().end() ? vide : it->second;
}

// Sum of the first n terms (all by default), skipping the term of index sauf.
inline long double somme(const std::vector<TermeLu>& termes, long double t, std::size_t n = std::size_t(-1),
                         std::size_t sauf = std::size_t(-1)) {
  long double s = 0.0L;
  for (std::size_t i = 0; i < termes.size() && i < n; ++i) {
    if (i != sauf) s += termes[i].a * std::cos(termes[i].phi + termes[i].omega * t);
  }
  return s;
}

// The coordinate from the file, optionally without one term of one sub-series.
inline long double coordonnee(const std::string& planete, char c, long double t, int puissance_sans = -1,
                              std::size_t rang_sans = std::size_t(-1)) {
  long double total = 0.0L;
  for (int k = 0; k <= 5; ++k) {
    const std::size_t sauf = k == puissance_sans ? rang_sans : std::size_t(-1);
    total += somme(termes(planete, c, k), t, std::size_t(-1), sauf) * std::pow(t, k);
  }
  return total / 1e8L;
}

}  // namespace fichier_termes
