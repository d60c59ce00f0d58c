#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "outils.h"

namespace {

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

void refus(const std::vector<std::string>& args, const std::string& message) {
  const auto r = executer_astro(args);
  EXPECT_EQ(r.statut, 2) << message;
  EXPECT_TRUE(r.sortie.empty()) << r.sortie;
  EXPECT_TRUE(contient(r.erreurs, message)) << r.erreurs;
}

}  // namespace

TEST(RapportPhases, TexteDeLaCopie) {
  // The new moon of 1977 February 18, 3 h 37 m 42 s TD in the handbook.
  const auto r = executer_astro({"--rapport", "phases", "--annee", "1977", "--mois", "2"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie.rfind("Phases de la Lune\r\n\r\nNouvelle Lune\tLe 18 Février 1977 à 03 h 37 m 4", 0), 0u)
      << r.sortie;
  // Six months, each line "caption TAB Le date à time" CR LF.
  EXPECT_TRUE(contient(r.sortie, "\r\nPleine Lune\tLe 04 Février 1977 à "));
  EXPECT_TRUE(contient(r.sortie, " Juillet 1977 à "));
  EXPECT_FALSE(contient(r.sortie, " Août 1977"));
  EXPECT_FALSE(contient(r.sortie, " Janvier 1977"));
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 4, 2), " s");
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 2), "\r\n");
}

TEST(RapportPhases, DecembreJusquEnMai) {
  const auto r = executer_astro({"--rapport", "phases", "--annee", "2000", "--mois", "12"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_TRUE(contient(r.sortie, " Décembre 2000 à "));
  EXPECT_TRUE(contient(r.sortie, " Mai 2001 à "));
  EXPECT_FALSE(contient(r.sortie, " Juin 2001"));
  EXPECT_FALSE(contient(r.sortie, " Novembre 2000"));
}

TEST(RapportPhases, JsonEnJoursJuliensDEphemerides) {
  const auto r = executer_astro({"--rapport", "phases", "--annee", "1977", "--mois", "2", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject d = document_json(r);
  EXPECT_EQ(d["rapport"].toString(), "phases");
  EXPECT_EQ(au_chemin(d, "resultat/listes").toArray().size(), 6);
  EXPECT_EQ(au_chemin(d, "resultat/listes/0/mois").toInt(), 2);
  const QJsonObject nouvelle = element_ou(au_chemin(d, "resultat/listes/0/evenements"), "genre/code", "nouvelle_lune");
  EXPECT_EQ(au_chemin(nouvelle, "genre/libelle").toString(), "Nouvelle Lune");
  EXPECT_NEAR(nouvelle["jde"].toDouble(), 2443192.65118, 3.0 / 86400);
  EXPECT_TRUE(nouvelle["instant"].toString().startsWith("1977-02-18T03:37:4"));
  EXPECT_EQ(nouvelle["lunaison"].toDouble(), -283);
}

TEST(RapportPhases, AnneesExtremes) {
  // The year is shown with at least two digits, as the page writes it.
  struct cas {
    const char *mois, *annee, *premier_mois;
  };
  for (const cas& c :
       {cas{"1", "-4713", " Janvier -4713 à "}, cas{"12", "9999", " Décembre 9999 à "}, cas{"6", "0", " Juin 00 à "}}) {
    const auto r = executer_astro({"--rapport", "phases", "--mois", c.mois, "--annee", c.annee});
    ASSERT_EQ(r.statut, 0) << c.annee << r.erreurs;
    EXPECT_TRUE(contient(r.sortie, c.premier_mois)) << r.sortie;
    EXPECT_FALSE(contient(r.sortie, "NAN"));
    EXPECT_FALSE(contient(r.sortie, "60 s"));
  }
}

TEST(RapportPhases, ValeursRefusees) {
  refus({"--rapport", "phases", "--mois", "13"}, "--mois");
  refus({"--rapport", "phases", "--mois", "0"}, "--mois");
  refus({"--rapport", "phases", "--annee", "-4714"}, "--annee");
  refus({"--rapport", "phases", "--annee", "10000"}, "--annee");
  refus({"--rapport", "phases", "--annee", "mille"}, "nombre entier attendu");
  refus({"--rapport", "phases", "--jour", "3"}, "Option inconnue");
}
