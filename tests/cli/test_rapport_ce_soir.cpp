// `astro --rapport ce-soir`: the night's texts in each time scale, the JSON's twilight
// events and bodies, the chart written by --image.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "outils.h"

namespace {

TEST(RapportCeSoir, TextesJsonEtImage) {
  const std::vector<std::string> paris = {"--rapport", "ce-soir", "--date", "21/06/2026", "--site", "Paris"};
  auto legale = paris;
  legale.insert(legale.end(), {"--fuseau", "Europe/Paris"});
  const auto l = executer_astro(legale);
  ASSERT_EQ(l.statut, 0) << l.erreurs;
  for (const char* ligne : {"Le 21 Juin 2026 à 22:00:00 (heure légale, UTC+2)\r\n", "Coucher du Soleil\t21 h 58 m\r\n",
                            "Lever du Soleil\t5 h 47 m\r\n", "Fin du crépuscule astronomique\tne finit pas\r\n",
                            "Nuit\tPas de nuit astronomique"})
    EXPECT_NE(l.sortie.find(ligne), std::string::npos) << ligne << "\n" << l.sortie;
  const auto u = executer_astro(paris);
  EXPECT_NE(u.sortie.find("Coucher du Soleil\t19 h 58 m\r\n"), std::string::npos) << u.sortie;
  EXPECT_NE(u.sortie.find("Le 21 Juin 2026 à 22:00:00\r\n"), std::string::npos);  // no mention as times stand

  auto json = legale;
  json.push_back("--json");
  const auto j = executer_astro(json);
  ASSERT_EQ(j.statut, 0) << j.erreurs;
  const QJsonObject d = QJsonDocument::fromJson(QByteArray::fromStdString(j.sortie)).object();
  EXPECT_EQ(d["entrees"]["fuseau"].toString(), "Europe/Paris");
  const QJsonObject r = d["resultat"].toObject();
  EXPECT_NEAR(r["delta_t_s"].toDouble(), 69, 2);
  const QJsonArray ev = r["evenements"].toArray();
  ASSERT_EQ(ev.size(), 6);  // no astronomical night in Paris in June
  EXPECT_EQ(ev[0]["genre"]["code"].toString(), "coucher_du_soleil");
  EXPECT_TRUE(ev[0]["instant_local"].toString().startsWith("2026-06-21T21:5"))
      << ev[0]["instant_local"].toString().toStdString();
  EXPECT_TRUE(ev[0]["instant_local"].toString().endsWith("+02:00"));
  EXPECT_TRUE(ev[0]["instant_tu"].toString().startsWith("2026-06-21T19:5"));
  EXPECT_EQ(ev[5]["genre"]["code"].toString(), "lever_du_soleil");
  const QJsonArray astres = r["astres"].toArray();
  ASSERT_EQ(astres.size(), 8);
  EXPECT_EQ(astres[0]["corps"]["libelle"].toString(), "Lune");
  EXPECT_TRUE(astres[2]["azimut_deg"]["valeur"].isDouble());

  // The chart, at its design size; an unwritable file is refused (status 2).
  QTemporaryDir dossier;
  auto image = legale;
  image.insert(image.end(), {"--image", dossier.filePath("nuit.png").toStdString()});
  EXPECT_EQ(executer_astro(image).statut, 0);
  EXPECT_EQ(QImage(dossier.filePath("nuit.png")).size(), QSize(760, 420));
  auto ailleurs = legale;
  ailleurs.insert(ailleurs.end(), {"--image", dossier.filePath("absent/nuit.png").toStdString()});
  const auto refuse = executer_astro(ailleurs);
  EXPECT_EQ(refuse.statut, 2);
  EXPECT_TRUE(refuse.sortie.empty());
}

}  // namespace
