// The compiled term tables against the coefficient file and the published
// term counts.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fichier_termes.h"
#include "vsop87d_termes.h"

namespace {

using planseries::Planete;
using planseries::Serie;

struct PlaneteAttendue {
  const char* nom;
  const Planete* compilee;
  // Terms of L0..L5, B0..B5, R0..R5 in the abridged tables.
  std::array<std::size_t, 18> nombres;
};

const PlaneteAttendue planetes[] = {
    {"mercure", &planseries::vsop87d::mercure, {38, 16, 10, 8, 6, 1, 14, 11, 9, 7, 2, 0, 13, 8, 7, 5, 0, 0}},
    {"venus", &planseries::vsop87d::venus, {24, 12, 8, 3, 3, 1, 9, 4, 4, 4, 1, 0, 12, 3, 3, 1, 1, 0}},
    {"terre", &planseries::vsop87d::terre, {64, 34, 20, 7, 3, 1, 5, 2, 0, 0, 0, 0, 40, 10, 6, 2, 1, 0}},
    {"mars", &planseries::vsop87d::mars, {69, 46, 33, 12, 8, 2, 16, 9, 7, 4, 3, 0, 45, 27, 11, 6, 4, 0}},
    {"jupiter", &planseries::vsop87d::jupiter, {64, 61, 57, 39, 19, 5, 26, 22, 14, 9, 6, 1, 46, 43, 36, 28, 15, 7}},
    {"saturne", &planseries::vsop87d::saturne, {90, 79, 63, 48, 27, 12, 34, 32, 29, 21, 12, 2, 44, 38, 32, 28, 23, 18}},
    {"uranus", &planseries::vsop87d::uranus, {91, 57, 35, 18, 4, 0, 28, 20, 11, 4, 1, 0, 59, 35, 18, 10, 2, 0}},
    {"neptune", &planseries::vsop87d::neptune, {38, 18, 7, 4, 1, 0, 17, 13, 6, 4, 1, 0, 32, 15, 5, 1, 0, 0}},
};

const Serie& serie(const Planete& p, char c) {
  return c == 'L' ? p.l : c == 'B' ? p.b : p.r;
}

std::string nom(const PlaneteAttendue& p, char c, int k) {
  return std::string(p.nom) + " " + c + std::to_string(k);
}

TEST(TablesCompilees, NombreDeTermesParSousSerie) {
  std::size_t total = 0;
  for (const auto& p : planetes) {
    for (int j = 0; j < 18; ++j) {
      const char c = "LBR"[j / 6];
      const int k = j % 6;
      const std::size_t attendu = p.nombres[j];
      EXPECT_EQ(fichier_termes::termes(p.nom, c, k).size(), attendu) << "fichier, " << nom(p, c, k);
      EXPECT_EQ(serie(*p.compilee, c)[k].size(), attendu) << "table compilée, " << nom(p, c, k);
      total += attendu;
    }
  }
  // Nothing in the file beyond the eight planets' sub-series counted above.
  std::size_t lus = 0;
  for (const auto& [cle, termes] : fichier_termes::table()) lus += termes.size();
  EXPECT_EQ(lus, total);
  EXPECT_EQ(total, 2430u);
}

TEST(TablesCompilees, TermesIdentiquesAuFichierDansLOrdre) {
  for (const auto& p : planetes) {
    for (char c : {'L', 'B', 'R'}) {
      for (int k = 0; k < 6; ++k) {
        const auto& lus = fichier_termes::termes(p.nom, c, k);
        const auto compiles = serie(*p.compilee, c)[k];
        ASSERT_EQ(compiles.size(), lus.size()) << nom(p, c, k);
        for (std::size_t i = 0; i < lus.size(); ++i) {
          // Same decimal text on both sides, so the same long double exactly.
          EXPECT_EQ(compiles[i].a, lus[i].a) << nom(p, c, k) << " rang " << i + 1;
          EXPECT_EQ(compiles[i].phi, lus[i].phi) << nom(p, c, k) << " rang " << i + 1;
          EXPECT_EQ(compiles[i].omega, lus[i].omega) << nom(p, c, k) << " rang " << i + 1;
        }
      }
    }
  }
}

TEST(TablesCompilees, AmplitudesDecroissantes) {
  // The printed order is by decreasing amplitude within each sub-series; a
  // shuffled or misplaced row breaks it.
  for (const auto& p : planetes) {
    for (char c : {'L', 'B', 'R'}) {
      for (int k = 0; k < 6; ++k) {
        const auto termes = serie(*p.compilee, c)[k];
        for (std::size_t i = 1; i < termes.size(); ++i) {
          EXPECT_LE(termes[i].a, termes[i - 1].a) << nom(p, c, k) << " rang " << i + 1;
        }
      }
    }
  }
}

}  // namespace
