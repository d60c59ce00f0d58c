// `--rapport comete` and `--rapport precession`: the pages' blocks, the raw values in
// JSON, one truth for a catalogue comet and the same elements typed, refusals.
#include <gtest/gtest.h>

#include <filesystem>

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
  const auto r = executer_astro({"--rapport", "comete", "--comete", "1p/halley", "--date", "01/02/1986", "--heure",
                                 "00:00"}, d);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie.rfind("Le 1 Février 1986 à 00:00:00\r\nNom          \t1P/Halley\r\nAscension Droite\t", 0), 0u)
      << r.sortie;
  EXPECT_NE(r.sortie.find("\r\nElongation     \t"), std::string::npos);
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 4), "\r\n\r\n");
  // The command line writes nothing, not even the missing catalogue.
  EXPECT_FALSE(std::filesystem::exists(d / "cometes.dat"));

  // Halley's elements of the bundled catalogue typed as options.
  const auto e = executer_astro({"--rapport", "comete", "--T", "05/02/1986.89532", "--q", "0,5859781", "--e",
                                 "0,9671429", "--i", "162,26269", "--w", "111,33249", "--W", "58,42008", "--nom",
                                 "1P/Halley", "--date", "01/02/1986", "--heure", "00:00"},
                                d);
  ASSERT_EQ(e.statut, 0) << e.erreurs;
  EXPECT_EQ(e.sortie, r.sortie);
  const auto j = executer_astro({"--rapport", "comete", "--comete", "1P/Halley", "--date", "01/02/1986", "--heure",
                                 "00:00", "--json"});
  for (const char* cle : {"\"ascension_droite_deg\":", "\"declinaison_deg\":-", "\"distance_ua\":1.5",
                          "\"elongation_deg\":", "\"jour_julien\":2446462.5"})
    EXPECT_NE(j.sortie.find(cle), std::string::npos) << cle << "\n" << j.sortie;
}

TEST(RapportComete, Refus) {
  const std::vector<std::vector<std::string>> cas = {
      {"--comete", "inconnue"},
      {"--T", "20/08/1989", "--q", "0", "--e", "1", "--i", "1", "--w", "1", "--W", "1"},
      {"--T", "20/08/1989", "--q", "1", "--e", "1,2", "--i", "1", "--w", "1", "--W", "1"},
      {"--T", "20/08/1989", "--q", "1", "--e", "0,5", "--i", "1", "--w", "1"},
      {"--T", "20-08-1989", "--q", "1", "--e", "0,5", "--i", "1", "--w", "1", "--W", "1"},
      {"--comete", "1P/Halley", "--q", "1"},
  };
  const char* messages[] = {"Comète inconnue", "'q'", "La donnée 'e' doit être 1 > e > 0", "--W", "--T", "s'excluent"};
  for (std::size_t k = 0; k < cas.size(); ++k) {
    std::vector<std::string> args{"--rapport", "comete"};
    args.insert(args.end(), cas[k].begin(), cas[k].end());
    const auto r = executer_astro(args);
    EXPECT_EQ(r.statut, 2) << k;
    EXPECT_NE(r.erreurs.find(messages[k]), std::string::npos) << k << " " << r.erreurs;
    EXPECT_TRUE(r.sortie.empty());
  }
}

// θ Persei from J2000.0 to 2028 November 13.19, proper motion included; a negative
// declination with its sign on the whole angle; refusals.
TEST(RapportPrecession, ThetaPerseiEtRefus) {
  const auto j = executer_astro({"--rapport", "precession", "--ad", "2:44:11.986", "--dec", "+49:13:42.48", "--mpa",
                                 "0.03425", "--mpd", "-0.0895", "--date", "13/11/2028", "--heure", "04:33:36",
                                 "--json"});
  ASSERT_EQ(j.statut, 0) << j.erreurs;
  for (const char* cle : {"le 13 Novembre 2028 à 04:33:36\\r\\nAscension droite \\t: 2 h 46 m 11 s", "\"zeta_arcsec\":665.76",
                          "\"z_arcsec\":665.82", "\"theta_arcsec\":578.54", "\"ascension_droite_deg\":41.547",
                          "\"declinaison_deg\":49.348"})
    EXPECT_NE(j.sortie.find(cle), std::string::npos) << cle << "\n" << j.sortie;
  const auto r = executer_astro({"--rapport", "precession", "--ad", "0:00:00", "--dec", "-0:30:00", "--date",
                                 "01/01/2000", "--heure", "12:00"});
  EXPECT_NE(r.sortie.find("Déclinaison \t: -0 ° 30 '  00 ''\r\n"), std::string::npos) << r.sortie;
  for (const char* dec : {"90:0:0", "1:60:0"}) {
    const auto e = executer_astro({"--rapport", "precession", "--ad", "1:00:00", "--dec", dec});
    EXPECT_EQ(e.statut, 2) << dec;
    EXPECT_NE(e.erreurs.find("--dec"), std::string::npos) << e.erreurs;
  }
}
