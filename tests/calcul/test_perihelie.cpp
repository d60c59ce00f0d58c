#include <gtest/gtest.h>
#include <planseries/planseries.h>

#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/formats.h"
#include "calcul/pages/perihelie.h"
#include "calcul/tri_francais.h"

using namespace almanax;

namespace {

constexpr double une_minute = 1.0 / 1440;

using cle_passage = std::pair<int, long double>;  // planet, revolution number

recherche_perihelies recherche(long long debut, long long fin, std::vector<planete_perihelie> planetes = {}) {
  recherche_perihelies r;
  r.premiere_annee = debut;
  r.derniere_annee = fin;
  if (!planetes.empty()) {
    r.planetes.fill(false);
    for (planete_perihelie p : planetes) r.planetes[static_cast<std::size_t>(p)] = true;
  }
  return r;
}

// Every passage of the span, by walking the revolution numbers from well before it
// (k grows by about the factor of the table per year, but that factor is rounded).
std::set<cle_passage> passages_attendus(const recherche_perihelies& r) {
  std::set<cle_passage> attendus;
  for (int p = 0; p < nombre_planetes_perihelie; ++p) {
    if (!r.planetes[static_cast<std::size_t>(p)]) continue;
    const auto pl = static_cast<planete_perihelie>(p);
    long long k = premiere_revolution(pl, r.premiere_annee);
    while (date_evenement(instant_passage(pl, static_cast<long double>(k))).annee_tronquee >= r.premiere_annee) --k;
    for (;; ++k) {
      bool apres = true;
      for (const long double demi : {0.0L, 0.5L}) {
        const long long annee = date_evenement(instant_passage(pl, k + demi)).annee_tronquee;
        if (annee >= r.premiere_annee && annee <= r.derniere_annee) attendus.insert({p, k + demi});
        apres = apres && annee > r.derniere_annee;
      }
      if (apres) break;
    }
  }
  return attendus;
}

std::set<cle_passage> passages_trouves(const resultat_perihelies& res) {
  std::set<cle_passage> s;
  for (const passage_perihelie& t : res.lignes) s.insert({static_cast<int>(t.planete), t.k});
  return s;
}

// Instant of the extremum of the planet's distance within a few days of jde.
long double extremum(planete_perihelie p, long double jde, bool maximum) {
  long double a = jde - 5, b = jde + 5;
  for (int i = 0; i < 150; ++i) {
    const long double m1 = a + (b - a) / 3, m2 = b - (b - a) / 3;
    long double f1 = rayon_vecteur(p, m1), f2 = rayon_vecteur(p, m2);
    if (maximum) f1 = -f1, f2 = -f2;
    (f1 < f2 ? b : a) = f1 < f2 ? m2 : m1;
  }
  return (a + b) / 2;
}

}  // namespace

TEST(Perihelies, ExemplesDuManuel) {
  // Venus at perihelion 1978 December 31, 4 h 54 m TD (k = -35, JDE 2443873.704).
  EXPECT_NEAR(static_cast<double>(instant_passage(planete_perihelie::venus, -35)), 2443873.704, une_minute);
  const resultat_perihelies v = perihelies_aphelies(recherche(1978, 1979, {planete_perihelie::venus}));
  bool trouve = false;
  for (const passage_perihelie& t : v.lignes)
    if (t.date == " 31 Décembre 1978 à 4 h ") {
      trouve = true;
      EXPECT_EQ(t.passage, "Périhélie");
      EXPECT_EQ(t.k, -35);
      EXPECT_EQ(t.instant.minute, 54);
    }
  EXPECT_TRUE(trouve);

  // Mars at aphelion 2032 October 24, 22 h 57 m TD (JDE 2463530.456).
  const resultat_perihelies m = perihelies_aphelies(recherche(2032, 2033, {planete_perihelie::mars}));
  trouve = false;
  for (const passage_perihelie& t : m.lignes)
    if (t.aphelie && t.date.find("Octobre 2032") != std::string::npos) {
      trouve = true;
      EXPECT_EQ(t.date, " 24 Octobre 2032 à 22 h ");
      EXPECT_NEAR(static_cast<double>(t.jde), 2463530.456, une_minute);
      EXPECT_EQ(t.image, 6);
    }
  EXPECT_TRUE(trouve);
}

TEST(Perihelies, LaTerreAvecLaPerturbationDeLaLune) {
  // With the Moon's terms the Earth's passages fall within half a day of the extremum
  // of the series distance; the mean formula alone misses by up to a day and a half.
  const resultat_perihelies r = perihelies_aphelies(recherche(1980, 2020, {planete_perihelie::terre}));
  ASSERT_EQ(r.lignes.size(), 82u);  // one perihelion and one aphelion a year
  long double pire = 0, pire_moyen = 0;
  for (const passage_perihelie& t : r.lignes) {
    EXPECT_EQ(t.image, 12);
    const long double vrai = extremum(planete_perihelie::terre, t.jde, t.aphelie);
    pire = std::max(pire, std::fabs(vrai - t.jde));
    const long double moyen = 2451547.507L + 365.2596358L * t.k + 0.0000000158L * t.k * t.k;
    pire_moyen = std::max(pire_moyen, std::fabs(vrai - moyen));
  }
  EXPECT_LT(pire, 0.5L);
  EXPECT_GT(pire_moyen, 1.0L);
}

TEST(Perihelies, DistanceAuMomentDuPassage) {
  const resultat_perihelies r = perihelies_aphelies(recherche(1990, 2000, {planete_perihelie::mercure}));
  ASSERT_GT(r.lignes.size(), 80u);
  for (const passage_perihelie& t : r.lignes) {
    // Mercury's perihelion and aphelion distances, a (1 -/+ e).
    EXPECT_NEAR(static_cast<double>(t.rayon), t.aphelie ? 0.466697 : 0.307499, 5e-5) << t.date;
    // The distance is that of the instant listed, not of half a day later (which is
    // already 5e-5 AU off for Mercury and shows in the sixth decimal).
    EXPECT_EQ(t.rayon, planseries::mercure_rayon((t.jde - 2451545.0L) / 365250.0L));
    EXPECT_EQ(t.texte_rayon, format_float("0.000000", t.rayon, ","));
    // The listed instant is the extremum of the series itself to a few minutes.
    EXPECT_NEAR(static_cast<double>(extremum(t.planete, t.jde, t.aphelie)), static_cast<double>(t.jde),
                10 * une_minute);
  }
  const resultat_perihelies point = perihelies_aphelies(recherche(1990, 1991, {planete_perihelie::mercure}), ".");
  ASSERT_FALSE(point.lignes.empty());
  EXPECT_TRUE(std::regex_match(point.lignes[0].texte_rayon, std::regex("0\\.[34][0-9]{5}")));
}

TEST(Perihelies, OrdreDeLaListe) {
  const resultat_perihelies r = perihelies_aphelies(recherche(1992, 1993));
  ASSERT_TRUE(r.message.empty());
  std::vector<std::string> ordre;
  for (const passage_perihelie& t : r.lignes)
    if (ordre.empty() || ordre.back() != t.nom_planete) ordre.push_back(t.nom_planete);
  // Jupiter passes perihelion in 1999 and aphelion in 1993; Saturn, Uranus, Neptune
  // pass neither in these two years.
  const std::vector<std::string> attendu = {"Jupiter", "Mars", "Mercure", "Terre", "Vénus"};
  EXPECT_EQ(ordre, attendu);
  // Each planet: its perihelia, then its aphelia, each in time order.
  for (std::size_t i = 1; i < r.lignes.size(); ++i) {
    const passage_perihelie& a = r.lignes[i - 1];
    const passage_perihelie& b = r.lignes[i];
    if (a.planete != b.planete) continue;
    if (a.aphelie == b.aphelie) {
      EXPECT_LT(a.jde, b.jde);
    } else {
      EXPECT_FALSE(a.aphelie) << "a perihelion after an aphelion";
    }
  }
}

TEST(Perihelies, AucunPassageDeLaPeriodeNEstOublie) {
  // Across year 0, near the lowest years, and far in the future where Neptune's rounded
  // year factor puts the first revolution number of the span too late.
  const std::pair<long long, long long> periodes[] = {{-4713, -4712}, {-3, 1},      {-1, 2},      {1582, 1583},
                                                      {1992, 1993},   {4437, 4438}, {5343, 5344}, {9997, 9999}};
  for (const auto& [debut, fin] : periodes) {
    const recherche_perihelies r = recherche(debut, fin);
    const resultat_perihelies res = perihelies_aphelies(r);
    EXPECT_EQ(passages_trouves(res), passages_attendus(r)) << debut << ".." << fin;
    EXPECT_EQ(res.lignes.size(), passages_trouves(res).size()) << "no passage twice";
  }
  bool neptune = false;
  for (const passage_perihelie& t : perihelies_aphelies(recherche(4437, 4438)).lignes)
    neptune = neptune || (t.nom_planete == "Neptune" && t.date == " 21 Janvier 4437 à 12 h ");
  EXPECT_TRUE(neptune);
}

TEST(Perihelies, AnneesLesPlusAnciennes) {
  // Julian days around and below zero: real dates of the Julian calendar, no garbage.
  const resultat_perihelies r = perihelies_aphelies(recherche(-4713, -4712));
  EXPECT_TRUE(r.message.empty());
  ASSERT_FALSE(r.lignes.empty());
  const std::regex forme(" ([1-9]|[12][0-9]|3[01]) [A-Z][a-zéû]+ -471[23] à ([0-9]|1[0-9]|2[0-3]) h ");
  bool avant_zero = false;
  for (const passage_perihelie& t : r.lignes) {
    EXPECT_TRUE(std::regex_match(t.date, forme)) << t.date;
    EXPECT_TRUE(std::isfinite(static_cast<double>(t.rayon)));
    EXPECT_GT(t.rayon, 0.3L);
    avant_zero = avant_zero || t.jde < 0;
  }
  EXPECT_TRUE(avant_zero);
}

TEST(Perihelies, PeriodesRefuseesEtPlanetesChoisies) {
  for (const auto& [debut, fin] : {std::pair{1993LL, 1993LL}, std::pair{1994LL, 1993LL}}) {
    const resultat_perihelies r = perihelies_aphelies(recherche(debut, fin));
    EXPECT_TRUE(r.lignes.empty());
    EXPECT_EQ(r.message, "L'année de départ doit être inférieure à l'année de fin des recherches.");
  }
  const resultat_perihelies hors = perihelies_aphelies(recherche(-5000, 1993));
  EXPECT_TRUE(hors.lignes.empty());
  EXPECT_EQ(hors.message, "Les années de recherche vont de -4713 à 9999.");

  recherche_perihelies aucune = recherche(1990, 2000);
  aucune.planetes.fill(false);
  EXPECT_TRUE(perihelies_aphelies(aucune).lignes.empty());
  for (const passage_perihelie& t : perihelies_aphelies(recherche(1900, 2000, {planete_perihelie::uranus})).lignes)
    EXPECT_EQ(t.nom_planete, "Uranus");
}

TEST(Perihelies, ProgressionEtInterruption) {
  std::vector<double> fractions;
  suivi_recherche suivi;
  suivi.avancer = [&](double f) {
    fractions.push_back(f);
    return true;
  };
  const resultat_perihelies complet = perihelies_aphelies(recherche(1990, 1995), ",", suivi);
  ASSERT_GT(fractions.size(), 100u);
  EXPECT_EQ(fractions.front(), 0.0);
  EXPECT_EQ(fractions.back(), 1.0);
  for (std::size_t i = 1; i < fractions.size(); ++i) EXPECT_LE(fractions[i - 1], fractions[i]);

  int appels = 0;
  suivi.avancer = [&](double) { return ++appels <= 30; };
  const resultat_perihelies coupe = perihelies_aphelies(recherche(1990, 1995), ",", suivi);
  EXPECT_TRUE(coupe.interrompue);
  EXPECT_EQ(appels, 31);
  EXPECT_LT(coupe.lignes.size(), complet.lignes.size());
  for (const passage_perihelie& t : coupe.lignes) EXPECT_EQ(t.nom_planete, "Mercure");  // searched first
}

TEST(Perihelies, CopieDeLaListe) {
  std::vector<ligne_liste> lignes = {
      {"Terre", {"Périhélie", " 3 Janvier 1992 à 15 h ", "0,983281"}},
      {"Mars", {"Aphélie", " 12 Mai 1992 à 5 h ", "1,666069"}},
  };
  EXPECT_EQ(copie_perihelies(lignes),
            "Périhélies et aphélies \r\n\r\n"
            "Terre\tPérihélie  Le  3 Janvier 1992 à 15 h à 0,983281\r\n"
            "Mars\tAphélie  Le  12 Mai 1992 à 5 h à 1,666069\r\n"
            "\r\n");
  EXPECT_EQ(copie_perihelies({}), "");
  lignes.push_back({"Vénus", {"Périhélie", " 1 Janvier 1993 à 1 h ", "0,718440"}});
  lignes.push_back({"Terre", {"Aphélie", " 4 Juillet 1993 à 22 h ", "1,016675"}});
  trier_lignes_perihelies(lignes);
  ASSERT_EQ(lignes.size(), 4u);
  EXPECT_EQ(lignes[0].libelle, "Mars");
  EXPECT_EQ(lignes[1].colonnes[0], "Périhélie");  // the older Terre row first
  EXPECT_EQ(lignes[2].colonnes[0], "Aphélie");
  EXPECT_EQ(lignes[3].libelle, "Vénus");
}
