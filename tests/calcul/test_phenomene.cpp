#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/numerique.h"
#include "calcul/pages/phenomene.h"
#include "calcul/tri_francais.h"

using namespace almanax;

namespace {

constexpr double une_minute = 1.0 / 1440;

using cle_evenement = std::tuple<int, int, long long>;  // planet, kind, event number

recherche_phenomenes recherche(long long debut, long long fin, std::vector<planete_phenomene> planetes = {}) {
  recherche_phenomenes r;
  r.premiere_annee = debut;
  r.derniere_annee = fin;
  if (!planetes.empty()) {
    r.planetes.fill(false);
    for (planete_phenomene p : planetes) r.planetes[static_cast<std::size_t>(p)] = true;
  }
  return r;
}

// Every event of the span, by enumerating the event numbers around it one by one.
std::set<cle_evenement> evenements_attendus(const recherche_phenomenes& r) {
  std::set<cle_evenement> attendus;
  for (int p = 0; p < nombre_planetes_phenomene; ++p) {
    if (!r.planetes[static_cast<std::size_t>(p)]) continue;
    for (int g = 0; g < 2; ++g) {
      const auto pl = static_cast<planete_phenomene>(p);
      const auto ge = static_cast<genre_phenomene>(g);
      const long long de = premier_numero(pl, ge, r.premiere_annee) - 3;
      const long long a = premier_numero(pl, ge, r.derniere_annee + 1) + 3;
      for (long long k = de; k <= a; ++k) {
        const long long annee = date_evenement(instant_phenomene(pl, ge, k)).annee_tronquee;
        if (annee >= r.premiere_annee && annee <= r.derniere_annee) attendus.insert({p, g, k});
      }
    }
  }
  return attendus;
}

std::set<cle_evenement> evenements_trouves(const resultat_phenomenes& res) {
  std::set<cle_evenement> s;
  for (const phenomene_trouve& t : res.lignes) s.insert({static_cast<int>(t.planete), static_cast<int>(t.genre), t.k});
  return s;
}

const phenomene_trouve* chercher(const resultat_phenomenes& res, const std::string& planete,
                                 const std::string& phenomene, const std::string& morceau_date) {
  for (const phenomene_trouve& t : res.lignes)
    if (t.nom_planete == planete && t.phenomene == phenomene && t.date.find(morceau_date) != std::string::npos)
      return &t;
  return nullptr;
}

}  // namespace

TEST(TriFrancais, AccentsEtCasseNeComptentPasDAbord) {
  EXPECT_EQ(cle_francaise("Vénus"), "venus");
  EXPECT_EQ(cle_francaise("ÉCLIPSE à Noël"), "eclipse a noel");
  EXPECT_EQ(cle_francaise("Œuvre"), "oeuvre");
  EXPECT_GT(comparer_francais("Vénus", "Uranus"), 0);
  EXPECT_LT(comparer_francais("Vénus", "Vesta"), 0);  // a byte order would put "é" after "s"
  EXPECT_LT(comparer_francais("Venus", "Vénus"), 0);
  EXPECT_LT(comparer_francais("mars", "Mercure"), 0);
  EXPECT_EQ(comparer_francais("Terre", "Terre"), 0);
}

TEST(TriFrancais, TriStable) {
  std::vector<std::pair<std::string, int>> l = {{"Vénus", 1},   {"Uranus", 2}, {"Mars", 3},  {"Vénus", 4},
                                                {"Mercure", 5}, {"Mars", 6},   {"Uranus", 7}};
  trier_par_nom(l, [](const auto& x) -> const std::string& { return x.first; });
  const std::vector<std::pair<std::string, int>> attendu = {{"Mars", 3},   {"Mars", 6},  {"Mercure", 5}, {"Uranus", 2},
                                                            {"Uranus", 7}, {"Vénus", 1}, {"Vénus", 4}};
  EXPECT_EQ(l, attendu);
}

TEST(Phenomenes, ExemplesDuManuel) {
  // Inferior conjunction of Mercury, 1993 November 6 at 3 h 28 m TD (JDE 2449297.645).
  EXPECT_NEAR(static_cast<double>(
                  instant_phenomene(planete_phenomene::mercure, genre_phenomene::inferieure_ou_opposition, -20)),
              2449297.645, une_minute);
  const resultat_phenomenes r = phenomenes_planetaires(recherche(1993, 1994, {planete_phenomene::mercure}));
  const phenomene_trouve* m = chercher(r, "Mercure", "Conjonction inférieure", "Novembre 1993");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->date, " 6 Novembre 1993 à 3 h ");
  EXPECT_NEAR(static_cast<double>(m->jde), 2449297.645, une_minute);
  EXPECT_EQ(m->instant.heure, 3);
  EXPECT_EQ(m->instant.minute, 28);
  EXPECT_EQ(m->image, 4);

  // Conjunction of Saturn with the Sun, 2125 August 26 (JDE 2497437.904): all four slow
  // arguments of Saturn take part.
  const resultat_phenomenes s = phenomenes_planetaires(recherche(2125, 2126, {planete_phenomene::saturne}));
  const phenomene_trouve* c = chercher(s, "Saturne", "Conjonction", "Août 2125");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->date.rfind(" 26 Août 2125 à ", 0), 0u) << c->date;
  EXPECT_NEAR(static_cast<double>(c->jde), 2497437.904, une_minute);
}

TEST(Phenomenes, NeptuneSuitLaTablePubliee) {
  // Neptune's conjunction correction with the cosine of e, as the published table has it.
  for (const long double T : {-30.0L, -2.5L, 0.0L, 0.73L, 4.0L, 79.0L}) {
    for (const long double M : {0.3L, 2.0L, 4.4L}) {
      const long double e = modulo_360(207.83L + 8.51L * T) * deg_rad;
      const long double g = modulo_360(276.74L + 209.98L * T) * deg_rad;
      const long double attendu = 0.0168L + std::sin(M) * (-2.5606L + 0.0088L * T + 0.00002L * T * T) +
                                  std::cos(M) * (-0.8611L - 0.0037L * T + 0.00002L * T * T) +
                                  std::sin(2 * M) * (0.0118L - 0.0004L * T + 0.00001L * T * T) +
                                  std::cos(2 * M) * (0.0307L - 0.0003L * T) - 0.5964L * std::cos(e) +
                                  0.0728L * std::cos(g);
      EXPECT_NEAR(static_cast<double>(correction_phenomene(planete_phenomene::neptune,
                                                           genre_phenomene::superieure_ou_conjonction, M, T)),
                  static_cast<double>(attendu), 1e-12)
          << static_cast<double>(T) << " " << static_cast<double>(M);
    }
  }
}

TEST(Phenomenes, ListeTrieeParPlaneteVenusApresUranus) {
  const resultat_phenomenes r = phenomenes_planetaires(recherche(1992, 1993));
  ASSERT_TRUE(r.message.empty());
  ASSERT_FALSE(r.lignes.empty());
  std::vector<std::string> ordre;
  for (const phenomene_trouve& t : r.lignes)
    if (ordre.empty() || ordre.back() != t.nom_planete) ordre.push_back(t.nom_planete);
  const std::vector<std::string> attendu = {"Jupiter", "Mars", "Mercure", "Neptune", "Saturne", "Uranus", "Vénus"};
  EXPECT_EQ(ordre, attendu);  // each planet's rows together, Vénus last

  // Within a planet the rows keep the search order: pass by pass, the first kind
  // before the second in each pass.
  std::map<int, std::pair<long long, int>> dernier;
  for (const phenomene_trouve& t : r.lignes) {
    const long long passe = t.k - premier_numero(t.planete, t.genre, 1992);
    const std::pair<long long, int> rang = {passe, static_cast<int>(t.genre)};
    const int p = static_cast<int>(t.planete);
    if (dernier.count(p)) {
      EXPECT_LT(dernier[p], rang) << t.nom_planete << t.date;
    }
    dernier[p] = rang;
  }
}

TEST(Phenomenes, LignesCoherentes) {
  const resultat_phenomenes r = phenomenes_planetaires(recherche(1995, 1997));
  for (const phenomene_trouve& t : r.lignes) {
    const valeurs_evenement v = date_evenement(t.jde);
    EXPECT_EQ(t.date, v.texte);
    EXPECT_GE(v.annee_tronquee, 1995);
    EXPECT_LE(v.annee_tronquee, 1997);
    EXPECT_LT(t.instant.seconde, 60);
    EXPECT_LT(t.instant.minute, 60);
  }
  // Mars: one opposition in 1995 and one in 1997; a conjunction in 1996.
  int oppositions = 0, conjonctions = 0;
  for (const phenomene_trouve& t : r.lignes)
    if (t.planete == planete_phenomene::mars) (t.phenomene == "Opposition" ? oppositions : conjonctions)++;
  EXPECT_EQ(oppositions, 2);
  EXPECT_EQ(conjonctions, 1);
}

TEST(Phenomenes, AucunEvenementDeLaPeriodeNEstOublie) {
  // Spans whose first weeks hold an event that the first mean event number of the
  // span does not reach (years before 2000), the earliest years, the reform, the end.
  const std::pair<long long, long long> periodes[] = {{-4713, -4712}, {-4671, -4670}, {-4657, -4655}, {-1, 1},
                                                      {1582, 1583},   {1995, 1996},   {2000, 2001},   {9998, 9999}};
  for (const auto& [debut, fin] : periodes) {
    const recherche_phenomenes r = recherche(debut, fin);
    const resultat_phenomenes res = phenomenes_planetaires(r);
    EXPECT_EQ(evenements_trouves(res), evenements_attendus(r)) << debut << ".." << fin;
    EXPECT_EQ(res.lignes.size(), evenements_trouves(res).size()) << "no event twice";
  }
  // Mercury's inferior conjunction of 4 January -4713.
  const resultat_phenomenes r = phenomenes_planetaires(recherche(-4713, -4712, {planete_phenomene::mercure}));
  EXPECT_NE(chercher(r, "Mercure", "Conjonction inférieure", " 4 Janvier -4713"), nullptr);
}

TEST(Phenomenes, PlanetesChoisies) {
  const resultat_phenomenes mars = phenomenes_planetaires(recherche(1990, 2000, {planete_phenomene::mars}));
  ASSERT_FALSE(mars.lignes.empty());
  for (const phenomene_trouve& t : mars.lignes) EXPECT_EQ(t.nom_planete, "Mars");

  recherche_phenomenes aucune = recherche(1990, 2000);
  aucune.planetes.fill(false);
  const resultat_phenomenes vide = phenomenes_planetaires(aucune);
  EXPECT_TRUE(vide.lignes.empty());
  EXPECT_TRUE(vide.message.empty());
  EXPECT_FALSE(vide.interrompue);
}

TEST(Phenomenes, PeriodesRefusees) {
  const std::string ordre = "L'année de départ doit être inférieure à l'année de fin des recherches.";
  for (const auto& [debut, fin] : {std::pair{1993LL, 1993LL}, std::pair{1994LL, 1993LL}}) {
    const resultat_phenomenes r = phenomenes_planetaires(recherche(debut, fin));
    EXPECT_TRUE(r.lignes.empty());
    EXPECT_EQ(r.message, ordre);
  }
  for (const auto& [debut, fin] : {std::pair{-4714LL, 1993LL}, std::pair{1993LL, 10000LL}}) {
    const resultat_phenomenes r = phenomenes_planetaires(recherche(debut, fin));
    EXPECT_TRUE(r.lignes.empty());
    EXPECT_EQ(r.message, "Les années de recherche vont de -4713 à 9999.");
  }
}

TEST(Phenomenes, ProgressionEtInterruption) {
  std::vector<double> fractions;
  suivi_recherche suivi;
  suivi.avancer = [&](double f) {
    fractions.push_back(f);
    return true;
  };
  const resultat_phenomenes complet = phenomenes_planetaires(recherche(1990, 1992), suivi);
  ASSERT_GT(fractions.size(), 100u);
  EXPECT_EQ(fractions.front(), 0.0);
  EXPECT_EQ(fractions.back(), 1.0);
  for (std::size_t i = 1; i < fractions.size(); ++i) EXPECT_LE(fractions[i - 1], fractions[i]);
  EXPECT_FALSE(complet.interrompue);

  int appels = 0;
  suivi.avancer = [&](double) { return ++appels <= 40; };
  const resultat_phenomenes coupe = phenomenes_planetaires(recherche(1990, 1992), suivi);
  EXPECT_TRUE(coupe.interrompue);
  EXPECT_EQ(appels, 41);  // stops at the first refusal
  EXPECT_LT(coupe.lignes.size(), complet.lignes.size());
  // The rows found before the stop are rows of the full search, still sorted.
  const std::set<cle_evenement> tous = evenements_trouves(complet);
  for (const phenomene_trouve& t : coupe.lignes)
    EXPECT_TRUE(tous.count({static_cast<int>(t.planete), static_cast<int>(t.genre), t.k}));
  for (std::size_t i = 1; i < coupe.lignes.size(); ++i)
    EXPECT_LE(comparer_francais(coupe.lignes[i - 1].nom_planete, coupe.lignes[i].nom_planete), 0);
}

TEST(Phenomenes, TouteLaPlageDesAnnees) {
  const recherche_phenomenes r = recherche(-4713, 9999, {planete_phenomene::neptune});
  const resultat_phenomenes res = phenomenes_planetaires(r);
  EXPECT_TRUE(res.message.empty());
  EXPECT_EQ(evenements_trouves(res), evenements_attendus(r));
  for (const phenomene_trouve& t : res.lignes) {
    ASSERT_TRUE(std::isfinite(static_cast<double>(t.jde)));
    ASSERT_EQ(t.date.find(" h "), t.date.size() - 3) << t.date;
  }
}

TEST(Phenomenes, CopieDeLaListe) {
  std::vector<ligne_liste> lignes = {
      {"Vénus", {"Conjonction inférieure", " 13 Juin 1992 à 12 h "}},
      {"Mars", {"Opposition", " 7 Janvier 1993 à 19 h "}},
  };
  EXPECT_EQ(copie_phenomenes(lignes),
            "Phénomènes Planétaires \r\n\r\n"
            "Vénus\tConjonction inférieureLe  13 Juin 1992 à 12 h \r\n"
            "Mars\tOppositionLe  7 Janvier 1993 à 19 h \r\n"
            "\r\n");
  EXPECT_EQ(copie_phenomenes({}), "");  // an empty list appends nothing, not even the title

  // A second search adds its rows after the first's; the sort keeps the older rows of
  // a planet before the newer ones.
  lignes.push_back({"Vénus", {"Conjonction supérieure", " 2 Avril 1994 à 1 h "}});
  lignes.push_back({"Jupiter", {"Opposition", " 30 Avril 1994 à 6 h "}});
  trier_lignes_phenomenes(lignes);
  ASSERT_EQ(lignes.size(), 4u);
  EXPECT_EQ(lignes[0].libelle, "Jupiter");
  EXPECT_EQ(lignes[1].libelle, "Mars");
  EXPECT_EQ(lignes[2].colonnes[0], "Conjonction inférieure");
  EXPECT_EQ(lignes[3].colonnes[0], "Conjonction supérieure");
}
