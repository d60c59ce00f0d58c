#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "calcul/pages/perihelie.h"
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

TEST(RapportPerihelies, TexteExactDeLaCopie) {
  const auto r =
      executer_astro({"--rapport", "perihelies", "--debut", "1978", "--fin", "1979", "--planetes", "Vénus,terre"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie.rfind("Périhélies et aphélies \r\n\r\n", 0), 0u) << r.sortie;
  // Venus at perihelion 1978 December 31 at 4 h 54 m TD, at a (1 - e) from the Sun; the
  // test runs in the C locale, so the distance has a point.
  EXPECT_TRUE(std::regex_search(r.sortie,
                                std::regex("\r\nVénus\tPérihélie  Le  31 Décembre 1978 à 4 h à 0\\.7184[0-9]{2}\r\n")))
      << r.sortie;
  const std::vector<std::string> l = lignes_du_texte(r.sortie);
  ASSERT_GT(l.size(), 4u);
  EXPECT_EQ(l[2].rfind("Terre\t", 0), 0u);  // Terre before Vénus
  EXPECT_EQ(l[l.size() - 2].rfind("Vénus\t", 0), 0u);
  EXPECT_TRUE(l.back().empty());

  recherche_perihelies q;
  q.premiere_annee = 1978;
  q.derniere_annee = 1979;
  q.planetes = {false, true, true, false, false, false, false, false};
  std::vector<ligne_liste> lignes;
  for (const passage_perihelie& t : perihelies_aphelies(q, ".").lignes) lignes.push_back(ligne_du_passage(t));
  EXPECT_EQ(r.sortie, copie_perihelies(lignes));
}

TEST(RapportPerihelies, JsonAvecDistancesEtJoursJuliens) {
  const auto r =
      executer_astro({"--rapport", "perihelies", "--debut", "2032", "--fin", "2033", "--planetes", "mars", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject d = document_json(r);
  const QJsonObject aphelie = element_ou(au_chemin(d, "resultat/evenements"), "date", " 24 Octobre 2032 à 22 h ");
  ASSERT_FALSE(aphelie.isEmpty()) << r.sortie;
  EXPECT_EQ(au_chemin(aphelie, "genre/code").toString(), "aphelie");
  EXPECT_EQ(au_chemin(aphelie, "planete/libelle").toString(), "Mars");
  EXPECT_NEAR(aphelie["jde"].toDouble(), 2463530.456, 1.0 / 1440);  // Mars at aphelion, 22 h 57 m TD
  EXPECT_TRUE(aphelie["instant"].toString().startsWith("2032-10-24T22:5"));
  EXPECT_NEAR(au_chemin(aphelie, "rayon_ua/valeur").toDouble(), 1.6660, 2e-3);  // a (1 + e)
  EXPECT_EQ(au_chemin(aphelie, "rayon_ua/texte").toString().left(4), "1.66");
  const QJsonArray planetes = au_chemin(d, "entrees/planetes").toArray();
  ASSERT_EQ(planetes.size(), 1);
  EXPECT_EQ(au_chemin(planetes[0], "code").toString(), "mars");
}

TEST(RapportPerihelies, ValeursRefusees) {
  const std::vector<std::vector<std::string>> mauvais = {
      {"--debut", "1993", "--fin", "1993"},
      {"--debut", "1995", "--fin", "1993"},
      {"--fin", "10000"},
      {"--debut", "-5000"},
      {"--planetes", "Pluton"},
      {"--planetes", "Terre,"},
  };
  for (const auto& options : mauvais) {
    std::vector<std::string> args = {"--rapport", "perihelies"};
    args.insert(args.end(), options.begin(), options.end());
    const auto r = executer_astro(args);
    EXPECT_EQ(r.statut, 2) << options[0] << " " << options[1];
    EXPECT_TRUE(r.sortie.empty());
    EXPECT_EQ(r.erreurs.rfind("astro : ", 0), 0u) << r.erreurs;
  }
}

TEST(RapportPerihelies, AnneesLesPlusAnciennesEtLesPlusLointaines) {
  const auto a = executer_astro({"--rapport", "perihelies", "--debut", "-4713", "--fin", "-4712"});
  ASSERT_EQ(a.statut, 0) << a.erreurs;
  const std::regex forme(
      "(Jupiter|Mars|Mercure|Neptune|Saturne|Terre|Uranus|Vénus)\t(Périhélie|Aphélie)  Le  "
      "[0-9]{1,2} [A-Za-zéû]+ -471[23] à [0-9]{1,2} h à [0-9]+\\.[0-9]{6}");
  const std::vector<std::string> l = lignes_du_texte(a.sortie);
  ASSERT_GT(l.size(), 10u);
  for (std::size_t i = 2; i + 1 < l.size(); ++i) EXPECT_TRUE(std::regex_match(l[i], forme)) << l[i];

  const auto b = executer_astro({"--rapport", "perihelies", "--debut", "-4713", "--fin", "9999"});
  ASSERT_EQ(b.statut, 0) << b.erreurs;
  EXPECT_GT(lignes_du_texte(b.sortie).size(), 200000u);
  EXPECT_EQ(b.sortie.find("nan"), std::string::npos);
  EXPECT_NE(b.sortie.find("Neptune\tAphélie  Le  21 Janvier 4437 à 12 h "), std::string::npos);
}
