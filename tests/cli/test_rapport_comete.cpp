// `--rapport comete` and `--rapport precession`: the pages' blocks, the raw values in
// JSON, one truth for a catalogue comet and the same elements typed, refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "outils.h"

namespace {

std::filesystem::path dossier_vide(const char* nom) {
  const auto d = std::filesystem::temp_directory_path() / ("almanax-cli-" + std::to_string(getpid()) + "-" + nom);
  std::filesystem::remove_all(d);
  return d;
}

}  // namespace

TEST(RapportComete, CatalogueEtElementsDonnentLeMemeBloc) {
  const auto d = dossier_vide("comete");
  const auto r =
      executer_astro({"--rapport", "comete", "--comete", "1p/halley", "--date", "01/02/1986", "--heure", "00:00"}, d);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie.rfind("Le 1 Février 1986 à 00:00:00\r\nNom          \t1P/Halley\r\nAscension Droite\t", 0), 0u)
      << r.sortie;
  EXPECT_NE(r.sortie.find("\r\nElongation     \t"), std::string::npos);
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 4), "\r\n\r\n");
  // The command line writes nothing, not even the missing catalogue.
  EXPECT_FALSE(std::filesystem::exists(d / "cometes.dat"));

  // Halley's elements of the bundled catalogue typed as options.
  const auto e = executer_astro({"--rapport", "comete",    "--T",   "05/02/1986.89532", "--q",    "0,5859781",
                                 "--e",       "0,9671429", "--i",   "162,26269",        "--w",    "111,33249",
                                 "--W",       "58,42008",  "--nom", "1P/Halley",        "--date", "01/02/1986",
                                 "--heure",   "00:00"},
                                d);
  ASSERT_EQ(e.statut, 0) << e.erreurs;
  EXPECT_EQ(e.sortie, r.sortie);
  const QJsonObject j = document_json(executer_astro(
      {"--rapport", "comete", "--comete", "1P/Halley", "--date", "01/02/1986", "--heure", "00:00", "--json"}));
  EXPECT_EQ(au_chemin(j, "resultat/ascension_droite_deg/texte").toString(), "21 h 04 m 09 s");
  EXPECT_NEAR(au_chemin(j, "resultat/ascension_droite_deg/valeur").toDouble(), 316.037, 1e-3);
  EXPECT_NEAR(au_chemin(j, "resultat/declinaison_deg/valeur").toDouble(), -9.8119, 1e-4);
  EXPECT_NEAR(au_chemin(j, "resultat/distance_ua/valeur").toDouble(), 1.558562, 1e-6);
  EXPECT_NEAR(au_chemin(j, "resultat/elongation_deg/valeur").toDouble(), 7.528, 1e-3);
  EXPECT_EQ(au_chemin(j, "resultat/jour_julien").toDouble(), 2446462.5);
  EXPECT_EQ(au_chemin(j, "resultat/perihelie/instant").toString(), "1986-02-05T21:29:16");
  EXPECT_EQ(au_chemin(j, "entrees/comete/e").toString(), "0,9671429");
}

TEST(RapportComete, Refus) {
  const std::vector<std::vector<std::string>> cas = {
      {"--comete", "inconnue"},
      {"--T", "20/08/1989", "--q", "0", "--e", "1", "--i", "1", "--w", "1", "--W", "1"},
      {"--T", "20/08/1989", "--q", "1", "--e", "-1,2", "--i", "1", "--w", "1", "--W", "1"},
      {"--T", "20/08/1989", "--q", "1", "--e", "0,5", "--i", "1", "--w", "1"},
      {"--T", "20-08-1989", "--q", "1", "--e", "0,5", "--i", "1", "--w", "1", "--W", "1"},
      {"--comete", "1P/Halley", "--q", "1"},
  };
  const char* messages[] = {"Comète inconnue", "'q'", "La donnée 'e' doit être e > 0", "--W", "--T", "s'excluent"};
  for (std::size_t k = 0; k < cas.size(); ++k) {
    std::vector<std::string> args{"--rapport", "comete"};
    args.insert(args.end(), cas[k].begin(), cas[k].end());
    const auto r = executer_astro(args);
    EXPECT_EQ(r.statut, 2) << k;
    EXPECT_NE(r.erreurs.find(messages[k]), std::string::npos) << k << " " << r.erreurs;
    EXPECT_TRUE(r.sortie.empty());
  }
}

// An impossible perihelion date or elements that give no finite position: status 2,
// a French message naming the option, nothing printed. A damaged comet of the
// catalogue is named with its line in the file and the element.
TEST(RapportComete, PassageImpossibleEtPositionNonFinie) {
  struct cas {
    std::string T, q;
    const char* message;
  };
  const cas liste[] = {
      {"20/13/1989", "1", "Mois invalide : Changez ce mois. (--T)."},
      {"45/2/1989", "1", "Nombre de jours invalide : Il y a moins de jours dans ce mois ! (--T)."},
      {"20/8/99999", "1", "Année hors limite : Changez cette année. (--T)."},
      {"20/8/1989", "0," + std::string(4000, '0') + "1", "Vous devez entrer un nombre correct (--q : "},
      {"20/8/1989", std::string(4000, '9'), "Vous devez entrer un nombre correct (--q : "},
  };
  for (const cas& k : liste) {
    const auto r = executer_astro({"--rapport", "comete", "--T", k.T, "--q", k.q, "--e", "1", "--i", "1", "--w", "1",
                                   "--W", "1", "--date", "31/10/1989"});
    EXPECT_EQ(r.statut, 2) << k.T;
    EXPECT_NE(r.erreurs.find(k.message), std::string::npos) << r.erreurs.substr(0, 300);
    EXPECT_EQ(r.erreurs.find("NAN"), std::string::npos);
    EXPECT_TRUE(r.sortie.empty()) << r.sortie.substr(0, 300);
  }

  const auto d = dossier_vide("comete-abimee");
  std::filesystem::create_directories(d);
  std::ofstream(d / "cometes.dat", std::ios::binary)
      << "ALPHA\t1989\t8\t20,29104\t1,3245017\t1\t186,27004\t334,72946\t11,94051\r\n\r\n"
         "BETA\t1989\t13\t20\t1\t1\t1\t1\t1\r\n";
  const auto a = executer_astro({"--rapport", "comete", "--comete", "ALPHA"}, d);
  EXPECT_EQ(a.statut, 0) << a.erreurs;
  const auto b = executer_astro({"--rapport", "comete", "--comete", "beta"}, d);
  EXPECT_EQ(b.statut, 2);
  EXPECT_NE(
      b.erreurs.find("Mois invalide : Changez ce mois. (comète « BETA » de cometes.dat, ligne 3, élément T (mois))."),
      std::string::npos)
      << b.erreurs;
  EXPECT_TRUE(b.sortie.empty());
}

// θ Persei from J2000.0 to 2028 November 13.19, proper motion included; a negative
// declination with its sign on the whole angle; refusals.
TEST(RapportPrecession, ThetaPerseiEtRefus) {
  const auto j =
      executer_astro({"--rapport", "precession", "--ad", "2:44:11.986", "--dec", "+49:13:42.48", "--mpa", "0.03425",
                      "--mpd", "-0.0895", "--date", "13/11/2028", "--heure", "04:33:36", "--json"});
  ASSERT_EQ(j.statut, 0) << j.erreurs;
  const QJsonObject d = document_json(j);
  EXPECT_EQ(
      au_chemin(d, "texte").toString(),
      "le 13 Novembre 2028 à 04:33:36\r\nAscension droite \t: 2 h 46 m 11 s\r\nDéclinaison \t: 49 ° 20 '  55 ''\r\n");
  const std::pair<const char*, double> valeurs[] = {{"zeta_arcsec", 665.7627},
                                                    {"z_arcsec", 665.8288},
                                                    {"theta_arcsec", 578.5489},
                                                    {"ascension_droite_deg/valeur", 41.54721},
                                                    {"declinaison_deg/valeur", 49.34848}};
  for (const auto& [cle, v] : valeurs)
    EXPECT_NEAR(au_chemin(d, std::string("resultat/") + cle).toDouble(), v, 1e-4) << cle;
  const auto r = executer_astro(
      {"--rapport", "precession", "--ad", "0:00:00", "--dec", "-0:30:00", "--date", "01/01/2000", "--heure", "12:00"});
  EXPECT_NE(r.sortie.find("Déclinaison \t: -0 ° 30 '  00 ''\r\n"), std::string::npos) << r.sortie;
  for (const char* dec : {"90:0:0", "1:60:0"}) {
    const auto e = executer_astro({"--rapport", "precession", "--ad", "1:00:00", "--dec", dec});
    EXPECT_EQ(e.statut, 2) << dec;
    EXPECT_NE(e.erreurs.find("--dec"), std::string::npos) << e.erreurs;
  }
}
