#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <string>

#include "outils.h"

namespace {

namespace fs = std::filesystem;

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

std::vector<std::string> lignes(const std::string& t) {
  std::vector<std::string> r;
  std::size_t debut = 0;
  for (std::size_t p; (p = t.find("\r\n", debut)) != std::string::npos; debut = p + 2)
    r.push_back(t.substr(debut, p - debut));
  return r;
}

// A fresh working folder for one test.
fs::path dossier_vide(const std::string& nom) {
  const fs::path d = fs::temp_directory_path() / ("almanax-graphiques-" + nom + "-" + std::to_string(getpid()));
  fs::remove_all(d);
  fs::create_directories(d);
  return d;
}

}  // namespace

TEST(RapportsGraphiques, TextAndJson) {
  auto r = executer_astro({"--rapport", "equation-temps", "--date", "11/02/1992"});
  EXPECT_EQ(r.sortie, "le 11 Février 1992 : -14 m 17 s \r\n");

  r = executer_astro({"--rapport", "equation-temps", "--date", "13/10/1992", "--json"});
  QJsonObject j = document_json(r);
  EXPECT_NEAR(au_chemin(j, "resultat/equation_min/valeur").toDouble(), 13.711, 0.001);
  EXPECT_EQ(au_chemin(j, "resultat/equation_min/texte").toString(), "le 13 Octobre 1992 : 13 m 43 s ");
  EXPECT_EQ(au_chemin(j, "entrees/date/mois").toInt(), 10);
  // One value a day: 366 in a leap year, the first at noon on 1 January.
  EXPECT_EQ(au_chemin(j, "resultat/courbe_midi_min").toArray().size(), 366);
  EXPECT_NEAR(au_chemin(j, "resultat/courbe_midi_min/0").toDouble(), -3.29, 0.01);

  r = executer_astro({"--rapport", "satellites", "--mois", "1", "--annee", "1994"});
  const auto l = lignes(r.sortie);
  ASSERT_EQ(l.size(), 2u + 32u);  // title, header, days 0..31 of the chart
  EXPECT_EQ(l[1], "Date\tIo\tEurope\tGanymède\tCallisto");
  EXPECT_EQ(l[2], "31/12/1993\t-3.97\t4.12\t4.50\t-26.07");
  EXPECT_EQ(l.back().substr(0, 11), "31/01/1994\t");

  // The handbook's worked instant, 1992 December 16 at 0 h.
  r = executer_astro({"--rapport", "satellites", "--date", "16/12/1992", "--heure", "00:00", "--json"});
  j = document_json(r);
  EXPECT_EQ(au_chemin(j, "resultat/positions/0/jour_julien").toDouble(), 2448972.5);
  const std::pair<const char*, double> attendus[] = {
      {"io", -3.44}, {"europe", 7.44}, {"ganymede", 1.24}, {"callisto", 7.08}};
  for (const auto& [cle, x] : attendus)
    EXPECT_NEAR(au_chemin(j, std::string("resultat/positions/0/") + cle).toDouble(), x, 0.02) << cle;

  r = executer_astro({"--rapport", "satellites", "--date", "16/12/1992", "--mois", "1"});
  EXPECT_EQ(r.statut, 2);
  EXPECT_TRUE(contient(r.erreurs, "--mois")) << r.erreurs;
}

// The years are historical, as everywhere on the command line: January -1 (1 BC) starts
// on 31 December -2 and runs to 31 January -1; there is no year 0.
TEST(RapportsGraphiques, SatellitesHistoricalYears) {
  auto r = executer_astro({"--rapport", "satellites", "--mois", "1", "--annee", "-1"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const auto l = lignes(r.sortie);
  ASSERT_EQ(l.size(), 2u + 32u);
  EXPECT_EQ(l[2].substr(0, 9), "31/12/-2\t");
  EXPECT_EQ(l.back().substr(0, 9), "31/01/-1\t");
  r = executer_astro({"--rapport", "satellites", "--mois", "3", "--annee", "-1"});
  EXPECT_EQ(lignes(r.sortie).at(2).substr(0, 9), "29/02/-1\t");  // 1 BC is a leap year
  r = executer_astro({"--rapport", "satellites", "--mois", "1", "--annee", "0"});
  EXPECT_EQ(r.statut, 2);
  EXPECT_TRUE(contient(r.erreurs, "l'année 0 n'existe pas")) << r.erreurs;
  EXPECT_TRUE(r.sortie.empty());
}

// One value of the curve per day of the year asked: 365, 366, and 355 for 1582.
TEST(RapportsGraphiques, EquationCurveHasTheYearsDays) {
  const std::pair<const char*, int> cas[] = {
      {"1/7/1582", 355}, {"1/7/1583", 365}, {"1/7/1600", 366}, {"1/7/-1", 366}, {"1/7/-4", 365}};
  for (const auto& [date, jours] : cas) {
    const auto r = executer_astro({"--rapport", "equation-temps", "--date", date, "--json"});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const QJsonArray valeurs = au_chemin(document_json(r), "resultat/courbe_midi_min").toArray();
    EXPECT_EQ(valeurs.size(), jours) << date;
  }
  // The last value of 1582 is 31 December's, not that of 10 January 1583 (some 4 minutes lower).
  const auto r = executer_astro({"--rapport", "equation-temps", "--date", "1/7/1582", "--json"});
  const QJsonArray valeurs = au_chemin(document_json(r), "resultat/courbe_midi_min").toArray();
  const auto fin = executer_astro({"--rapport", "equation-temps", "--date", "31/12/1582", "--json"});
  EXPECT_NEAR(valeurs.last().toDouble(), au_chemin(document_json(fin), "resultat/equation_min/valeur").toDouble(), 0.5);
}

// The pictures are drawn without a window, at the design size, in the format of the
// extension, and nothing else is written in the working folder; a file that cannot be
// written is refused with its reason.
TEST(RapportImages, WrittenByExtensionOrRefused) {
  const fs::path d = dossier_vide("images");
  auto r = executer_astro({"--rapport", "satellites", "--mois", "1", "--annee", "1994", "--image", "jupiter.png"}, d);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  QImage sat((d / "jupiter.png").c_str(), "PNG");
  ASSERT_EQ(sat.size(), QSize(768, 434));
  EXPECT_EQ(sat.pixelColor(3, 192), QColor(255, 255, 0));  // Jupiter
  EXPECT_EQ(sat.pixelColor(0, 60), QColor(0, 128, 0));     // Callisto, 26 radii east

  r = executer_astro({"--rapport", "equation-temps", "--date", "13/10/1992", "--image", "courbe.bmp"}, d);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QImage eq((d / "courbe.bmp").c_str(), "BMP");
  ASSERT_EQ(eq.size(), QSize(400, 350));
  EXPECT_EQ(eq.pixelColor(30 + 307, 31), QColor(Qt::red));

  std::vector<std::string> fichiers;
  for (const auto& e : fs::directory_iterator(d)) fichiers.push_back(e.path().filename().string());
  std::sort(fichiers.begin(), fichiers.end());
  EXPECT_EQ(fichiers, (std::vector<std::string>{"courbe.bmp", "jupiter.png", "stderr.txt", "stdout.txt"}));

  // A file that cannot be written: status 2, the reason, nothing printed.
  for (const auto& [fichier, message] :
       {std::pair{"absent/image.png", "n'existe pas"}, {"image.txt", ".png"}, {"", "--image"}}) {
    r = executer_astro({"--rapport", "equation-temps", "--date", "1/1/2000", "--image", fichier}, d);
    EXPECT_EQ(r.statut, 2) << fichier;
    EXPECT_TRUE(r.sortie.empty()) << r.sortie;
    EXPECT_TRUE(contient(r.erreurs, message)) << r.erreurs;
  }
  fs::remove_all(d);
}
