// The command-line framework: help, errors, exit statuses, option parsing.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli/json.h"
#include "outils.h"

using namespace almanax;
using namespace almanax::cli;

namespace {
arguments args(std::map<std::string, std::string> v) { return arguments(std::move(v)); }

// Runs the command line in this process and returns {status, stdout, stderr}.
sortie_astro lancer(std::vector<std::string> a) {
  a.insert(a.begin(), "astro");
  std::vector<char*> argv;
  for (auto& s : a) argv.push_back(s.data());
  std::ostringstream out, err;
  const int statut = principal(static_cast<int>(argv.size()), argv.data(), out, err);
  return {statut, out.str(), err.str()};
}
}  // namespace

TEST(LigneDeCommande, AideEnFrancaisAvecLesRapports) {
  const auto r = lancer({"--help"});
  EXPECT_EQ(r.statut, 0);
  EXPECT_NE(r.sortie.find("Utilisation"), std::string::npos);
  for (const auto& rap : rapports()) EXPECT_NE(r.sortie.find(std::string(rap.nom)), std::string::npos) << rap.nom;
  EXPECT_TRUE(r.erreurs.empty());
}

TEST(LigneDeCommande, ErreursStatut2MessageFrancaisRienSurLaSortie) {
  const std::vector<std::vector<std::string>> mauvais = {
      {"--rapport", "inexistant"},
      {"--rapport", "dates", "--date1", "32/01/2000"},
      {"--rapport", "dates", "--date1", "29/02/1900"},
      {"--rapport", "dates", "--date1", "01/01/0"},
      {"--rapport", "dates", "--date1", "10/10/1582"},
      {"--rapport", "dates", "--date1", "2000-01-01"},
      {"--rapport", "dates", "--heure1", "24:00"},
      {"--rapport", "dates", "--annee", "abc"},
      {"--rapport", "dates", "--annee", "5000"},
      {"--rapport", "dates", "--annee", "0"},
      {"--rapport", "dates", "--inconnue", "1"},
      {"--rapport", "dates", "--annee"},
      {"--rapport", "dates", "--annee", "2000", "--annee", "2001"},
      {"sans-tirets"},
      {"--date1", "01/01/2000"},
  };
  for (const auto& a : mauvais) {
    const auto r = lancer(a);
    std::string cmd;
    for (const auto& x : a) cmd += x + " ";
    EXPECT_EQ(r.statut, 2) << cmd;
    EXPECT_TRUE(r.sortie.empty()) << cmd;
    EXPECT_EQ(r.erreurs.rfind("astro : ", 0), 0u) << cmd << r.erreurs;
  }
  EXPECT_NE(lancer({"--rapport", "dates", "--annee", "abc"}).erreurs.find("« abc »"), std::string::npos);
  EXPECT_NE(lancer({"--rapport", "dates", "--inconnue", "1"}).erreurs.find("--inconnue"), std::string::npos);
}

TEST(LigneDeCommande, OptionsTypees) {
  auto a = args({{"n", "-12"}, {"x", "3,25"}, {"y", "-0.5"}, {"d", "31/12/-4713"}, {"h", "7:05"}, {"p", "venus,Mars"}});
  EXPECT_EQ(a.entier("n", 0, -100, 100), -12);
  EXPECT_DOUBLE_EQ(static_cast<double>(a.reel("x", 0, -10, 10)), 3.25);
  EXPECT_DOUBLE_EQ(static_cast<double>(a.reel("y", 0, -10, 10)), -0.5);
  EXPECT_EQ(a.date("d", {}), (date_jma{31, 12, -4713}));
  const heure_hms h = a.heure("h", {});
  EXPECT_EQ(h.heure, 7);
  EXPECT_EQ(h.minute, 5);
  EXPECT_EQ(h.seconde, 0);
  EXPECT_EQ(a.liste("p", {}, {"Vénus", "Mars", "Jupiter"}), (std::vector<std::string>{"Vénus", "Mars"}));
  EXPECT_NO_THROW(a.verifier_tout_lu());
  EXPECT_EQ(a.entier("absente", 42, 0, 100), 42);

  auto b = args({{"d", "29/02/-1"}, {"e", "29/02/-2"}, {"f", "31/04/2000"}, {"r", "1e999"}});
  EXPECT_EQ(b.date("d", {}).jour, 29);  // 1 BC, astronomical year 0, is a leap year
  EXPECT_THROW(b.date("e", {}), erreur_option);
  EXPECT_THROW(b.date("f", {}), erreur_option);
  EXPECT_THROW(b.reel("r", 0, -1e9, 1e9), erreur_option);
  auto c = args({{"lu", "1"}, {"oublie", "2"}});
  c.texte("lu", "");
  EXPECT_THROW(c.verifier_tout_lu(), erreur_option);
}

TEST(LigneDeCommande, JsonEchappeEtGardeLOrdre) {
  json::valeur v = json::valeur::nouvel_objet();
  v.ajouter("b", 1).ajouter("a", "x\"y\r\n\t").ajouter("nan", std::nan(""));
  v.ajouter("b", 2.5);
  json::valeur t = json::valeur::nouveau_tableau();
  t.pousser(true).pousser(nullptr).pousser(2451545.0L);
  v.ajouter("t", std::move(t));
  EXPECT_EQ(v.texte(), R"({"b":2.5,"a":"x\"y\r\n\t","nan":null,"t":[true,null,2451545]})");
}

TEST(LigneDeCommande, LeProgrammeConstruitRepondCommeLaFonction) {
  const auto r = executer_astro({"--rapport", "dates", "--date1", "01/01/2000", "--heure1", "12:00", "--date2",
                                 "02/01/2000", "--annee", "2026"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("Première date\t Nom du jour : samedi\r\n"), std::string::npos);
  EXPECT_NE(r.sortie.find("Pâques\t: 5 Avril\r\n"), std::string::npos);
  const auto mauvais = executer_astro({"--rapport", "dates", "--date1", "xx"});
  EXPECT_EQ(mauvais.statut, 2);
  EXPECT_TRUE(mauvais.sortie.empty());
  EXPECT_NE(mauvais.erreurs.find("Date invalide"), std::string::npos);
  // Without arguments the program opens its window; the help is asked for.
  const auto aide = executer_astro({"--help"});
  EXPECT_EQ(aide.statut, 0);
  EXPECT_NE(aide.sortie.find("Utilisation"), std::string::npos);
}
