#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "outils.h"

namespace {

const std::vector<std::string> venus_1992 = {"--rapport", "ephemerides", "--planete", "Vénus",   "--date", "20/12/1992",
                                             "--heure",   "00:00",       "--lat",     "48.8333", "--lon",  "-2.3333"};

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
  const QJsonObject d = document_json(r);
  EXPECT_EQ(d["rapport"].toString(), "ephemerides");
  const QJsonObject j = d["resultat"].toObject();
  const auto nombre = [&](const std::string& chemin) { return au_chemin(j, chemin).toDouble(NAN); };
  EXPECT_NEAR(nombre("jour_julien"), 2448976.5, 1e-9);
  // 21 h 04 m 41.454 s and -18° 53' 16.84", within 2".
  EXPECT_NEAR(nombre("ascension_droite_deg/valeur"), (21 + 4 / 60.0 + 41.454 / 3600) * 15, 2 / 3600.0);
  EXPECT_NEAR(nombre("declinaison_deg/valeur"), -(18 + 53 / 60.0 + 16.84 / 3600), 2 / 3600.0);
  EXPECT_NEAR(nombre("distance_terre_ua/valeur"), 0.9108, 2e-4);
  EXPECT_EQ(au_chemin(j, "distance_terre_ua/texte").toString(), "0.9109");
  EXPECT_NEAR(nombre("distance_terre_km/valeur"), nombre("distance_terre_ua/valeur") * 149565800.0, 1e-3);
  EXPECT_NEAR(nombre("fraction_illuminee/valeur"), 0.647, 0.001);
  EXPECT_NEAR(nombre("magnitude/valeur"), -3.8, 0.05);
  EXPECT_NEAR(nombre("elements/demi_grand_axe_ua/valeur"), 0.72332982, 1e-12);
  EXPECT_EQ(au_chemin(j, "ascension_droite_deg/texte").toString(), "21 h 04 m 41 s");
  EXPECT_EQ(au_chemin(j, "lever_h/etat/code").toString(), "normal");
  EXPECT_NEAR(nombre("lever_h/valeur"), 10 + 28 / 60.0, 1 / 60.0);
  EXPECT_EQ(au_chemin(j, "alpha_3j_deg").toArray().size(), 3);
  EXPECT_EQ(au_chemin(d, "entrees/planete/code").toString(), "venus");
  EXPECT_NEAR(au_chemin(d, "entrees/site/latitude_deg").toDouble(), 48.8333, 1e-9);
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
  const QJsonObject d = document_json(r);
  EXPECT_TRUE(au_chemin(d, "resultat/elements").isNull());
  EXPECT_EQ(r.sortie.find("Longitude moyenne"), std::string::npos);
  EXPECT_NE(d["texte"].toString().toStdString().find("Distance à la Terre \t30.5290 UA"), std::string::npos)
      << r.sortie;
  EXPECT_TRUE(au_chemin(d, "resultat/angle_phase_deg").isNull());
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

TEST(RapportEphemerides, LExempleDeLAideEstCeQueLeProgrammeAffiche) {
  // The help's example of Venus on 20 December 1992 at 0 h, in French as the help is.
  const auto r = executer_astro(
      {"--rapport", "ephemerides", "--planete", "Vénus", "--date", "20/12/1992", "--heure", "00:00", "--site", "Paris"},
      dossier_de_test(), "fr_FR.UTF-8");
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const auto valeur = [&](const std::string& libelle) {
    const std::size_t p = r.sortie.find(libelle + " \t");
    EXPECT_NE(p, std::string::npos) << libelle;
    const std::size_t debut = p + libelle.size() + 2;
    return p == std::string::npos ? std::string() : r.sortie.substr(debut, r.sortie.find("\r\n", debut) - debut);
  };
  std::ifstream f(AIDE_FICHIER, std::ios::binary);
  const std::string aide(std::istreambuf_iterator<char>(f), {});
  const std::size_t exemple = aide.find("Exemple : Vénus le 20 décembre 1992 à 0 h");
  ASSERT_NE(exemple, std::string::npos);
  const std::string texte = aide.substr(exemple, aide.find("</p>", exemple) - exemple);
  const std::string distance = valeur("Distance à la Terre");  // the first one, in AU
  EXPECT_EQ(distance, "0,9109 UA");
  EXPECT_NE(texte.find("de " + distance + "."), std::string::npos) << texte;
  EXPECT_NE(texte.find(valeur("Ascension droite")), std::string::npos) << texte;
}
