#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "outils.h"

namespace {

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

std::size_t compter(const std::string& texte, const std::string& morceau) {
  std::size_t n = 0;
  for (std::size_t i = 0; (i = texte.find(morceau, i)) != std::string::npos; i += morceau.size()) ++n;
  return n;
}

}  // namespace

TEST(RapportPerigees, OrdreDeLaPage1992_1993) {
  const auto r = executer_astro({"--rapport", "perigees", "--debut", "1992", "--fin", "1993"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  ASSERT_EQ(r.sortie.rfind("Périgées et apogées \r\n\r\nApogée\tLe 6 Janvier 1992 à ", 0), 0u) << r.sortie;
  const std::size_t l2 = r.sortie.find("\r\n", 30) + 2;
  EXPECT_EQ(r.sortie.find("Apogée\tLe 2 Février 1992 à ", l2), l2) << r.sortie.substr(l2, 40);
  const std::size_t l3 = r.sortie.find("\r\n", l2) + 2;
  EXPECT_EQ(r.sortie.find("Périgée\tLe 19 Janvier 1992 à ", l3), l3) << r.sortie.substr(l3, 40);
  EXPECT_FALSE(contient(r.sortie, "1991"));
  EXPECT_FALSE(contient(r.sortie, "1994"));
  EXPECT_TRUE(contient(r.sortie, "Décembre 1993 à "));
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 7), " km\r\n\r\n");
  EXPECT_GE(compter(r.sortie, "Périgée\t"), 26u);
  EXPECT_GE(compter(r.sortie, "Apogée\t"), 26u);
}

TEST(RapportPerigees, ApogeeDOctobre1988) {
  // The handbook: 1988 October 7 at 20 h 30 m TD, parallax 3240.679" = 54' 00.679".
  const auto r = executer_astro({"--rapport", "perigees", "--debut", "1988", "--fin", "1989", "--types", "apogée"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::size_t p = r.sortie.find("Apogée\tLe 7 Octobre 1988 à 20 h 30 m ");
  ASSERT_NE(p, std::string::npos) << r.sortie;
  EXPECT_EQ(r.sortie.find(" s  0° 54' 01\"  4", p), r.sortie.find(" s  ", p)) << r.sortie.substr(p, 80);
  EXPECT_LT(r.sortie.find(" s  ", p), r.sortie.find("\r\n", p));
  EXPECT_FALSE(contient(r.sortie, "Périgée\t"));

  const auto j = executer_astro({"--rapport", "perigees", "--debut", "1988", "--fin", "1989", "--json"});
  ASSERT_EQ(j.statut, 0) << j.erreurs;
  const QJsonArray evenements = au_chemin(document_json(j), "resultat/evenements").toArray();
  QJsonObject octobre;
  for (const QJsonValue e : evenements)
    if (e["k"].toDouble() == -148.5) octobre = e.toObject();
  ASSERT_FALSE(octobre.isEmpty());
  EXPECT_NEAR(octobre["jde"].toDouble(), 2447442.3543, 1.0 / 1440);
  EXPECT_TRUE(octobre["instant"].toString().startsWith("1988-10-07T20:30:"))
      << octobre["instant"].toString().toStdString();
  EXPECT_NEAR(au_chemin(octobre, "parallaxe_arcsec/valeur").toDouble(), 3240.679, 0.002);
  EXPECT_EQ(au_chemin(octobre, "genre/code").toString(), "apogee");
  EXPECT_EQ(au_chemin(octobre, "genre/libelle").toString(), "Apogée");
  EXPECT_FALSE(element_ou(evenements, "genre/code", "perigee").isEmpty());
}

TEST(RapportPerigees, ToutLIntervalleDesAnnees) {
  const auto r = executer_astro({"--rapport", "perigees", "--debut", "-4713", "--fin", "9999"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::size_t premiere = r.sortie.find("\r\n\r\n") + 4;
  const std::string ligne = r.sortie.substr(premiere, r.sortie.find("\r\n", premiere) - premiere);
  EXPECT_TRUE(contient(ligne, " Janvier -4713 à ")) << ligne;
  EXPECT_FALSE(contient(r.sortie, "-4714"));
  EXPECT_FALSE(contient(r.sortie, " 10000 à "));
  EXPECT_TRUE(contient(r.sortie, "Décembre 9999 à "));
  EXPECT_FALSE(contient(r.sortie, "NAN"));
  EXPECT_GT(compter(r.sortie, "\r\n"), 380000u);
  // Written as it is found: the list is never held, nor a JSON that is not printed. (The
  // address sanitizer's own bookkeeping of freed memory weighs more than that.)
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(r.pic_memoire_ko, 150 * 1024);
#endif
}

TEST(RapportPerigees, TexteEcritAuFilEgalAuTexteDuJson) {
  // Several blocks of passes: the text written row by row is the one --json carries,
  // and the JSON, written event by event, has one event per row.
  const std::vector<std::string> annees{"--rapport", "perigees", "--debut", "1000", "--fin", "2299"};
  const auto t = executer_astro(annees);
  std::vector<std::string> avec_json = annees;
  avec_json.push_back("--json");
  const auto j = executer_astro(avec_json);
  ASSERT_EQ(t.statut, 0) << t.erreurs;
  ASSERT_EQ(j.statut, 0) << j.erreurs;
  const QJsonObject d = document_json(j);
  EXPECT_EQ(au_chemin(d, "texte").toString().toStdString(), t.sortie);
  EXPECT_EQ(static_cast<std::size_t>(au_chemin(d, "resultat/evenements").toArray().size()), compter(t.sortie, "\tLe "));
  EXPECT_GT(compter(t.sortie, "\tLe "), 30000u);
  // Written piece by piece, the document is the toolkit's own compact form.
  EXPECT_EQ(QJsonDocument(d).toJson(QJsonDocument::Compact).toStdString() + "\n", j.sortie);
}

TEST(RapportPerigees, ValeursRefusees) {
  for (const auto& [args, message] : std::initializer_list<std::pair<std::vector<std::string>, std::string>>{
           {{"--rapport", "perigees", "--debut", "1993", "--fin", "1993"},
            "L'année de départ doit être inférieure à l'année de fin des recherches."},
           {{"--rapport", "perigees", "--debut", "1995", "--fin", "1990"}, "L'année de départ doit être inférieure"},
           {{"--rapport", "perigees", "--debut", "9999"}, "--debut"},
           {{"--rapport", "perigees", "--fin", "10000"}, "--fin"},
           {{"--rapport", "perigees", "--types", "lune"}, "--types"},
       }) {
    const auto r = executer_astro(args);
    EXPECT_EQ(r.statut, 2) << message;
    EXPECT_TRUE(r.sortie.empty());
    EXPECT_TRUE(contient(r.erreurs, message)) << r.erreurs;
  }
}
