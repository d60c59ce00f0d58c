// A report that cannot be written to standard output is a failure: status 2 and a
// French message on standard error, never a silent success.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <streambuf>

#include "cli/cli.h"
#include "outils.h"

namespace {

// Runs the built program with its standard output on /dev/full.
sortie_astro executer_vers_disque_plein(std::vector<std::string> args) {
  const auto dossier = dossier_de_test();
  std::filesystem::create_directories(dossier);
  const auto err = dossier / "stderr-plein.txt";
  sortie_astro r;
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dossier.c_str()) != 0) _exit(127);
    const int plein = ::open("/dev/full", O_WRONLY);
    if (plein < 0 || ::dup2(plein, 1) < 0 || !freopen(err.c_str(), "wb", stderr)) _exit(127);
    setenv("XDG_CONFIG_HOME", (dossier / "config").c_str(), 1);
    setenv("HOME", dossier.c_str(), 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    std::string exe = ASTRO_EXE;
    std::vector<char*> argv{exe.data()};
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(exe.c_str(), argv.data());
    _exit(127);
  }
  int statut = 0;
  waitpid(pid, &statut, 0);
  r.statut = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
  std::ifstream f(err, std::ios::binary);
  r.erreurs.assign(std::istreambuf_iterator<char>(f), {});
  return r;
}

// A stream whose every write fails, as a full disk does.
class TamponRefuse : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

}  // namespace

TEST(SortieStandard, DisquePleinStatut2EtMessage) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "/dev/full manque ici";
  // Short and long outputs (the year's curve of the JSON is far above a stdio buffer).
  const std::vector<std::vector<std::string>> commandes = {
      {"--help"},
      {"--rapport", "dates", "--date1", "01/01/2000", "--date2", "01/01/2001"},
      {"--rapport", "dates", "--date1", "01/01/2000", "--date2", "01/01/2001", "--json"},
      {"--rapport", "equation-temps", "--date", "13/10/1992", "--json"},
  };
  for (const auto& c : commandes) {
    const sortie_astro r = executer_vers_disque_plein(c);
    EXPECT_EQ(r.statut, 2) << c.front() << " " << (c.size() > 1 ? c[1] : "");
    EXPECT_NE(r.erreurs.find("la sortie standard n'a pas pu être écrite"), std::string::npos) << r.erreurs;
  }
}

TEST(SortieStandard, FluxEnEchecDansLeProcessus) {
  TamponRefuse refuse;
  std::ostream out(&refuse);
  std::ostringstream err;
  std::string a0 = "astro", a1 = "--rapport", a2 = "dates";
  char* argv[] = {a0.data(), a1.data(), a2.data()};
  EXPECT_EQ(almanax::cli::principal(3, argv, out, err), 2);
  EXPECT_NE(err.str().find("astro : la sortie standard"), std::string::npos) << err.str();
  // The same run on a working stream succeeds and says nothing.
  std::ostringstream bon, rien;
  EXPECT_EQ(almanax::cli::principal(3, argv, bon, rien), 0);
  EXPECT_FALSE(bon.str().empty());
  EXPECT_TRUE(rien.str().empty());
}
