#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "outils.h"

namespace {

// The number following "\"cle\":" at or after position `depuis` in a JSON text.
double nombre_json(const std::string& json, const std::string& cle, std::size_t depuis = 0) {
  const std::string motif = "\"" + cle + "\":";
  const std::size_t p = json.find(motif, depuis);
  if (p == std::string::npos) {
    ADD_FAILURE() << "clé absente : " << cle;
    return 0;
  }
  return std::strtod(json.c_str() + p + motif.size(), nullptr);
}

std::size_t position(const std::string& json, const std::string& cle) {
  const std::size_t p = json.find("\"" + cle + "\":");
  EXPECT_NE(p, std::string::npos) << cle;
  return p == std::string::npos ? 0 : p;
}

}  // namespace

TEST(RapportSoleilLune, TexteDeLaCopieDu13Octobre1992) {
  const auto r = executer_astro({"--rapport", "soleil-lune", "--date", "13/10/1992", "--heure", "00:00", "--lat",
                                 "48.8667", "--lon", "-2.3333"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_TRUE(r.erreurs.empty()) << r.erreurs;
  const std::string& t = r.sortie;
  EXPECT_TRUE(t.starts_with("Le 13 Octobre 1992 à 00:00:00\r\nA ")) << t;
  EXPECT_NE(t.find(" N, "), std::string::npos);
  EXPECT_NE(t.find(" E\r\n\r\nSoleil \r\n\r\nLongitude géométrique \t199 ° 54 '  26 ''\r\n"), std::string::npos) << t;
  EXPECT_NE(t.find("Longitude apparente \t199 ° 54 '  22 ''\r\n"), std::string::npos) << t;
  // The C locale of the test run: a point as separator.
  EXPECT_NE(t.find("Distance à la Terre \t0.99761 UA\r\n"), std::string::npos) << t;
  EXPECT_NE(t.find("Méridien \t11 h 37 m\r\nCoucher \t17 h 05 m\r\n\r\nLune \r\n\r\nLongitude géocentrique \t"), std::string::npos) << t;
  EXPECT_NE(t.find("\r\nparallaxe \t"), std::string::npos);
  EXPECT_NE(t.find(" %\r\nDiamètre apparent \t"), std::string::npos);
  EXPECT_TRUE(t.ends_with("\r\n\r\n\r\n"));
  // Only CR LF line ends.
  for (std::size_t p = t.find('\n'); p != std::string::npos; p = t.find('\n', p + 1)) {
    ASSERT_GT(p, 0u);
    EXPECT_EQ(t[p - 1], '\r');
  }
}

TEST(RapportSoleilLune, LuneDu12Avril1992) {
  const auto r = executer_astro({"--rapport", "soleil-lune", "--date", "12/04/1992", "--heure", "00:00:00", "--lat",
                                 "48.8667", "--lon", "-2.3333"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("Latitude géocentrique \t-3 ° 13 ' 45 \"\r\n"), std::string::npos) << r.sortie;
  EXPECT_NE(r.sortie.find("Ascension droite \t8 h 58 m 45 s\r\n"), std::string::npos) << r.sortie;
  EXPECT_NE(r.sortie.find("Distance à la Terre \t368 409.6"), std::string::npos) << r.sortie;
  EXPECT_NE(r.sortie.find("parallaxe \t0 ° 59 ' 31 \"\r\n"), std::string::npos) << r.sortie;
}

TEST(RapportSoleilLune, JsonAvecLesValeursBrutes) {
  const auto r = executer_astro({"--rapport", "soleil-lune", "--date", "12/04/1992", "--heure", "00:00", "--lat",
                                 "48.8667", "--lon", "-2.3333", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::string& j = r.sortie;
  EXPECT_TRUE(j.starts_with("{\"rapport\":\"soleil-lune\"")) << j;
  EXPECT_NEAR(nombre_json(j, "jour_julien"), 2448724.5, 1e-9);

  const std::size_t lune = position(j, "lune");
  const std::size_t geo = j.find("\"geocentrique_equinoxe_moyen\":", lune);
  ASSERT_NE(geo, std::string::npos);
  EXPECT_NEAR(nombre_json(j, "longitude_deg", geo), 133.16266, 5e-6);
  EXPECT_NEAR(nombre_json(j, "latitude_deg", geo), -3.229127, 1e-6);
  EXPECT_NEAR(nombre_json(j, "distance_km", geo), 368409.68, 0.01);
  EXPECT_NEAR(nombre_json(j, "parallaxe_deg", geo), 0.991990, 1e-6);
  EXPECT_NEAR(nombre_json(j, "somme_r", geo), -16590875, 0.5);
  // The apparent longitude is the series' one plus the nutation.
  const double dpsi = nombre_json(j, "nutation_longitude_deg", lune);
  EXPECT_NEAR(dpsi, 0.00461, 2e-5);
  EXPECT_NEAR(nombre_json(j, "valeur", position(j, "lune")), 133.16266 + dpsi, 5e-6);
  EXPECT_NE(j.find("\"croissante\":true"), std::string::npos);

  // The Sun's block comes first with its distance.
  const std::size_t soleil = position(j, "soleil");
  EXPECT_LT(soleil, lune);
  EXPECT_NEAR(nombre_json(j, "valeur", j.find("\"distance_ua\":", soleil)), 1.0022, 0.001);
}

TEST(RapportSoleilLune, SoleilDu13Octobre1992EnJson) {
  const auto r = executer_astro({"--rapport", "soleil-lune", "--date", "13/10/1992", "--heure", "00:00", "--lat", "0",
                                 "--lon", "0", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::string& j = r.sortie;
  const std::size_t soleil = position(j, "soleil");
  EXPECT_NEAR(nombre_json(j, "valeur", j.find("\"longitude_apparente_deg\":", soleil)), 199.906061, 1e-5);
  EXPECT_NEAR(nombre_json(j, "valeur", j.find("\"distance_ua\":", soleil)), 0.99760775, 1e-8);
  EXPECT_NE(j.find("\"texte\":\"0.99761\""), std::string::npos) << j;
}

TEST(RapportSoleilLune, LuneCirconpolaireSansEchec) {
  // 78° north while the Moon's declination is high: no rising that day, a clear text.
  for (const char* date : {"01/03/2006", "08/03/2006", "15/03/2006", "22/03/2006"}) {
    const auto r = executer_astro({"--rapport", "soleil-lune", "--date", date, "--heure", "12:00", "--lat", "78",
                                   "--lon", "-15"});
    ASSERT_EQ(r.statut, 0) << date << r.erreurs;
    EXPECT_EQ(r.sortie.find("nan"), std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("NAN"), std::string::npos) << r.sortie;
  }
}

TEST(RapportSoleilLune, MauvaisesValeurs) {
  const std::vector<std::vector<std::string>> cas = {
      {"--rapport", "soleil-lune", "--date", "31/02/1992", "--heure", "00:00", "--lat", "0", "--lon", "0"},
      {"--rapport", "soleil-lune", "--date", "13/10/0", "--heure", "00:00", "--lat", "0", "--lon", "0"},
      {"--rapport", "soleil-lune", "--date", "13/10/1992", "--heure", "25:00", "--lat", "0", "--lon", "0"},
      {"--rapport", "soleil-lune", "--date", "13/10/1992", "--heure", "00:00", "--planete", "Mars"},
  };
  for (const auto& args : cas) {
    const auto r = executer_astro(args);
    EXPECT_EQ(r.statut, 2) << args[3] << " " << args[5];
    EXPECT_TRUE(r.sortie.empty()) << r.sortie;
    EXPECT_TRUE(r.erreurs.starts_with("astro : ")) << r.erreurs;
    EXPECT_TRUE(r.erreurs.find("invalide") != std::string::npos || r.erreurs.find("inconnue") != std::string::npos)
        << r.erreurs;
  }
}
