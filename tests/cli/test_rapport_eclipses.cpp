#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "outils.h"

namespace {

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

}  // namespace

TEST(RapportEclipses, EclipsesDeLune1992_1993) {
  const auto r = executer_astro({"--rapport", "eclipses", "--debut", "1992", "--fin", "1993"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  // The copy of the box: its title, then the first line with one blank before "à".
  // The years asked only: the eclipse of 21 December 1991 is not listed.
  EXPECT_EQ(r.sortie.rfind("Eclipses \r\n\r\n Le 15 Juin 1992 à 4h 5", 0), 0u) << r.sortie;
  EXPECT_TRUE(contient(r.sortie, "s \r\n\r\n Il y a une éclipse de Lune partielle \r\n Magnitude \t0."));
  EXPECT_TRUE(contient(r.sortie, " Le 29 Novembre 1993  à 6h 2"));
  EXPECT_TRUE(contient(r.sortie, " Il y a une éclipse de Lune totale \r\n"));
  EXPECT_TRUE(contient(r.sortie, "\r\n Début de la phase totale   \t"));
  EXPECT_FALSE(contient(r.sortie, "1994"));
  EXPECT_EQ(r.sortie.substr(r.sortie.size() - 6), "s \r\n\r\n");
}

TEST(RapportEclipses, EclipsesDeSoleil) {
  const auto r = executer_astro({"--rapport", "eclipses", "--debut", "1992", "--fin", "1993", "--type", "solaire"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie.rfind("Eclipses \r\n\r\n Le 04 Janvier 1992 à 23h 0", 0), 0u) << r.sortie;
  EXPECT_TRUE(contient(r.sortie,
                       "s \r\n\r\n Il y a une éclipse de Soleil annulaire centrale\r\n"
                       " Rayon du cône de pénombre du plan fondamental : 0."));
  // The handbook's eclipse of 1993 May 21: partial, magnitude 0.740 (C locale: a point).
  const std::size_t mai = r.sortie.find(" Le 21 Mai 1993  à 14h 2");
  ASSERT_NE(mai, std::string::npos) << r.sortie;
  EXPECT_EQ(r.sortie.find(" Il y a une éclipse de Soleil partielle non-centrale\r\n", mai),
            r.sortie.find("\r\n\r\n", mai) + 4);
  EXPECT_TRUE(contient(r.sortie.substr(mai), "\r\n La magnitude maximale : 0.74\r\n\r\n"));
}

TEST(RapportEclipses, JsonEnJoursJuliensDEphemerides) {
  const auto r =
      executer_astro({"--rapport", "eclipses", "--debut", "1993", "--fin", "1994", "--type", "solaire", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject d = document_json(r);
  QJsonObject mai;
  for (const QJsonValue e : au_chemin(d, "resultat/evenements").toArray())
    if (e["k"].toDouble() == -82) mai = e.toObject();
  ASSERT_FALSE(mai.isEmpty()) << r.sortie.substr(0, 300);
  EXPECT_NEAR(mai["jde"].toDouble(), 2449129.0979, 1.0 / 1440);
  EXPECT_TRUE(mai["instant"].toString().startsWith("1993-05-21T14:2")) << mai["instant"].toString().toStdString();
  EXPECT_NEAR(mai["gamma"].toDouble(), 1.1348, 1e-4);
  EXPECT_EQ(au_chemin(mai, "genre/code").toString(), "partielle_non_centrale");
  EXPECT_EQ(au_chemin(mai, "genre/libelle").toString(), "Partielle non-centrale");
  EXPECT_EQ(au_chemin(d, "entrees/type/code").toString(), "solaire");

  const auto l = executer_astro({"--rapport", "eclipses", "--debut", "1973", "--fin", "1974", "--json"});
  ASSERT_EQ(l.statut, 0) << l.erreurs;
  QJsonObject juin;
  for (const QJsonValue e : au_chemin(document_json(l), "resultat/evenements").toArray())
    if (e["k"].toDouble() == -328.5) juin = e.toObject();
  ASSERT_FALSE(juin.isEmpty());
  const double jde_max = juin["jde"].toDouble();
  EXPECT_NEAR(jde_max, 2441849.3687, 1.0 / 1440);
  EXPECT_NEAR(jde_max - au_chemin(juin, "premier_contact_penombre/jde").toDouble(), 101.5 / 1440, 0.2 / 1440);
  EXPECT_NEAR(au_chemin(juin, "dernier_contact_penombre/jde").toDouble() - jde_max, 101.5 / 1440, 0.2 / 1440);
  EXPECT_TRUE(juin["premier_contact_ombre"].isNull());
  EXPECT_EQ(au_chemin(juin, "genre/code").toString(), "partielle_dans_la_penombre");
}

TEST(RapportEclipses, ToutLIntervalleDesAnnees) {
  // Far more lunations than a 16-bit count holds.
  for (const char* type : {"lunaire", "solaire"}) {
    const auto r = executer_astro({"--rapport", "eclipses", "--debut", "-4713", "--fin", "9999", "--type", type});
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_TRUE(contient(r.sortie.substr(0, 60), "-471")) << r.sortie.substr(0, 60);
    const std::size_t derniere = r.sortie.rfind(" Le ");
    ASSERT_NE(derniere, std::string::npos);
    EXPECT_TRUE(contient(r.sortie.substr(derniere, 30), " 9999  à ")) << r.sortie.substr(derniere, 40);
    EXPECT_FALSE(contient(r.sortie, "NAN"));
    EXPECT_FALSE(contient(r.sortie, " 10000 "));
  }
}

TEST(RapportEclipses, ValeursRefusees) {
  for (const auto& [args, message] : std::initializer_list<std::pair<std::vector<std::string>, std::string>>{
           {{"--rapport", "eclipses", "--debut", "1995", "--fin", "1990"},
            "La date de départ doit être inférieure à l'année de fin des recherches."},
           {{"--rapport", "eclipses", "--debut", "2000", "--fin", "2000"}, "La date de départ doit être inférieure"},
           {{"--rapport", "eclipses", "--type", "hybride"}, "--type"},
           {{"--rapport", "eclipses", "--type", "solaire,lunaire"}, "un seul type"},
           {{"--rapport", "eclipses", "--debut", "-4714"}, "--debut"},
           {{"--rapport", "eclipses", "--fin", "deux-mille"}, "--fin"},
       }) {
    const auto r = executer_astro(args);
    EXPECT_EQ(r.statut, 2) << message;
    EXPECT_TRUE(r.sortie.empty());
    EXPECT_TRUE(contient(r.erreurs, message)) << r.erreurs;
  }
}
