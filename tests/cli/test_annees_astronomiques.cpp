// The bare years of the event reports count as on their pages, astronomically (0 is
// 1 BC), and the command line takes every year those pages take.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "outils.h"

TEST(AnneesAstronomiques, TheCommandLineTakesWhatThePagesTake) {
  // Year 0 and the ends of the spins' ranges (the first year of a search at most 9998).
  const std::vector<std::vector<std::string>> acceptes = {
      {"--rapport", "phases", "--mois", "1", "--annee", "0"},
      {"--rapport", "phases", "--mois", "1", "--annee", "-4713"},
      {"--rapport", "perigees", "--debut", "-1", "--fin", "0"},
      {"--rapport", "eclipses", "--debut", "0", "--fin", "1"},
      {"--rapport", "phenomenes", "--debut", "9998", "--fin", "9999"},
      {"--rapport", "perihelies", "--debut", "-4713", "--fin", "-4712", "--planetes", "Mercure"},
      {"--rapport", "satellites", "--mois", "2", "--annee", "-1"},
      {"--rapport", "comete", "--T", "14/02/0.5", "--q", "1", "--e", "1", "--i", "10", "--w", "20", "--W", "30",
       "--date", "01/03/1"},
      {"--rapport", "comete", "--T", "14/02/-4713", "--q", "1", "--e", "1", "--i", "10", "--w", "20", "--W", "30",
       "--date", "01/03/1"},
  };
  for (const auto& c : acceptes) {
    const sortie_astro r = executer_astro(c);
    EXPECT_EQ(r.statut, 0) << c[1] << " " << c[3] << " " << c[4] << " : " << r.erreurs;
    EXPECT_FALSE(r.sortie.empty()) << c[1];
  }
}

// With --date, the chart of --image is the page's with the date's month and year in its
// spins: the date's historical year -500 is the spin's -500, not -499.
TEST(AnneesAstronomiques, SatelliteChartOfABcDate) {
  const auto d = dossier_de_test() / "annees-bc";
  std::filesystem::create_directories(d);
  const std::string par_date = (d / "date.png").string(), par_spin = (d / "spin.png").string(),
                    autre = (d / "autre.png").string();
  ASSERT_EQ(executer_astro({"--rapport", "satellites", "--date", "15/03/-500", "--image", par_date}).statut, 0);
  ASSERT_EQ(executer_astro({"--rapport", "satellites", "--mois", "3", "--annee", "-500", "--image", par_spin}).statut,
            0);
  ASSERT_EQ(executer_astro({"--rapport", "satellites", "--mois", "3", "--annee", "-499", "--image", autre}).statut, 0);
  const QImage a(QString::fromStdString(par_date)), b(QString::fromStdString(par_spin)),
      c(QString::fromStdString(autre));
  ASSERT_FALSE(a.isNull());
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
}
