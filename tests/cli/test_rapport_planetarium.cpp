#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>

#include "outils.h"

namespace fs = std::filesystem;

namespace {

fs::path dossier_vide(const std::string& nom) {
  const fs::path d = fs::temp_directory_path() / ("almanax-planetarium-" + nom + "-" + std::to_string(getpid()));
  fs::remove_all(d);
  fs::create_directories(d);
  return d;
}

// What the run left in its working directory, but its own output files.
std::vector<std::string> fichiers_laisses(const fs::path& d) {
  std::vector<std::string> v;
  for (const auto& e : fs::directory_iterator(d)) {
    const std::string n = e.path().filename().string();
    if (n != "stdout.txt" && n != "stderr.txt") v.push_back(n);
  }
  std::sort(v.begin(), v.end());
  return v;
}

}  // namespace

TEST(RapportPlanetarium, HeliocentriqueTexte) {
  const auto r = executer_astro({"--rapport", "planetarium-helio", "--date", "20/12/1992", "--heure", "00:00"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::string& t = r.sortie;
  EXPECT_TRUE(
      t.starts_with("Configuration héliocentrique des planètes le 20 Décembre 1992\r\n"
                    "Jour Julien : 2448976.5\r\n\r\nMercure \t"))
      << t;
  // Venus's short series: within a minute of arc of the full L = 26° 06' 51".
  EXPECT_NE(t.find("\r\nVénus \t26 ° 06 ' 34 ''\t0.724588 U.A.\tx = 251, y = 257\r\n"), std::string::npos) << t;
  EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 12);

  const auto seules =
      executer_astro({"--rapport", "planetarium-helio", "--date", "20/12/1992", "--planetes", "terre,PLUTON"});
  ASSERT_EQ(seules.statut, 0) << seules.erreurs;
  EXPECT_NE(seules.sortie.find("\r\n\r\nTerre \t"), std::string::npos) << seules.sortie;
  EXPECT_NE(seules.sortie.find("\r\nPluton \t"), std::string::npos);
  EXPECT_EQ(seules.sortie.find("Mars"), std::string::npos);
}

// The JSON gives each body's raw place and the pixel of its disc: 26 pixels per hour
// of right ascension, 4 per degree of declination from the equator at y = 175.
TEST(RapportPlanetarium, GeocentriqueJson) {
  const auto r = executer_astro({"--rapport", "planetarium-geo", "--date", "8/12/2026", "--heure", "21:04:05",
                                 "--planetes", "Mercure,Lune", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(r.sortie)).object();
  ASSERT_FALSE(j.isEmpty()) << r.sortie;
  const QJsonObject res = j["resultat"].toObject();
  EXPECT_EQ(res["titre"].toString(), "Configuration géocentrique le 8 Décembre 2026  à 21:04:05");
  EXPECT_EQ(res["liste"].toString(), "- Mercure, Lune");
  EXPECT_EQ(res["equateur_y"].toInt(), 175);
  const QJsonArray astres = res["astres"].toArray();
  ASSERT_EQ(astres.size(), 10);
  int montres = 0;
  for (const auto& v : astres) {
    const QJsonObject a = v.toObject();
    montres += a["montre"].toBool();
    const double alpha = a["ascension_droite_deg"]["valeur"].toDouble();
    const double delta = a["declinaison_deg"]["valeur"].toDouble();
    EXPECT_GE(alpha, 0);
    EXPECT_LT(alpha, 360);
    EXPECT_NEAR(a["x"].toInt(), alpha / 15 * 26, 0.5) << a["corps"]["code"].toString().toStdString();
    EXPECT_NEAR(a["y"].toInt(), 175 - 4 * delta, 0.5);
  }
  EXPECT_EQ(montres, 2);
  const QJsonObject soleil = astres[9].toObject();
  EXPECT_EQ(soleil["corps"]["libelle"].toString(), "Soleil");
  // The Sun that evening: about 17 h 02 m, -22° 48'.
  EXPECT_NEAR(soleil["ascension_droite_deg"]["valeur"].toDouble(), 255.6, 0.3);
  EXPECT_NEAR(soleil["declinaison_deg"]["valeur"].toDouble(), -22.8, 0.2);
  EXPECT_NE(j["texte"].toString().indexOf("\r\nLune \t"), -1);
}

// Outside Pluto's years both maps say so after the bodies, when Pluto is drawn.
TEST(RapportPlanetarium, PlutonHorsDeSaSerie) {
  const std::string avertissement = "\r\nPluton : position approchée, sa série ne vaut que de 1885 à 2099.\r\n";
  for (const char* rapport : {"planetarium-helio", "planetarium-geo"}) {
    auto r = executer_astro({"--rapport", rapport, "--date", "1/1/2200", "--heure", "00:00"});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_TRUE(r.sortie.ends_with(avertissement)) << r.sortie;
    r = executer_astro({"--rapport", rapport, "--date", "1/1/2026", "--heure", "00:00"});
    EXPECT_EQ(r.sortie.find("Pluton : "), std::string::npos) << r.sortie;
    r = executer_astro({"--rapport", rapport, "--date", "1/1/2200", "--planetes", "Mars"});
    EXPECT_EQ(r.sortie.find("Pluton"), std::string::npos) << r.sortie;
    r = executer_astro({"--rapport", rapport, "--date", "1/1/1700", "--json"});
    const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(r.sortie)).object();
    EXPECT_TRUE(j["resultat"]["avertissement_pluton"].toString().startsWith("Pluton : ")) << r.sortie;
  }
}

// --image draws the page's picture without a window, BMP or PNG by the name's end,
// and writes nothing else; a name it cannot use is refused and nothing is written.
TEST(RapportPlanetarium, ImageSansFenetre) {
  const fs::path d = dossier_vide("image");
  const auto h = executer_astro({"--rapport", "planetarium-helio", "--date", "1/1/2000", "--image", "helio.bmp"}, d);
  ASSERT_EQ(h.statut, 0) << h.erreurs;
  const auto g = executer_astro({"--rapport", "planetarium-geo", "--date", "1/1/2000", "--image", "geo.PNG"}, d);
  ASSERT_EQ(g.statut, 0) << g.erreurs;
  EXPECT_EQ(fichiers_laisses(d), (std::vector<std::string>{"geo.PNG", "helio.bmp"}));
  const QImage ih(QString::fromStdString((d / "helio.bmp").string()), "BMP");
  const QImage ig(QString::fromStdString((d / "geo.PNG").string()), "PNG");
  EXPECT_EQ(ih.size(), QSize(571, 521));
  EXPECT_EQ(ig.size(), QSize(624, 450));
  // The Sun's yellow disc at the heliocentric centre; the title strip white under the map.
  EXPECT_EQ(ih.pixelColor(270, 295), QColor(255, 255, 0));
  EXPECT_EQ(ig.pixelColor(5, 440), QColor(Qt::white));

  for (const std::string nom : {"carte.jpg", "absent/carte.png"}) {
    const auto e = executer_astro({"--rapport", "planetarium-geo", "--image", nom}, d);
    EXPECT_EQ(e.statut, 2) << nom;
    EXPECT_NE(e.erreurs.find("carte."), std::string::npos) << e.erreurs;
  }
  EXPECT_EQ(fichiers_laisses(d), (std::vector<std::string>{"geo.PNG", "helio.bmp"}));
  const auto inconnu = executer_astro({"--rapport", "planetarium-geo", "--planetes", "Vulcain"}, d);
  EXPECT_EQ(inconnu.statut, 2);
  fs::remove_all(d);
}
