#include <gtest/gtest.h>

#include "outils.h"

TEST(RapportDates, TexteExactDeLaPage) {
  const auto r = executer_astro({"--rapport", "dates", "--date1", "29/12/1997", "--heure1", "00:00", "--date2",
                                 "30/12/1997", "--heure2", "12:00:00", "--annee", "1962"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::string attendu =
      "Première date\t Nom du jour : lundi\r\n"
      "Première date\t Rang du jour : 363\r\n"
      "Seconde date\t Nom du jour : mardi\r\n"
      "Seconde date\t Rang du jour : 364\r\n"
      "Intervalle\t L'intervalle entre ces deux dates est de : 01 jour 12 h 00 m 00 s\r\n";
  EXPECT_EQ(r.sortie.substr(0, attendu.size()), attendu);
  EXPECT_NE(r.sortie.find("Été\t: 21 Juin\t1962 à 21 h 25 m\r\n"), std::string::npos) << r.sortie;
  EXPECT_NE(r.sortie.find("Pâques\t: 22 Avril\r\n"), std::string::npos) << r.sortie;
  EXPECT_NE(r.sortie.find("Bissextile\t: Non bissextile\r\n"), std::string::npos);
}

TEST(RapportDates, JsonAvecLesValeursBrutes) {
  const auto r =
      executer_astro({"--rapport", "dates", "--date1", "01/01/2000", "--heure1", "12:00", "--annee", "2026", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject d = document_json(r);
  EXPECT_EQ(d["rapport"].toString(), "dates");
  EXPECT_EQ(au_chemin(d, "resultat/date1/jour_julien").toDouble(), 2451545);
  EXPECT_EQ(au_chemin(d, "resultat/date1/nom_du_jour/code").toString(), "samedi");
  EXPECT_EQ(au_chemin(d, "resultat/paques/jour").toInt(), 5);
  EXPECT_EQ(au_chemin(d, "resultat/paques/mois").toInt(), 4);
  EXPECT_EQ(au_chemin(d, "resultat/bissextile/valeur"), QJsonValue(false));
  // The second date defaults to the next day at the same time.
  EXPECT_EQ(au_chemin(d, "resultat/intervalle_jours/valeur").toDouble(), 1);
  EXPECT_EQ(au_chemin(d, "entrees/date2/jour").toInt(), 2);
  EXPECT_EQ(au_chemin(d, "entrees/heure2/heure").toInt(), 12);
  // The June solstice of 2026: 21 June at 8 h 26 m TD.
  const QJsonObject ete = element_ou(au_chemin(d, "resultat/evenements"), "genre/code", "ete");
  EXPECT_TRUE(ete["instant"].toString().startsWith("2026-06-21T08:2")) << ete["instant"].toString().toStdString();
  EXPECT_EQ(ete["echelle"].toString(), "TD");
}

TEST(RapportDates, AnneesExtremes) {
  for (const char* annee : {"-1000", "-1", "1", "3000"}) {
    const auto r =
        executer_astro({"--rapport", "dates", "--date1", "01/01/-4713", "--date2", "31/12/9999", "--annee", annee});
    EXPECT_EQ(r.statut, 0) << annee << r.erreurs;
    EXPECT_EQ(r.sortie.find("nan"), std::string::npos);
    EXPECT_NE(r.sortie.find("Pâques\t: "), std::string::npos);
  }
}
