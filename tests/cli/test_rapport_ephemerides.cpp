#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "outils.h"

namespace {

// The number following "\"cle\":" in a JSON text (NaN when absent or null).
double nombre(const std::string& json, const std::string& cle) {
  const std::string motif = "\"" + cle + "\":";
  const std::size_t p = json.find(motif);
  if (p == std::string::npos) return std::nan("");
  const char* debut = json.c_str() + p + motif.size();
  char* fin = nullptr;
  const double v = std::strtod(debut, &fin);
  return fin == debut ? std::nan("") : v;
}

const std::vector<std::string> venus_1992 = {"--rapport", "ephemerides", "--planete", "Vénus", "--date", "20/12/1992",
                                             "--heure",   "00:00",       "--lat",     "48.8333", "--lon", "-2.3333"};

std::vector<std::string> avec(std::vector<std::string> a, std::initializer_list<std::string> plus) {
  a.insert(a.end(), plus);
  return a;
}

}  // namespace

TEST(RapportEphemerides, TexteDeLaCopieDeVenus1992) {
  const auto r = executer_astro(venus_1992);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_TRUE(r.erreurs.empty()) << r.erreurs;
  const std::string& t = r.sortie;
  EXPECT_TRUE(t.starts_with("Vénus\r\n\r\nLe 20 Décembre 1992 à 00:00:00\r\nA ")) << t;
  EXPECT_NE(t.find("\t48° 49' 59\" N, 2° 19' 59\" E\r\n\r\nLongitude héliocentrique \t26 ° 06 ' 51 ''\r\n"),
            std::string::npos)
      << t;
  EXPECT_NE(t.find("\r\nAscension droite \t21 h 04 m 41 s\r\nDéclinaison \t-18 ° 53 '  17 ''\r\n\r\n"),
            std::string::npos)
      << t;
  // The C locale of the test run: a point as separator.
  EXPECT_NE(t.find("\r\nDistance à la Terre \t0.9109 UA\r\n"), std::string::npos) << t;
  EXPECT_NE(t.find("\r\nDiamètre apparent \t18.5 \"\r\nMagnitude \t-3.8\r\nSurface illuminée \t64.7 %\r\nLever \t"),
            std::string::npos)
      << t;
  EXPECT_NE(t.find("\r\nCoucher \t"), std::string::npos);
  EXPECT_NE(t.find("\r\nTemps lumière \t0 h 07 m 34 s\r\n\r\nLongitude moyenne \t"), std::string::npos) << t;
  EXPECT_TRUE(t.ends_with("\r\nArgument du Périhélion \t54 ° 50 '  55 ''\r\n\r\n")) << t;
}

TEST(RapportEphemerides, JsonAvecLesValeursBrutes) {
  const auto r = executer_astro(avec(venus_1992, {"--json"}));
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::string& j = r.sortie;
  EXPECT_TRUE(j.starts_with("{\"rapport\":\"ephemerides\"")) << j;
  EXPECT_NEAR(nombre(j, "jour_julien"), 2448976.5, 1e-9);
  // 21 h 04 m 41.454 s and -18° 53' 16.84", within 2".
  EXPECT_NEAR(nombre(j, "ascension_droite_deg"), (21 + 4 / 60.0 + 41.454 / 3600) * 15, 2 / 3600.0);
  EXPECT_NEAR(nombre(j, "declinaison_deg"), -(18 + 53 / 60.0 + 16.84 / 3600), 2 / 3600.0);
  EXPECT_NEAR(nombre(j, "distance_terre_ua"), 0.9108, 2e-4);
  EXPECT_NEAR(nombre(j, "distance_terre_km"), nombre(j, "distance_terre_ua") * 149565800.0, 1e-3);
  EXPECT_NEAR(nombre(j, "fraction_illuminee"), 0.647, 0.001);
  EXPECT_NEAR(nombre(j, "magnitude"), -3.8, 0.05);
  EXPECT_NEAR(nombre(j, "demi_grand_axe_ua"), 0.72332982, 1e-12);
  EXPECT_NE(j.find("\"l_alpha\":\"21 h 04 m 41 s\""), std::string::npos);
  EXPECT_NE(j.find("\"lever\":{\"etat\":\"normal\",\"heure\":"), std::string::npos) << j;
  EXPECT_NE(j.find("\"alpha_3j_deg\":["), std::string::npos);
}

TEST(RapportEphemerides, NomDePlaneteSansAccentNiCasse) {
  const auto reference = executer_astro(venus_1992);
  ASSERT_EQ(reference.statut, 0);
  for (const char* nom : {"venus", "VENUS", "vénus", "VÉNUS"}) {
    std::vector<std::string> a = venus_1992;
    a[3] = nom;
    const auto r = executer_astro(a);
    EXPECT_EQ(r.statut, 0) << nom << r.erreurs;
    EXPECT_EQ(r.sortie, reference.sortie) << nom;
  }
}

TEST(RapportEphemerides, TerreEtPluton) {
  std::vector<std::string> a = venus_1992;
  a[3] = "terre";
  auto r = executer_astro(a);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_TRUE(r.sortie.starts_with("Terre\r\n\r\n"));
  EXPECT_NE(r.sortie.find("Ascension droite \t\r\nDéclinaison \t\r\n"), std::string::npos) << r.sortie;
  EXPECT_NE(r.sortie.find("Temps lumière \t\r\n"), std::string::npos);
  EXPECT_NE(r.sortie.find("Inclinaison \t0 ° 00 '  00 ''\r\n"), std::string::npos);

  a[3] = "Pluton";
  a[5] = "13/10/1992";
  r = executer_astro(avec(a, {"--json"}));
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("\"elements\":null"), std::string::npos);
  EXPECT_EQ(r.sortie.find("Longitude moyenne"), std::string::npos);
  EXPECT_NE(r.sortie.find("Distance à la Terre \\t30.5290 UA"), std::string::npos) << r.sortie;
  EXPECT_TRUE(std::isnan(nombre(r.sortie, "angle_phase_deg")));
}

TEST(RapportEphemerides, SiteParNom) {
  auto a = venus_1992;
  a.resize(8);
  const auto r = executer_astro(avec(a, {"--site", "Paris"}));
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("\r\nA Paris\t"), std::string::npos) << r.sortie;
}

TEST(RapportEphemerides, MauvaisesValeurs) {
  const std::vector<std::vector<std::string>> cas = {
      {"--rapport", "ephemerides", "--planete", "Lune", "--date", "20/12/1992"},
      {"--rapport", "ephemerides", "--planete", "Mars,Venus", "--date", "20/12/1992"},
      {"--rapport", "ephemerides", "--planete", "Mars", "--date", "31/02/1992"},
      {"--rapport", "ephemerides", "--planete", "Mars", "--date", "20/12/1992", "--heure", "25:00"},
      {"--rapport", "ephemerides", "--planete", "Mars", "--date", "20/12/1992", "--lat", "91", "--lon", "0"},
      {"--rapport", "ephemerides", "--planete", "Mars", "--date", "20/12/1992", "--jour", "3"},
  };
  for (const auto& a : cas) {
    const auto r = executer_astro(a);
    EXPECT_EQ(r.statut, 2) << a[3] << " " << a[5];
    EXPECT_TRUE(r.sortie.empty()) << r.sortie;
    EXPECT_TRUE(r.erreurs.starts_with("astro : ")) << r.erreurs;
  }
  const auto r = executer_astro(cas[0]);
  EXPECT_NE(r.erreurs.find("--planete"), std::string::npos) << r.erreurs;
  EXPECT_NE(r.erreurs.find("Lune"), std::string::npos) << r.erreurs;
}
