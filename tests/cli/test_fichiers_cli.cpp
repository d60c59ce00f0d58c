// The command line facing a villes.dat that is not a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "outils.h"

namespace {

std::filesystem::path dossier_neuf(const std::string& nom) {
  const auto d = std::filesystem::temp_directory_path() / ("almanax-fichiers-" + std::to_string(getpid()) + "-" + nom);
  std::filesystem::remove_all(d);
  std::filesystem::create_directories(d);
  return d;
}

TEST(FichiersCli, VillesEnFifoMessageEtStatut2SansAttendre) {
  const auto d = dossier_neuf("fifo");
  ASSERT_EQ(::mkfifo((d / "villes.dat").c_str(), 0600), 0);
  const auto debut = std::chrono::steady_clock::now();
  const auto r = executer_astro({"--rapport", "soleil-lune", "--site", "Paris"}, d);
  const auto duree = std::chrono::steady_clock::now() - debut;
  EXPECT_EQ(r.statut, 2);
  EXPECT_LT(duree, std::chrono::seconds(5));
  EXPECT_NE(r.erreurs.find("villes.dat » n'est pas lu : ce n'est pas un fichier ordinaire."), std::string::npos)
      << r.erreurs;
  EXPECT_EQ(r.sortie, "");
  std::filesystem::remove_all(d);
}

}  // namespace
