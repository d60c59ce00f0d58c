#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calcul/lune.h"
#include "calcul/pages/perigee_apogee.h"

using namespace almanax;

namespace {

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

long double distance_a(long double jde) {
  return distance_lune(cos_r(arguments_lunaires_de((jde - 2451545) / 36525)));
}

// "HH h MM m SS s" of an instant, every field truncated, computed from the whole
// seconds of the civil day.
std::string heure_tronquee(long double jde) {
  const long double j = jde + 0.5L;
  const long long s = static_cast<long long>(std::floor((j - std::floor(j)) * 86400));
  char b[32];
  std::snprintf(b, sizeof b, "%02lld h %02lld m %02lld s", s / 3600, s / 60 % 60, s % 60);
  return b;
}

std::vector<ligne_liste> lignes_de(const resultat_perigees& r) {
  std::vector<ligne_liste> l;
  for (const passage_trouve& p : r.passages) l.push_back(p.ligne);
  return l;
}

}  // namespace

TEST(PerigeeApogee, ExempleDuManuel) {
  // Apogee of 1988 October: k = -148.5, JDE 2447442.3543 (7 October, 20 h 30 m TD),
  // parallax 3240.679".
  const passage_trouve a = passage(-148.5L, passage_lunaire::apogee);
  EXPECT_NEAR(static_cast<double>(a.jde), 2447442.3543, 1.0 / 1440);
  EXPECT_NEAR(static_cast<double>(a.parallaxe), 3240.679, 0.002);

  const resultat_perigees r = perigees_apogees(1988, 1988, false, true);
  bool trouve = false;
  for (const passage_trouve& p : r.passages)
    if (p.ligne.colonnes.at(0) == "7 Octobre 1988") {
      trouve = true;
      EXPECT_EQ(p.ligne.libelle, "Apogée");
      EXPECT_EQ(p.ligne.colonnes.at(1).substr(0, 9), "20 h 30 m");
      EXPECT_EQ(p.ligne.colonnes.at(2), "0° 54' 01\"");  // 54' 00.679" rounded
    }
  EXPECT_TRUE(trouve);
}

TEST(PerigeeApogee, SommesDesTermes) {
  // Reference values evaluated term by term from the published tables, elsewhere.
  struct cas {
    long double T, F, M, D;
    double temps_perigee, temps_apogee, parallaxe_p, parallaxe_a;
  };
  const cas valeurs[] = {
      {0, 0, 0, 0, 0, 0, 3687.976, 3236.162},
      {-0.112029L, 1.1L, 4.2L, 2.7L, 0.8531760227, -0.3948394573, 3671.7901223, 3240.2092530},
      {0.35L, 5.9L, 0.4L, 3.3L, -0.3224939077, 0.1944103653, 3687.9376443, 3237.7995767},
  };
  for (const cas& c : valeurs) {
    EXPECT_NEAR(static_cast<double>(correction_perigee(c.T, c.F, c.M, c.D)), c.temps_perigee, 1e-9);
    EXPECT_NEAR(static_cast<double>(correction_apogee(c.T, c.F, c.M, c.D)), c.temps_apogee, 1e-9);
    EXPECT_NEAR(static_cast<double>(parallaxe_perigee(c.T, c.F, c.M, c.D)), c.parallaxe_p, 1e-6);
    EXPECT_NEAR(static_cast<double>(parallaxe_apogee(c.T, c.F, c.M, c.D)), c.parallaxe_a, 1e-6);
  }
}

TEST(PerigeeApogee, OrdreDesLignes1992_1993) {
  const resultat_perigees r = perigees_apogees(1992, 1993, true, true);
  ASSERT_GE(r.passages.size(), 50u);
  EXPECT_FALSE(r.interrompue);
  // Per pass the apogee comes before the perigee half an anomalistic month earlier.
  EXPECT_EQ(r.passages[0].ligne.libelle, "Apogée");
  EXPECT_EQ(r.passages[0].ligne.colonnes.at(0), "6 Janvier 1992");
  EXPECT_EQ(r.passages[1].ligne.libelle, "Apogée");
  EXPECT_EQ(r.passages[1].ligne.colonnes.at(0), "2 Février 1992");
  EXPECT_EQ(r.passages[2].ligne.libelle, "Périgée");
  EXPECT_EQ(r.passages[2].ligne.colonnes.at(0), "19 Janvier 1992");
  int perigees = 0, apogees = 0;
  for (const passage_trouve& p : r.passages) {
    ASSERT_TRUE(p.date.annee_tronquee == 1992 || p.date.annee_tronquee == 1993) << p.ligne.colonnes.at(0);
    (p.genre == passage_lunaire::perigee ? perigees : apogees)++;
    EXPECT_EQ(p.ligne.libelle, p.genre == passage_lunaire::perigee ? "Périgée" : "Apogée");
    EXPECT_EQ(p.ligne.colonnes.at(1), heure_tronquee(p.jde));
    EXPECT_EQ(p.ligne.colonnes.at(3), std::to_string(std::lround(static_cast<double>(p.distance))) + " km");
  }
  // About 13.26 of each kind a year, none missing, none twice.
  EXPECT_GE(perigees, 26);
  EXPECT_LE(perigees, 28);
  EXPECT_GE(apogees, 26);
  EXPECT_LE(apogees, 28);
  for (const passage_lunaire genre : {passage_lunaire::perigee, passage_lunaire::apogee}) {
    long double precedent = 0;
    for (const passage_trouve& p : r.passages) {
      if (p.genre != genre) continue;
      if (precedent != 0) {
        ASSERT_NEAR(static_cast<double>(p.jde - precedent), 27.55, 3.5);
      }
      precedent = p.jde;
    }
  }
  EXPECT_EQ(r.passages.back().ligne.libelle, "Périgée");
  EXPECT_TRUE(contient(r.passages.back().ligne.colonnes.at(0), "Décembre 1993"));
}

TEST(PerigeeApogee, InstantsEtDistancesAccordesALaSerieDeLaLune) {
  // Two independent theories: the instants found are extremes of the series' distance,
  // and the parallax agrees with that distance.
  const resultat_perigees r = perigees_apogees(1900, 1910, true, true);
  ASSERT_GT(r.passages.size(), 280u);
  for (const passage_trouve& p : r.passages) {
    const long double d = distance_a(p.jde);
    EXPECT_EQ(p.distance, d);
    const long double avant = distance_a(p.jde - 0.5L), apres = distance_a(p.jde + 0.5L);
    if (p.genre == passage_lunaire::perigee) {
      EXPECT_LT(d, avant);
      EXPECT_LT(d, apres);
      EXPECT_LT(d, 371000);
    } else {
      EXPECT_GT(d, avant);
      EXPECT_GT(d, apres);
      EXPECT_GT(d, 403000);
    }
    const long double d_parallaxe = 6378.14L / std::sin(p.parallaxe / 3600 * 3.14159265358979323846L / 180);
    EXPECT_NEAR(static_cast<double>(d_parallaxe), static_cast<double>(d), 150.0);
  }
}

TEST(PerigeeApogee, ChoixDesGenres) {
  const resultat_perigees p = perigees_apogees(2000, 2001, true, false);
  const resultat_perigees a = perigees_apogees(2000, 2001, false, true);
  const resultat_perigees deux = perigees_apogees(2000, 2001, true, true);
  ASSERT_FALSE(p.passages.empty());
  ASSERT_FALSE(a.passages.empty());
  for (const passage_trouve& x : p.passages) EXPECT_EQ(x.genre, passage_lunaire::perigee);
  for (const passage_trouve& x : a.passages) EXPECT_EQ(x.genre, passage_lunaire::apogee);
  EXPECT_EQ(p.passages.size() + a.passages.size(), deux.passages.size());
  EXPECT_TRUE(perigees_apogees(2000, 2001, false, false).passages.empty());
  EXPECT_TRUE(perigees_apogees(2001, 2000, true, true).passages.empty());
  // One year alone.
  const resultat_perigees seule = perigees_apogees(2000, 2000, true, true);
  EXPECT_GE(seule.passages.size(), 26u);
  for (const passage_trouve& x : seule.passages) EXPECT_EQ(x.date.annee_tronquee, 2000);
}

TEST(PerigeeApogee, TexteDeLaParallaxe) {
  // 3629.215" = 60' 29.215": the minutes carry into the degrees; truncated at perigee.
  EXPECT_EQ(texte_parallaxe(3629.215L, passage_lunaire::perigee), "1° 00' 29\"");
  EXPECT_EQ(texte_parallaxe(3245.9L, passage_lunaire::apogee), "0° 54' 06\"");
  EXPECT_EQ(texte_parallaxe(3245.9L, passage_lunaire::perigee), "0° 54' 05\"");
  // Seconds rounding to 60 at apogee carry into the minutes, and on into the degrees.
  EXPECT_EQ(texte_parallaxe(3299.8L, passage_lunaire::apogee), "0° 55' 00\"");
  EXPECT_EQ(texte_parallaxe(3599.8L, passage_lunaire::apogee), "1° 00' 00\"");
  EXPECT_EQ(texte_parallaxe(3599.8L, passage_lunaire::perigee), "0° 59' 59\"");
  EXPECT_EQ(texte_distance(356548.6L), "356549 km");
  EXPECT_EQ(texte_distance(99999.4L), "099999 km");
}

TEST(PerigeeApogee, TextesDeDateEtHeure) {
  valeurs_evenement d = date_evenement(2448627.5L + 0.99999L);  // 6 January 1992, 23 h 59 m 59.1 s
  EXPECT_EQ(texte_date_passage(d), "6 Janvier 1992");
  EXPECT_EQ(texte_heure_passage(d), "23 h 59 m 59 s");
  d = date_evenement(-1.25L);  // 31 December -4713 at 6 h
  EXPECT_EQ(texte_date_passage(d), "31 Décembre -4713");
  EXPECT_EQ(texte_heure_passage(d), "06 h 00 m 00 s");
}

TEST(PerigeeApogee, ExtremitesDesAnnees) {
  const resultat_perigees bas = perigees_apogees(-4713, -4712, true, true);
  ASSERT_GE(bas.passages.size(), 50u);
  EXPECT_EQ(bas.passages.front().date.annee_tronquee, -4713);
  for (const passage_trouve& p : bas.passages) {
    EXPECT_TRUE(p.date.annee_tronquee == -4713 || p.date.annee_tronquee == -4712);
    EXPECT_EQ(p.ligne.colonnes.at(1), heure_tronquee(p.jde)) << static_cast<double>(p.jde);
    EXPECT_FALSE(contient(p.ligne.colonnes.at(1), "-"));
    EXPECT_TRUE(std::isfinite(p.distance));
  }
  const resultat_perigees haut = perigees_apogees(9998, 9999, true, true);
  ASSERT_GE(haut.passages.size(), 50u);
  EXPECT_TRUE(contient(haut.passages.back().ligne.colonnes.at(0), "Décembre 9999") ||
              contient(haut.passages.back().ligne.colonnes.at(0), "Novembre 9999"));
}

TEST(PerigeeApogee, ProgressionEtInterruption) {
  std::vector<double> avance;
  suivi_recherche suivi;
  suivi.avancer = [&](double f) {
    avance.push_back(f);
    return true;
  };
  const resultat_perigees complet = perigees_apogees(1990, 1999, true, true, suivi);
  ASSERT_GT(avance.size(), 130u);
  for (std::size_t i = 1; i < avance.size(); ++i) EXPECT_LE(avance[i - 1], avance[i]);
  EXPECT_LE(avance.back(), 1.0);
  EXPECT_GT(avance.back(), 0.95);

  int appels = 0;
  suivi_recherche arret;
  arret.avancer = [&](double) { return ++appels < 10; };
  const resultat_perigees partiel = perigees_apogees(1990, 1999, true, true, arret);
  EXPECT_TRUE(partiel.interrompue);
  EXPECT_EQ(appels, 10);
  EXPECT_LE(partiel.passages.size(), 20u);
  EXPECT_LT(partiel.passages.size(), complet.passages.size());
}

TEST(PerigeeApogee, TexteCopie) {
  EXPECT_EQ(copie_perigees({}), "");
  const resultat_perigees r = perigees_apogees(1992, 1992, true, true);
  const std::vector<ligne_liste> l = lignes_de(r);
  const std::string t = copie_perigees(l);
  ASSERT_EQ(t.rfind("Périgées et apogées \r\n\r\n", 0), 0u);
  EXPECT_EQ(t.substr(t.size() - 4), "\r\n\r\n");
  const ligne_liste& premiere = l.at(0);
  EXPECT_TRUE(contient(t, "\r\n\r\nApogée\tLe 6 Janvier 1992 à " + premiere.colonnes[1] + "  " + premiere.colonnes[2] +
                              "  " + premiere.colonnes[3] + "\r\n"));
  std::size_t n = 0;
  for (std::size_t i = 0; (i = t.find("\tLe ", i)) != std::string::npos; ++i) ++n;
  EXPECT_EQ(n, l.size());
  // Rows kept from an earlier search are copied too, in list order.
  std::vector<ligne_liste> deux = l;
  const std::vector<ligne_liste> suite = lignes_de(perigees_apogees(1995, 1995, false, true));
  deux.insert(deux.end(), suite.begin(), suite.end());
  const std::string t2 = copie_perigees(deux);
  EXPECT_LT(t2.find("1992"), t2.find("1995"));
}

namespace {

// A long span is searched on two threads: the passes must be exactly those of the
// same years searched in short spans (one thread each), in the order of one run from
// the start (by pass, the apogee first), none twice; a cancel at once stops cleanly.
TEST(PerigeesApogees, LongueRechercheSurDeuxFilsIdentique) {
  using almanax::passage_lunaire;
  const auto r = almanax::perigees_apogees(1850, 2149, true, true);
  ASSERT_FALSE(r.interrompue);
  std::vector<const almanax::passage_trouve*> morceaux;
  std::vector<almanax::resultat_perigees> courts;
  for (long long a = 1850; a <= 2149; a += 50) courts.push_back(almanax::perigees_apogees(a, a + 49, true, true));
  std::size_t total = 0;
  for (const auto& c : courts) total += c.passages.size();
  ASSERT_EQ(r.passages.size(), total);
  // Same passes: each pass of the long run is found, with the same texts, in the short ones.
  std::size_t n = 0;
  for (const auto& c : courts)
    for (const auto& p : c.passages) {
      const auto it = std::find_if(r.passages.begin(), r.passages.end(),
                                   [&](const almanax::passage_trouve& q) { return q.k == p.k && q.genre == p.genre; });
      ASSERT_NE(it, r.passages.end()) << static_cast<double>(p.k);
      EXPECT_EQ(it->ligne.colonnes, p.ligne.colonnes);
      ++n;
    }
  EXPECT_EQ(n, total);
  // The order of one run: by pass (apogee k - 0.5 and perigee k - 1 form pass k), apogee first.
  const auto cle = [](const almanax::passage_trouve& p) {
    return p.genre == passage_lunaire::apogee ? 2 * (p.k + 0.5L) : 2 * (p.k + 1.0L) + 1;
  };
  for (std::size_t i = 1; i < r.passages.size(); ++i) ASSERT_LT(cle(r.passages[i - 1]), cle(r.passages[i])) << i;

  almanax::suivi_recherche stop;
  stop.avancer = [](double) { return false; };
  const auto arretee = almanax::perigees_apogees(-4713, 9999, true, true, stop);
  EXPECT_TRUE(arretee.interrompue);
  EXPECT_LT(arretee.passages.size(), 390000u);
}

}  // namespace

TEST(PerigeeApogee, PremiersPassagesDeJanvierJusquAuBoutDesAnnees) {
  // Whatever the year, January holds an apogee and a perigee (from one to the next of a
  // kind, 24.6 to 28.6 days); far from 2000 the first pass used to come late.
  for (long long a = -4713; a <= 9999; a += a < 8000 ? 97 : 1) {
    const resultat_perigees r = perigees_apogees(a, a, true, true);
    bool apogee = false, perigee = false;
    for (const passage_trouve& p : r.passages) {
      ASSERT_EQ(p.date.annee_tronquee, a);
      if (p.date.mois == 1) (p.genre == passage_lunaire::apogee ? apogee : perigee) = true;
    }
    ASSERT_TRUE(apogee && perigee) << a;
  }
  // The apogee of 4 January 9635, found by the search that starts in 9634, is found by
  // the one that starts in 9635 too.
  const auto de_9635 = [](const resultat_perigees& r) {
    std::vector<long double> k;
    for (const passage_trouve& p : r.passages)
      if (p.date.annee_tronquee == 9635) k.push_back(p.k);
    return k;
  };
  const resultat_perigees avant = perigees_apogees(9634, 9635, true, true);
  const resultat_perigees apres = perigees_apogees(9635, 9636, true, true);
  EXPECT_EQ(de_9635(apres), de_9635(avant));
  ASSERT_FALSE(apres.passages.empty());
  EXPECT_EQ(apres.passages.front().ligne.libelle, "Apogée");
  EXPECT_EQ(apres.passages.front().ligne.colonnes.at(0), "4 Janvier 9635");
}

TEST(PerigeeApogee, RangsRendusUnParUnCommeLaListe) {
  // Over several blocks of passes (both threads at work), the rows handed on one by one
  // are those of the list, in its order, and make the same copy.
  const resultat_perigees r = perigees_apogees(1000, 2299, true, true);
  std::string copie(entete_copie_perigees);
  std::size_t n = 0;
  bool ordre = true;
  const bool interrompue = parcourir_perigees_apogees(1000, 2299, true, true, [&](passage_trouve&& p) {
    ordre = ordre && n < r.passages.size() && r.passages[n].k == p.k && r.passages[n].genre == p.genre;
    ++n;
    copie += ligne_copie_perigee(p.ligne);
  });
  EXPECT_FALSE(interrompue);
  EXPECT_TRUE(ordre);
  EXPECT_EQ(n, r.passages.size());
  EXPECT_GT(n, 30000u);
  EXPECT_EQ(copie + "\r\n", copie_perigees(lignes_de(r)));
  // The same passes as short searches of a century each.
  std::size_t courts = 0;
  for (long long a = 1000; a < 2300; a += 100) courts += perigees_apogees(a, a + 99, true, true).passages.size();
  EXPECT_EQ(courts, n);
}
