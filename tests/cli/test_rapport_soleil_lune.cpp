#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "outils.h"

TEST(RapportSoleilLune, TexteDeLaCopieDu13Octobre1992) {
  const auto r = executer_astro(
      {"--rapport", "soleil-lune", "--date", "13/10/1992", "--heure", "00:00", "--lat", "48.8667", "--lon", "-2.3333"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_TRUE(r.erreurs.empty()) << r.erreurs;
  const std::string& t = r.sortie;
  EXPECT_TRUE(t.starts_with("Le 13 Octobre 1992 à 00:00:00\r\nA ")) << t;
  EXPECT_NE(t.find(" N, "), std::string::npos);
  EXPECT_NE(t.find(" E\r\n\r\nSoleil \r\n\r\nLongitude géométrique \t199 ° 54 '  26 ''\r\n"), std::string::npos) << t;
  EXPECT_NE(t.find("Longitude apparente \t199 ° 54 '  22 ''\r\n"), std::string::npos) << t;
  // The C locale of the test run: a point as separator.
  EXPECT_NE(t.find("Distance à la Terre \t0.99761 UA\r\n"), std::string::npos) << t;
  EXPECT_NE(t.find("Méridien \t11 h 37 m\r\nCoucher \t17 h 05 m\r\n\r\nLune \r\n\r\nLongitude géocentrique \t"),
            std::string::npos)
      << t;
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
  const QJsonObject d = document_json(r);
  EXPECT_EQ(d["rapport"].toString(), "soleil-lune");
  const QJsonObject j = d["resultat"].toObject();
  EXPECT_NEAR(j["jour_julien"].toDouble(), 2448724.5, 1e-9);

  const QJsonObject lune = j["lune"].toObject();
  const QJsonObject geo = lune["geocentrique_equinoxe_moyen"].toObject();
  EXPECT_NEAR(geo["longitude_deg"].toDouble(), 133.16266, 5e-6);
  EXPECT_NEAR(geo["latitude_deg"].toDouble(), -3.229127, 1e-6);
  EXPECT_NEAR(geo["distance_km"].toDouble(), 368409.68, 0.01);
  EXPECT_NEAR(geo["parallaxe_deg"].toDouble(), 0.991990, 1e-6);
  EXPECT_NEAR(geo["somme_r"].toDouble(), -16590875, 0.5);
  // The apparent longitude is the series' one plus the nutation.
  const double dpsi = lune["nutation_longitude_deg"].toDouble();
  EXPECT_NEAR(dpsi, 0.00461, 2e-5);
  EXPECT_NEAR(au_chemin(lune, "longitude_deg/valeur").toDouble(), 133.16266 + dpsi, 5e-6);
  EXPECT_EQ(au_chemin(lune, "phase/croissante"), QJsonValue(true));
  EXPECT_EQ(au_chemin(lune, "latitude_deg/texte").toString(), "-3 ° 13 ' 45 \"");

  EXPECT_NEAR(au_chemin(j, "soleil/distance_ua/valeur").toDouble(), 1.0022, 0.001);
  EXPECT_EQ(au_chemin(d, "entrees/site/nom").toString(), "Votre site");
  EXPECT_EQ(au_chemin(d, "entrees/date/annee").toInt(), 1992);
}

TEST(RapportSoleilLune, SoleilDu13Octobre1992EnJson) {
  const auto r = executer_astro(
      {"--rapport", "soleil-lune", "--date", "13/10/1992", "--heure", "00:00", "--lat", "0", "--lon", "0", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject soleil = au_chemin(document_json(r), "resultat/soleil").toObject();
  EXPECT_NEAR(au_chemin(soleil, "longitude_apparente_deg/valeur").toDouble(), 199.906061, 1e-5);
  EXPECT_NEAR(au_chemin(soleil, "distance_ua/valeur").toDouble(), 0.99760775, 1e-8);
  EXPECT_EQ(au_chemin(soleil, "distance_ua/texte").toString(), "0.99761");
  // The Sun's setting: the text printed by the report, the hours beside it.
  const QString coucher = au_chemin(soleil, "coucher_h/texte").toString();
  EXPECT_TRUE(document_json(r)["texte"].toString().contains("Coucher \t" + coucher + "\r\n\r\nLune")) << r.sortie;
  EXPECT_NEAR(au_chemin(soleil, "coucher_h/valeur").toDouble(), 17 + 50 / 60.0, 1 / 60.0);
  EXPECT_EQ(au_chemin(soleil, "coucher_h/etat/code").toString(), "normal");
}

TEST(RapportSoleilLune, LuneCirconpolaireSansEchec) {
  // 78° north while the Moon's declination is high: no rising that day, a clear text.
  for (const char* date : {"01/03/2006", "08/03/2006", "15/03/2006", "22/03/2006"}) {
    const auto r =
        executer_astro({"--rapport", "soleil-lune", "--date", date, "--heure", "12:00", "--lat", "78", "--lon", "-15"});
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
