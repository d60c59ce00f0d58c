// Alphabetical order of French names as the lists show them: accents and case do not
// count first ("Vénus" sorts as "venus", after "Uranus"), then an unaccented name
// before its accented twin. Rows with the same name keep their order (stable sort).
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace almanax {

// Lower case, French accents and ligatures folded ("Vénus" -> "venus", "Œil" -> "oeil").
std::string cle_francaise(std::string_view nom);

// <0, 0 or >0 in French alphabetical order; 0 only for identical names.
int comparer_francais(std::string_view a, std::string_view b);

// Stable sort of rows by a name taken from each row.
template <class Ligne, class Nom>
void trier_par_nom(std::vector<Ligne>& lignes, Nom nom) {
  std::vector<std::pair<std::string, std::size_t>> cles;  // folded once per row
  cles.reserve(lignes.size());
  for (std::size_t i = 0; i < lignes.size(); ++i) cles.emplace_back(cle_francaise(nom(lignes[i])), i);
  std::stable_sort(cles.begin(), cles.end(), [&](const auto& x, const auto& y) {
    if (x.first != y.first) return x.first < y.first;
    return std::string_view(nom(lignes[x.second])) < std::string_view(nom(lignes[y.second]));
  });
  std::vector<Ligne> triees;
  triees.reserve(lignes.size());
  for (const auto& c : cles) triees.push_back(std::move(lignes[c.second]));
  lignes = std::move(triees);
}

}  // namespace almanax
