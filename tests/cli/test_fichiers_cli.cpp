// The command line facing a data file that is not a file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "outils.h"

namespace {

std::filesystem::path dossier_neuf(const std::string& nom) {
  const auto d = std::filesystem::temp_directory_path() / ("almanax-fichiers-" + std::to_string(getpid()) + "-" + nom);
  std::filesystem::remove_all(d);
  std::filesystem::create_directories(d);
  return d;
}

// One rule for both data files: a file that cannot be read (here a FIFO, which would
// block a plain read) is named with the reason on standard error and the bundled list
// is used; the report is the one the bundled list gives, with status 0.
TEST(FichiersCli, FichierIllisibleSignaleEtListeFournieUtilisee) {
  struct cas {
    const char* fichier;
    std::vector<std::string> args;
    const char* message;
  };
  const cas table[] = {
      {"villes.dat",
       {"--rapport", "soleil-lune", "--site", "Paris", "--date", "01/01/2000", "--heure", "04:58"},
       "villes.dat » n'est pas lu : ce n'est pas un fichier ordinaire. La liste fournie avec le programme est "
       "utilisée"},
      {"cometes.dat",
       {"--rapport", "comete", "--comete", "1P/Halley", "--date", "01/02/1986", "--heure", "00:00"},
       "cometes.dat » n'est pas lu : ce n'est pas un fichier ordinaire.) : le catalogue fourni avec le programme est "
       "utilisé"},
  };
  for (const cas& c : table) {
    SCOPED_TRACE(c.fichier);
    const auto attendu = executer_astro(c.args, dossier_neuf("attendu"));
    ASSERT_EQ(attendu.statut, 0) << attendu.erreurs;
    const auto d = dossier_neuf("fifo");
    ASSERT_EQ(::mkfifo((d / c.fichier).c_str(), 0600), 0);
    const auto debut = std::chrono::steady_clock::now();
    const auto r = executer_astro(c.args, d);
    const auto duree = std::chrono::steady_clock::now() - debut;
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_LT(duree, std::chrono::seconds(5));
    EXPECT_NE(r.erreurs.find(c.message), std::string::npos) << r.erreurs;
    EXPECT_EQ(r.sortie, attendu.sortie);
    EXPECT_FALSE(r.sortie.empty());
    std::filesystem::remove_all(d);
  }
}

// A save killed mid-way can leave "villes.dat.XXXXXX" beside the file: the window
// removes such stale temporaries when it starts, and nothing else.
TEST(FichiersCli, LaFenetreSupprimeAuDemarrageLesTemporairesAbandonnes) {
  const auto d = dossier_neuf("temporaires");
  const auto creer = [&](const char* nom) {
    std::ofstream(d / nom) << "48.85 -2.35 Paris\r\n";
    std::filesystem::last_write_time(d / nom, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  };
  for (const char* nom : {"villes.dat", "villes.dat.AbCdEf", "cometes.dat.QwErTy", "villes.dat.backup"}) creer(nom);
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(d.c_str()) != 0) _exit(127);
    if (!freopen("/dev/null", "wb", stdout) || !freopen("/dev/null", "wb", stderr)) _exit(127);
    setenv("XDG_CONFIG_HOME", (d / "config").c_str(), 1);
    setenv("HOME", d.c_str(), 1);
    setenv("XDG_DATA_HOME", (d / "donnees").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execl(ASTRO_EXE, ASTRO_EXE, static_cast<char*>(nullptr));
    _exit(127);
  }
  ASSERT_GT(pid, 0);
  // The window runs until closed: wait for the clean-up (and the comet catalogue it
  // writes after it, in the data folder: the working directory holds no cometes.dat),
  // then stop it.
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  int statut = 0;
  bool fini = false;
  while (std::chrono::steady_clock::now() < limite &&
         (std::filesystem::exists(d / "villes.dat.AbCdEf") ||
          !std::filesystem::exists(d / "donnees/Quillory/Almanax/cometes.dat"))) {
    if (::waitpid(pid, &statut, WNOHANG) == pid) {
      fini = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!fini) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &statut, 0);
  } else if (WIFEXITED(statut) && WEXITSTATUS(statut) == 0) {
    std::filesystem::remove_all(d);
    GTEST_SKIP() << "programme construit sans fenêtre";
  }
  EXPECT_FALSE(std::filesystem::exists(d / "villes.dat.AbCdEf"));
  EXPECT_FALSE(std::filesystem::exists(d / "cometes.dat.QwErTy"));
  EXPECT_TRUE(std::filesystem::exists(d / "villes.dat.backup"));
  EXPECT_TRUE(std::filesystem::exists(d / "villes.dat"));
  std::filesystem::remove_all(d);
}

}  // namespace
