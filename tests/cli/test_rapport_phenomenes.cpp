#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "calcul/pages/phenomene.h"
#include "outils.h"

using namespace almanax;

namespace {

std::vector<std::string> lignes_du_texte(const std::string& texte) {
  std::vector<std::string> l;
  std::size_t debut = 0;
  for (std::size_t p; (p = texte.find("\r\n", debut)) != std::string::npos; debut = p + 2)
    l.push_back(texte.substr(debut, p - debut));
  return l;
}

}  // namespace

TEST(RapportPhenomenes, TexteExactDeLaCopie) {
  const auto r =
      executer_astro({"--rapport", "phenomenes", "--debut", "1993", "--fin", "1994", "--planetes", "mercure"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_TRUE(r.erreurs.empty());
  EXPECT_EQ(r.sortie.rfind("Phénomènes Planétaires \r\n\r\n", 0), 0u) << r.sortie;
  EXPECT_NE(r.sortie.find("\r\nMercure\tConjonction inférieureLe  6 Novembre 1993 à 3 h \r\n"), std::string::npos)
      << r.sortie;
  ASSERT_GE(r.sortie.size(), 4u);
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 4), "\r\n\r\n");

  // The same text as the page's copy of the same search.
  recherche_phenomenes q;
  q.premiere_annee = 1993;
  q.derniere_annee = 1994;
  q.planetes = {true, false, false, false, false, false, false};
  std::vector<ligne_liste> lignes;
  for (const phenomene_trouve& t : phenomenes_planetaires(q).lignes) lignes.push_back(ligne_du_phenomene(t));
  EXPECT_EQ(r.sortie, copie_phenomenes(lignes));
  EXPECT_EQ(lignes.size(), 13u);  // about 3.2 of each conjunction a year
}

TEST(RapportPhenomenes, PlanetesTrieesVenusApresUranus) {
  const auto r = executer_astro({"--rapport", "phenomenes", "--debut", "1992", "--fin", "1995"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  std::vector<std::string> ordre;
  const std::vector<std::string> l = lignes_du_texte(r.sortie);
  ASSERT_GT(l.size(), 4u);
  for (std::size_t i = 2; i + 1 < l.size(); ++i) {
    const std::string planete = l[i].substr(0, l[i].find('\t'));
    if (ordre.empty() || ordre.back() != planete) ordre.push_back(planete);
  }
  const std::vector<std::string> attendu = {"Jupiter", "Mars", "Mercure", "Neptune", "Saturne", "Uranus", "Vénus"};
  EXPECT_EQ(ordre, attendu);
}

TEST(RapportPhenomenes, JsonEnJoursJuliensDesEphemerides) {
  const auto r = executer_astro(
      {"--rapport", "phenomenes", "--debut", "1993", "--fin", "1994", "--planetes", "Mercure,Saturne", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject d = document_json(r);
  EXPECT_EQ(d["rapport"].toString(), "phenomenes");
  const QJsonObject novembre = element_ou(au_chemin(d, "resultat/evenements"), "date", " 6 Novembre 1993 à 3 h ");
  EXPECT_NEAR(novembre["jde"].toDouble(), 2449297.645, 1.0 / 1440);
  EXPECT_TRUE(novembre["instant"].toString().startsWith("1993-11-06T03:28:"))
      << novembre["instant"].toString().toStdString();
  EXPECT_EQ(au_chemin(novembre, "genre/code").toString(), "conjonction_inferieure");
  EXPECT_EQ(au_chemin(novembre, "genre/libelle").toString(), "Conjonction inférieure");
  EXPECT_EQ(au_chemin(novembre, "planete/code").toString(), "mercure");
  EXPECT_EQ(au_chemin(d, "entrees/planetes/0/libelle").toString(), "Mercure");
  EXPECT_EQ(au_chemin(d, "entrees/planetes/1/libelle").toString(), "Saturne");
  EXPECT_EQ(au_chemin(d, "entrees/planetes").toArray().size(), 2);
  EXPECT_EQ(au_chemin(d, "entrees/debut").toDouble(), 1993);
  EXPECT_EQ(au_chemin(d, "entrees/fin").toDouble(), 1994);
}

TEST(RapportPhenomenes, ValeursRefusees) {
  const std::vector<std::vector<std::string>> mauvais = {
      {"--debut", "1993", "--fin", "1993"},
      {"--debut", "1994", "--fin", "1993"},
      {"--debut", "-4714"},
      {"--debut", "1993", "--fin", "10000"},
      {"--debut", "mil"},
      {"--planetes", "Pluton"},
      {"--planetes", "Terre"},
      {"--phenomene", "opposition"},
  };
  for (const auto& options : mauvais) {
    std::vector<std::string> args = {"--rapport", "phenomenes"};
    args.insert(args.end(), options.begin(), options.end());
    const auto r = executer_astro(args);
    EXPECT_EQ(r.statut, 2) << options[0];
    EXPECT_TRUE(r.sortie.empty()) << options[0];
    EXPECT_EQ(r.erreurs.rfind("astro : ", 0), 0u) << r.erreurs;
  }
  const auto r = executer_astro({"--rapport", "phenomenes", "--debut", "2000", "--fin", "2000"});
  EXPECT_NE(r.erreurs.find("L'année de départ doit être inférieure à l'année de fin des recherches."),
            std::string::npos);
}

TEST(RapportPhenomenes, ToutesLesAnneesDeLaPage) {
  const auto r = executer_astro({"--rapport", "phenomenes", "--debut", "-4713", "--fin", "9999"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::vector<std::string> l = lignes_du_texte(r.sortie);
  // 14712 years: about 3.2 conjunctions of each kind a year for Mercury alone.
  ASSERT_GT(l.size(), 200000u);
  const std::regex forme(
      "(Jupiter|Mars|Mercure|Neptune|Saturne|Uranus|Vénus)\t[A-Za-zéè ]+Le  [0-9]{1,2} "
      "[A-Za-zéû]+ -?[0-9]{1,4} à [0-9]{1,2} h ");
  for (std::size_t i = 2; i + 1 < l.size(); i += 997) EXPECT_TRUE(std::regex_match(l[i], forme)) << l[i];
  EXPECT_NE(r.sortie.find("Le  4 Janvier -4713 à 7 h "), std::string::npos);  // the very first weeks
  EXPECT_EQ(r.sortie.find("nan"), std::string::npos);
}
