// The text-only `astro` and the full program it hands over to: a report loads no
// graphics library and prints what the reports print in-process; the window,
// --capture and --image go to astro-graphique, and without it a French message.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "cli/image_cli.h"
#include "cli/images/brancher_images.h"
#include "cli/programme_complet.h"
#include "outils.h"

namespace {

namespace fs = std::filesystem;
using almanax::cli::dessinateurs_images;

struct en_processus {
  int statut;
  std::string sortie, erreurs;
};

// The report run inside this process, as the fingerprint test does.
en_processus principal(std::vector<std::string> args) {
  args.insert(args.begin(), "astro");
  std::vector<char*> argv;
  for (auto& s : args) argv.push_back(s.data());
  std::ostringstream out, err;
  const int statut = almanax::cli::principal(static_cast<int>(argv.size()), argv.data(), out, err);
  return {statut, out.str(), err.str()};
}

// The table of drawers as the test found it, put back at the end of the test.
class TableGardee {
 public:
  TableGardee() : avant_(almanax::cli::dessinateurs()) {}
  ~TableGardee() { almanax::cli::dessinateurs() = avant_; }

 private:
  dessinateurs_images avant_;
};

fs::path dossier_vide(const std::string& nom) {
  const fs::path d = dossier_de_test() / nom;
  fs::remove_all(d);
  fs::create_directories(d);
  return d;
}

}  // namespace

TEST(ProgrammeLeger, QuiDemandeLeProgrammeComplet) {
  const std::vector<std::pair<std::vector<const char*>, bool>> cas = {
      {{"astro"}, true},
      {{"astro", "--rapport", "dates"}, false},
      {{"astro", "--help"}, false},
      {{"astro", "--capture", "images"}, true},
      {{"astro", "--capture=images"}, true},
      {{"astro", "--rapport", "ce-soir", "--image", "nuit.png"}, true},
      {{"astro", "--rapport", "ce-soir", "--site", "Paris", "--image=nuit.png"}, true},
      {{"astro", "--rapport", "ce-soir", "--imagerie", "x"}, false},
      {{"astro", "--rapport", "ce-soir", "-image", "x"}, false},
      {{"astro", "--rapport", "dates", "--", "--image"}, false},
  };
  for (const auto& [argv, complet] : cas)
    EXPECT_EQ(almanax::cli::demande_programme_complet(static_cast<int>(argv.size()), argv.data()), complet)
        << argv.back();

  using almanax::cli::chemins_programme_complet;
  EXPECT_EQ(chemins_programme_complet("/opt/a/bin/astro", "../libexec/almanax"),
            (std::vector<std::string>{"/opt/a/bin/astro-graphique", "/opt/a/libexec/almanax/astro-graphique"}));
  EXPECT_EQ(chemins_programme_complet("/b/astro", ""), std::vector<std::string>{"/b/astro-graphique"});
  EXPECT_TRUE(chemins_programme_complet("", "../libexec/almanax").empty());
}

// glibc lists on standard error every object the run loads (LD_DEBUG=files): the text
// and JSON reports must load Qt Core and no Qt Gui, Widgets, PrintSupport or platform
// plugin, and print exactly what the reports print in-process.
TEST(ProgrammeLeger, RapportSansBibliothequeGraphiqueEtMemeTexte) {
#ifndef ALMANAX_PROGRAMME_LEGER
  GTEST_SKIP() << "built without the window: astro is the one full program";
#endif
  const std::vector<std::vector<std::string>> commandes = {
      {"--rapport", "soleil-lune", "--site", "Paris", "--date", "1/1/2024", "--heure", "12:00"},
      {"--rapport", "soleil-lune", "--site", "Paris", "--date", "1/1/2024", "--heure", "12:00", "--json"},
      {"--rapport", "ce-soir", "--site", "Paris", "--date", "21/6/2025"},
      {"--rapport", "planetarium-geo", "--date", "1/1/2000"},
  };
  for (const auto& args : commandes) {
    const std::string cmd = args[1] + (args.back() == "--json" ? " --json" : "");
    const sortie_astro r = executer_programme(ASTRO_EXE, args, dossier_vide("ld"), "C.UTF-8", {{"LD_DEBUG", "files"}});
    ASSERT_EQ(r.statut, 0) << cmd << r.erreurs.substr(0, 2000);
    ASSERT_NE(r.erreurs.find("file=libQt6Core.so"), std::string::npos) << cmd << ": no loader listing";
    for (const char* interdit : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "/platforms/", "libEGL", "libX11"})
      EXPECT_EQ(r.erreurs.find(interdit), std::string::npos) << cmd << " loads " << interdit;
    const en_processus attendu = principal(args);
    ASSERT_EQ(attendu.statut, 0) << attendu.erreurs;
    EXPECT_EQ(r.sortie, attendu.sortie) << cmd;
  }
}

// --image through astro: the full program draws the picture (with the window built, it
// alone loads Qt Gui), the same as the reports' drawers in-process, as a valid PNG.
TEST(ProgrammeLeger, ImageParLeProgrammeComplet) {
  const fs::path d = dossier_vide("image");
  const std::vector<std::string> args = {"--rapport", "ce-soir", "--site", "Paris", "--date", "21/6/2025"};
  std::vector<std::string> avec_image = args;
  avec_image.insert(avec_image.end(), {"--image", (d / "astro.png").string()});
  const sortie_astro r = executer_programme(ASTRO_EXE, avec_image, d, "C.UTF-8", {{"LD_DEBUG", "files"}});
  ASSERT_EQ(r.statut, 0) << r.erreurs.substr(0, 2000);
  // The loader names the program by its argv[0], kept as "astro": Qt Gui in the listing
  // is the full program's.
  EXPECT_NE(r.erreurs.find("file=libQt6Gui.so"), std::string::npos);

  std::ifstream f(d / "astro.png", std::ios::binary);
  std::string signature(8, '\0');
  f.read(signature.data(), 8);
  EXPECT_EQ(signature, std::string("\x89PNG\r\n\x1a\n", 8));
  const QImage lue(QString::fromStdString((d / "astro.png").string()), "PNG");
  ASSERT_FALSE(lue.isNull());

  TableGardee garde;
  almanax::cli::brancher_images();
  std::vector<std::string> en_memoire = args;
  en_memoire.insert(en_memoire.end(), {"--image", (d / "ici.png").string()});
  const en_processus ici = principal(en_memoire);
  ASSERT_EQ(ici.statut, 0) << ici.erreurs;
  const QImage attendue(QString::fromStdString((d / "ici.png").string()), "PNG");
  EXPECT_EQ(lue.size(), QSize(760, 420));
  EXPECT_EQ(lue.convertToFormat(QImage::Format_RGB32), attendue.convertToFormat(QImage::Format_RGB32));
  // The text printed beside the picture is the report's.
  EXPECT_EQ(r.sortie, ici.sortie);
}

// A program whose drawers were never filled refuses --image in French, writes nothing
// and still prints the reports.
TEST(ProgrammeLeger, SansDessinateursImageRefusee) {
  const fs::path d = dossier_vide("sans-dessin");
  TableGardee garde;
  almanax::cli::dessinateurs() = {};
  for (const std::string rapport :
       {"ce-soir", "equation-temps", "satellites", "planetarium-helio", "planetarium-geo"}) {
    const std::string fichier = (d / (rapport + ".png")).string();
    const en_processus r = principal({"--rapport", rapport, "--date", "1/1/2000", "--image", fichier});
    EXPECT_EQ(r.statut, 2) << rapport;
    EXPECT_NE(r.erreurs.find("--image n'est pas disponible dans ce programme"), std::string::npos)
        << rapport << r.erreurs;
    EXPECT_FALSE(fs::exists(fichier)) << rapport;
    EXPECT_EQ(principal({"--rapport", rapport, "--date", "1/1/2000"}).statut, 0) << rapport;
  }
}

// astro copied alone into a folder without astro-graphique: the reports still print;
// the window, --capture and --image get a French message naming each path looked at.
TEST(ProgrammeLeger, ProgrammeCompletAbsentMessageFrancais) {
#ifndef ALMANAX_PROGRAMME_LEGER
  GTEST_SKIP() << "built without the window: astro hands nothing over";
#endif
  const fs::path seul = dossier_vide("seul") / "bin";
  fs::create_directories(seul);
  fs::copy_file(ASTRO_EXE, seul / "astro");
  // The copy finds the planseries library of the build, not beside it.
  const std::vector<std::pair<std::string, std::string>> env = {{"LD_LIBRARY_PATH", PLANSERIES_DIR}};
  const std::string exe = (seul / "astro").string();
  const fs::path travail = dossier_vide("seul-travail");

  const sortie_astro texte =
      executer_programme(exe, {"--rapport", "dates", "--annee", "2000"}, travail, "C.UTF-8", env);
  EXPECT_EQ(texte.statut, 0) << texte.erreurs;
  EXPECT_FALSE(texte.sortie.empty());

  const std::vector<std::vector<std::string>> commandes = {
      {}, {"--capture", (travail / "images").string()}, {"--rapport", "equation-temps", "--image", "courbe.png"}};
  for (const auto& args : commandes) {
    const sortie_astro r = executer_programme(exe, args, travail, "C.UTF-8", env);
    const std::string cmd = args.empty() ? "(fenêtre)" : args.front();
    EXPECT_EQ(r.statut, 2) << cmd;
    EXPECT_TRUE(r.sortie.empty()) << cmd;
    EXPECT_NE(r.erreurs.find("le programme complet (astro-graphique)"), std::string::npos) << cmd << r.erreurs;
    EXPECT_NE(r.erreurs.find((seul / "astro-graphique").string() + " : introuvable"), std::string::npos) << r.erreurs;
    EXPECT_NE(r.erreurs.find((seul.parent_path() / "libexec/almanax/astro-graphique").string() + " : introuvable"),
              std::string::npos)
        << r.erreurs;
  }
  EXPECT_FALSE(fs::exists(travail / "images"));
  EXPECT_FALSE(fs::exists(travail / "courbe.png"));
}
