#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "calcul/formats.h"
#include "calcul/numerique.h"
#include "calcul/pages/phases.h"

using namespace almanax;

namespace {

constexpr long double seconde = 1.0L / 86400;

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

// The time text of an instant computed another way: the whole civil day's seconds,
// rounded to the nearest second.
std::string heure_attendue(long double jde) {
  const long double j = jde + 0.5L;
  long long s = std::llround((j - std::floor(j)) * 86400);
  if (s == 86400) s = 0;
  char b[32];
  std::snprintf(b, sizeof b, "%02lld h %02lld m %02lld s", s / 3600, s / 60 % 60, s % 60);
  return b;
}

}  // namespace

TEST(Phases, ExemplesDuManuel) {
  // New moon of 1977 February 18, 3 h 37 m 42 s TD (lunation -283).
  EXPECT_NEAR(static_cast<double>(instant_phase(-283, phase_lunaire::nouvelle_lune)), 2443192.65118, 3 * seconde);
  // Last quarter of 2044 January 21, 23 h 47 m 48 s TD (lunation 544).
  EXPECT_NEAR(static_cast<double>(instant_phase(544, phase_lunaire::dernier_quartier)), 2467636.49186, 3 * seconde);

  const valeurs_evenement d = date_evenement(instant_phase(-283, phase_lunaire::nouvelle_lune));
  EXPECT_EQ(texte_date_phase(d.a_la_seconde), "18 Février 1977");
  const std::string h = texte_heure_phase(d.a_la_seconde);
  EXPECT_TRUE(h == "03 h 37 m 41 s" || h == "03 h 37 m 42 s" || h == "03 h 37 m 43 s") << h;
}

TEST(Phases, ArgumentsDeLaLunaison) {
  // The handbook's values for lunation -283: T = -0.22881, M = 45.7375, M' = 95.3722, F = 120.9584,
  // Omega = 207.3176 degrees, E = 1.0005753.
  const lunaison l = arguments_lunaison(-283);
  EXPECT_NEAR(static_cast<double>(l.T), -0.22881, 1e-5);
  EXPECT_NEAR(static_cast<double>(l.M * rad_deg), 45.7375, 1e-3);
  EXPECT_NEAR(static_cast<double>(l.Mp * rad_deg), 95.3722, 1e-3);
  EXPECT_NEAR(static_cast<double>(l.F * rad_deg), 120.9584, 1e-3);
  EXPECT_NEAR(static_cast<double>(l.Omega * rad_deg), 207.3176, 1e-3);
  EXPECT_NEAR(static_cast<double>(l.E), 1.0005753, 1e-7);
  EXPECT_NEAR(static_cast<double>(l.jde_moyen), 2443192.94102, 2e-5);
  // A negative lunation count still gives angles within one turn.
  const lunaison m = arguments_lunaison(-83000.75L);
  for (long double a : {m.M, m.Mp, m.F, m.Omega}) {
    EXPECT_GE(a, 0);
    EXPECT_LE(a, 2 * pi);
  }
}

TEST(Phases, PageDOctobre1997) {
  const resultat_phases r = phases_de_la_lune(10, 1997);
  EXPECT_FALSE(r.interrompue);
  const int mois_attendus[6] = {10, 11, 12, 1, 2, 3};
  for (int p = 0; p < 6; ++p) {
    const liste_phases& l = r.listes[static_cast<std::size_t>(p)];
    EXPECT_EQ(l.mois, mois_attendus[p]);
    EXPECT_EQ(l.annee, p < 3 ? 1997 : 1998);
    EXPECT_GE(l.phases.size(), 3u);
    EXPECT_LE(l.phases.size(), 5u);
    // Grouped by kind in the order of the phase numbers, each kind in increasing time.
    for (std::size_t i = 1; i < l.phases.size(); ++i) {
      const phase_trouvee& a = l.phases[i - 1];
      const phase_trouvee& b = l.phases[i];
      ASSERT_TRUE(a.phase < b.phase || (a.phase == b.phase && a.jde < b.jde));
    }
    for (const phase_trouvee& t : l.phases) {
      EXPECT_EQ(t.ligne.libelle, nom_de_la_phase(t.phase));
      EXPECT_EQ(t.image, static_cast<int>(t.phase) - 1);
      ASSERT_EQ(t.ligne.colonnes.size(), 2u);
      EXPECT_TRUE(contient(t.ligne.colonnes[0], " " + nom_du_mois(l.mois) + " " + std::to_string(l.annee)));
      EXPECT_EQ(t.ligne.colonnes[1], heure_attendue(t.jde));
    }
  }
  // Full moon of 1997 October 16 near 3 h 47 m TD, first quarter of October 9 near 12 h 23 m.
  const auto& octobre = r.listes[0].phases;
  bool pleine = false, quartier = false;
  for (const phase_trouvee& t : octobre) {
    if (t.phase == phase_lunaire::pleine_lune) {
      pleine = true;
      EXPECT_EQ(t.ligne.colonnes[0], "16 Octobre 1997");
      EXPECT_TRUE(contient(t.ligne.colonnes[1], "03 h 4")) << t.ligne.colonnes[1];
    }
    if (t.phase == phase_lunaire::premier_quartier) {
      quartier = true;
      EXPECT_EQ(t.ligne.colonnes[0], "09 Octobre 1997");
      EXPECT_TRUE(contient(t.ligne.colonnes[1], "12 h 2")) << t.ligne.colonnes[1];
    }
  }
  EXPECT_TRUE(pleine);
  EXPECT_TRUE(quartier);
}

TEST(Phases, DecembreVersMaiDeLAnneeSuivante) {
  const resultat_phases r = phases_de_la_lune(12, 2000);
  EXPECT_EQ(r.listes[0].mois, 12);
  EXPECT_EQ(r.listes[0].annee, 2000);
  for (int p = 1; p < 6; ++p) {
    EXPECT_EQ(r.listes[static_cast<std::size_t>(p)].mois, p);
    EXPECT_EQ(r.listes[static_cast<std::size_t>(p)].annee, 2001);
    for (const phase_trouvee& t : r.listes[static_cast<std::size_t>(p)].phases)
      EXPECT_TRUE(contient(t.ligne.colonnes[0], nom_du_mois(p) + " 2001"));
  }
}

TEST(Phases, DeuxPleinesLunesEtFevrierSansPleineLune) {
  // 1999: full moons on January 2 and 31, none in February.
  const resultat_phases r = phases_de_la_lune(1, 1999);
  const auto& janvier = r.listes[0].phases;
  int pleines = 0;
  std::size_t premiere_pleine = janvier.size();
  for (std::size_t i = 0; i < janvier.size(); ++i)
    if (janvier[i].phase == phase_lunaire::pleine_lune) {
      ++pleines;
      premiere_pleine = std::min(premiere_pleine, i);
    }
  EXPECT_EQ(pleines, 2);
  for (std::size_t i = 0; i < janvier.size(); ++i)
    if (janvier[i].phase == phase_lunaire::nouvelle_lune || janvier[i].phase == phase_lunaire::premier_quartier) {
      EXPECT_LT(i, premiere_pleine);
    }
  for (const phase_trouvee& t : r.listes[1].phases) EXPECT_NE(t.phase, phase_lunaire::pleine_lune);
}

TEST(Phases, ChaquePhaseDansLeMoisDeSaDate) {
  // Every phase of every lunation, sorted into months independently, against the
  // page's lists: none missing, none twice, none in the wrong month. The spans hold
  // months where stepping the candidates by 0.080957 year jumps over a whole
  // lunation (August 1918 among them).
  for (const auto& [debut, fin] : {std::pair{1910, 1925}, std::pair{-4713, -4705}, std::pair{9990, 9999}}) {
    std::map<std::pair<long long, int>, std::multiset<long double>> attendu[5];
    for (long double n = std::floor((debut - 2001) * 12.3685L); n <= (fin + 2 - 2000) * 12.3685L; ++n)
      for (int p = 1; p <= 4; ++p) {
        const long double jde = instant_phase(n, static_cast<phase_lunaire>(p));
        const instant_a_la_seconde s = date_evenement(jde).a_la_seconde;
        attendu[p][{s.annee, s.mois}].insert(jde);
      }
    for (int annee = debut; annee <= fin; ++annee)
      for (int mois = 1; mois <= 12; mois += 5) {
        const resultat_phases r = phases_de_la_lune(mois, annee);
        for (const liste_phases& l : r.listes) {
          std::multiset<long double> trouve[5];
          for (const phase_trouvee& t : l.phases) trouve[static_cast<int>(t.phase)].insert(t.jde);
          for (int p = 1; p <= 4; ++p)
            ASSERT_EQ(trouve[p], (attendu[p][{l.annee, l.mois}])) << l.mois << "/" << l.annee << " phase " << p;
        }
      }
  }
  const resultat_phases aout_1918 = phases_de_la_lune(8, 1918);
  EXPECT_EQ(aout_1918.listes[0].phases.size(), 4u);
}

TEST(Phases, SecondesArrondiesReportees) {
  // Full moon of 1986 January 26 at 0 h 31 m 59.94 s, last quarter of 1992 December 16
  // at 19 h 13 m 59.82 s: shown as whole minutes, never with 60 seconds.
  const resultat_phases r = phases_de_la_lune(1, 1986);
  bool trouve = false;
  for (const phase_trouvee& t : r.listes[0].phases)
    if (t.phase == phase_lunaire::pleine_lune) {
      trouve = true;
      EXPECT_GT(t.date.seconde_r, 59.5L);
      EXPECT_EQ(t.ligne.colonnes[0], "26 Janvier 1986");
      EXPECT_EQ(t.ligne.colonnes[1], "00 h 32 m 00 s");
    }
  EXPECT_TRUE(trouve);
  const resultat_phases d = phases_de_la_lune(12, 1992);
  bool dernier = false;
  for (const phase_trouvee& t : d.listes[0].phases)
    if (t.phase == phase_lunaire::dernier_quartier) {
      dernier = true;
      EXPECT_EQ(t.ligne.colonnes[1], "19 h 14 m 00 s");
    }
  EXPECT_TRUE(dernier);
  for (int annee = 1980; annee < 2030; annee += 2) {
    const resultat_phases six_mois = phases_de_la_lune(1, annee);
    for (const liste_phases& l : six_mois.listes)
      for (const phase_trouvee& t : l.phases) {
        ASSERT_FALSE(contient(t.ligne.colonnes[1], "60 s")) << t.ligne.colonnes[1];
        ASSERT_FALSE(contient(t.ligne.colonnes[1], "60 m")) << t.ligne.colonnes[1];
      }
  }
}

TEST(Phases, LimitesDesAnnees) {
  // From the lowest year the page accepts: Julian days below zero, dates still sound.
  const resultat_phases bas = phases_de_la_lune(1, -4713);
  for (int p = 0; p < 6; ++p) {
    const liste_phases& l = bas.listes[static_cast<std::size_t>(p)];
    ASSERT_FALSE(l.phases.empty());
    for (const phase_trouvee& t : l.phases) {
      EXPECT_LT(t.jde, 0);
      EXPECT_EQ(t.ligne.colonnes[0].substr(2), " " + nom_du_mois(p + 1) + " -4713");
      EXPECT_EQ(t.ligne.colonnes[1], heure_attendue(t.jde));
    }
  }
  // December of the highest year runs into 10000.
  const resultat_phases haut = phases_de_la_lune(12, 9999);
  EXPECT_TRUE(contient(haut.listes[0].phases.at(0).ligne.colonnes[0], "Décembre 9999"));
  EXPECT_TRUE(contient(haut.listes[5].phases.at(0).ligne.colonnes[0], "Mai 10000"));
  // October 1582 lost its days 5 to 14 at the calendar reform: no phase shows one.
  const resultat_phases octobre_1582 = phases_de_la_lune(10, 1582);
  const liste_phases& reforme = octobre_1582.listes[0];
  EXPECT_GE(reforme.phases.size(), 2u);
  for (const phase_trouvee& t : reforme.phases) {
    const int jour = std::stoi(t.ligne.colonnes[0].substr(0, 2));
    EXPECT_TRUE(jour <= 4 || jour >= 15) << t.ligne.colonnes[0];
  }
}

TEST(Phases, ProgressionEtInterruption) {
  std::vector<double> avance;
  suivi_recherche suivi;
  suivi.avancer = [&](double f) {
    avance.push_back(f);
    return true;
  };
  const resultat_phases complet = phases_de_la_lune(5, 2010, suivi);
  EXPECT_FALSE(complet.interrompue);
  ASSERT_GE(avance.size(), 144u);
  for (std::size_t i = 1; i < avance.size(); ++i) EXPECT_LE(avance[i - 1], avance[i]);
  EXPECT_NEAR(avance.back(), 1.0, 1e-12);

  int appels = 0;
  suivi_recherche arret;
  arret.avancer = [&](double) { return ++appels < 30; };
  const resultat_phases partiel = phases_de_la_lune(5, 2010, arret);
  EXPECT_TRUE(partiel.interrompue);
  EXPECT_EQ(appels, 30);
  EXPECT_TRUE(partiel.listes[5].phases.empty());
  std::size_t n_complet = 0, n_partiel = 0;
  for (int p = 0; p < 6; ++p) {
    n_complet += complet.listes[static_cast<std::size_t>(p)].phases.size();
    n_partiel += partiel.listes[static_cast<std::size_t>(p)].phases.size();
  }
  EXPECT_LT(n_partiel, n_complet);
}

TEST(Phases, TexteCopie) {
  const resultat_phases r = phases_de_la_lune(10, 1997);
  EXPECT_EQ(copie_phases(r, {false, false, false, false, false, false}), "");

  const std::string tout = copie_phases(r, {true, true, true, true, true, true});
  ASSERT_EQ(tout.rfind("Phases de la Lune\r\n\r\n", 0), 0u);
  std::size_t lignes = 0;
  for (const liste_phases& l : r.listes) lignes += l.phases.size();
  std::size_t crlf_vus = 0;
  for (std::size_t i = 0; (i = tout.find("\r\n", i)) != std::string::npos; i += 2) ++crlf_vus;
  EXPECT_EQ(crlf_vus, lignes + 2);
  const phase_trouvee& premiere = r.listes[0].phases.at(0);
  EXPECT_TRUE(contient(tout, "\r\n\r\n" + premiere.ligne.libelle + "\tLe " + premiere.ligne.colonnes[0] + " à " +
                                 premiere.ligne.colonnes[1] + "\r\n"));

  // Only the checked months, in their order.
  const std::string deux = copie_phases(r, {false, true, false, false, false, true});
  EXPECT_FALSE(contient(deux, "Octobre 1997"));
  EXPECT_TRUE(contient(deux, "Novembre 1997"));
  EXPECT_FALSE(contient(deux, "Décembre 1997"));
  EXPECT_TRUE(contient(deux, "Mars 1998"));
  EXPECT_LT(deux.find("Novembre 1997"), deux.find("Mars 1998"));
}
