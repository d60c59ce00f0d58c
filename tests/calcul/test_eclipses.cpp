#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calcul/formats.h"
#include "calcul/pages/eclipses.h"

using namespace almanax;

namespace {

constexpr long double minute = 1.0L / 1440;

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

std::vector<std::string> lignes(const std::string& texte) {
  std::vector<std::string> r;
  std::size_t debut = 0;
  for (std::size_t i; (i = texte.find("\r\n", debut)) != std::string::npos; debut = i + 2)
    r.push_back(texte.substr(debut, i - debut));
  EXPECT_EQ(debut, texte.size()) << "text not ended by CR LF";
  return r;
}

// Seconds of the day shown by a "HHh MMm SSs " field at the end of a line.
long long secondes_affichees(const std::string& ligne) {
  int h = -1, m = -1, s = -1;
  const std::size_t tab = ligne.find('\t');
  EXPECT_NE(tab, std::string::npos) << ligne;
  EXPECT_EQ(std::sscanf(ligne.c_str() + tab + 1, "%2dh %2dm %2ds ", &h, &m, &s), 3) << ligne;
  EXPECT_TRUE(h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60) << ligne;
  return h * 3600LL + m * 60 + s;
}

// Seconds of the clock at an instant, rounded.
long long secondes_du_jour(long double jde) {
  const long double j = jde + 0.5L;
  return std::llround((j - std::floor(j)) * 86400) % 86400;
}

// Distance between two clock readings, across midnight.
long long ecart_horloge(long long a, long long b) {
  const long long d = std::llabs(a - b) % 86400;
  return std::min(d, 86400 - d);
}

// The year of the date line: rounded seconds may carry a solar eclipse into the next year.
long long annee_affichee(const eclipse_trouvee& e) {
  return e.type == astre_eclipse::soleil ? e.date.a_la_seconde.annee : e.date.annee_tronquee;
}

const eclipse_trouvee* chercher(const resultat_eclipses& r, int jour, int mois, long long annee) {
  for (const eclipse_trouvee& e : r.eclipses)
    if (static_cast<int>(e.date.jour) == jour && e.date.mois == mois && e.date.annee_tronquee == annee) return &e;
  return nullptr;
}

}  // namespace

TEST(Eclipses, ExemplesDuManuel) {
  // Solar eclipse of 1993 May 21: partial, gamma 1.1348, u 0.0097, magnitude 0.740,
  // maximum at JDE 2449129.0979.
  const resultat_eclipses s = recherche_eclipses(1993, 1993, astre_eclipse::soleil);
  const eclipse_trouvee* mai = chercher(s, 21, 5, 1993);
  ASSERT_NE(mai, nullptr);
  EXPECT_NEAR(static_cast<double>(mai->jde), 2449129.0979, static_cast<double>(minute));
  EXPECT_NEAR(static_cast<double>(mai->gamma), 1.1348, 1e-4);
  EXPECT_NEAR(static_cast<double>(mai->u), 0.0097, 1e-4);
  EXPECT_NEAR(static_cast<double>(mai->magnitude), 0.740, 1e-3);
  EXPECT_EQ(mai->genre_soleil, genre_eclipse_solaire::partielle_non_centrale);
  EXPECT_TRUE(contient(mai->texte, "\r\n La magnitude maximale : 0,74\r\n\r\n"));

  // Lunar eclipse of 1973 June 15: penumbral only, gamma -1.3249, penumbral magnitude
  // 0.4625, semi-duration in the penumbra 101.5 minutes, maximum at JDE 2441849.3687.
  const resultat_eclipses l = recherche_eclipses(1973, 1973, astre_eclipse::lune);
  const eclipse_trouvee* juin = chercher(l, 15, 6, 1973);
  ASSERT_NE(juin, nullptr);
  EXPECT_NEAR(static_cast<double>(juin->jde), 2441849.3687, static_cast<double>(minute));
  EXPECT_NEAR(static_cast<double>(juin->gamma), -1.3249, 1e-4);
  EXPECT_NEAR(static_cast<double>(juin->magnitude_penombre), 0.4625, 1e-3);
  EXPECT_LT(juin->magnitude_ombre, 0);
  EXPECT_NEAR(static_cast<double>(juin->demi_duree_penombre), 101.5, 0.2);
  EXPECT_EQ(juin->demi_duree_partielle, 0);
  EXPECT_EQ(juin->genre_lune, genre_eclipse_lunaire::penombre);
}

TEST(Eclipses, BornesDeLaRecherche) {
  // Only the eclipses of the years asked: not the one of 21 December 1991.
  const resultat_eclipses l = recherche_eclipses(1992, 1993, astre_eclipse::lune);
  ASSERT_GE(l.eclipses.size(), 2u);
  EXPECT_EQ(l.texte.rfind(" Le 15 Juin 1992 à ", 0), 0u);
  EXPECT_TRUE(l.eclipses.back().texte.rfind(" Le 29 Novembre 1993  à ", 0) == 0) << l.eclipses.back().texte;
  EXPECT_EQ(l.eclipses.front().genre_lune, genre_eclipse_lunaire::partielle);
  EXPECT_EQ(l.eclipses.back().genre_lune, genre_eclipse_lunaire::totale);

  const resultat_eclipses s = recherche_eclipses(1992, 1993, astre_eclipse::soleil);
  ASSERT_FALSE(s.eclipses.empty());
  EXPECT_EQ(s.texte.rfind(" Le 04 Janvier 1992 à ", 0), 0u);
  EXPECT_EQ(s.eclipses.front().genre_soleil, genre_eclipse_solaire::annulaire_centrale);
  const eclipse_trouvee* juin = chercher(s, 30, 6, 1992);
  ASSERT_NE(juin, nullptr);
  EXPECT_EQ(juin->genre_soleil, genre_eclipse_solaire::totale_centrale);

  // A last year before the first scans nothing.
  const resultat_eclipses vide = recherche_eclipses(1995, 1990, astre_eclipse::lune);
  EXPECT_EQ(vide.candidats, 0);
  EXPECT_TRUE(vide.eclipses.empty());
  EXPECT_TRUE(vide.texte.empty());
}

TEST(Eclipses, DeuxiemeRechercheDansLaBoite) {
  // Only the first line written into an empty box has one blank before "à".
  const resultat_eclipses premiere = recherche_eclipses(2000, 2001, astre_eclipse::soleil, true);
  const resultat_eclipses suivante = recherche_eclipses(2000, 2001, astre_eclipse::soleil, false);
  ASSERT_GE(premiere.eclipses.size(), 3u);
  ASSERT_EQ(premiere.eclipses.size(), suivante.eclipses.size());
  for (std::size_t i = 0; i < premiere.eclipses.size(); ++i) {
    const std::string l1 = lignes(premiere.eclipses[i].texte).at(0);
    const std::string l2 = lignes(suivante.eclipses[i].texte).at(0);
    EXPECT_TRUE(contient(l2, " 2000  à ") || contient(l2, " 2001  à ")) << l2;
    if (i == 0) {
      EXPECT_TRUE(contient(l1, " 2000 à ")) << l1;
    } else {
      EXPECT_EQ(l1, l2);
    }
  }
}

TEST(Eclipses, TextesSolaires) {
  const resultat_eclipses s = recherche_eclipses(1800, 2200, astre_eclipse::soleil, false);
  ASSERT_GT(s.eclipses.size(), 900u);
  std::string tout;
  for (const eclipse_trouvee& e : s.eclipses) {
    tout += e.texte;
    const std::vector<std::string> l = lignes(e.texte);
    ASSERT_GE(l.size(), 4u);
    // Date line: the instant rounded to the second, the carry reaching the date.
    const long double arrondi = std::round((e.jde + 0.5L) * 86400) / 86400 - 0.5L;
    const valeurs_evenement d = date_evenement(arrondi + 1e-7L);
    const long long sec = secondes_du_jour(e.jde);
    char attendu[96];
    std::snprintf(attendu, sizeof attendu, "%lldh %02lldm %02llds ", sec / 3600, sec / 60 % 60, sec % 60);
    EXPECT_EQ(l[0], " Le " + format_float("00", static_cast<int>(d.jour)) + " " + nom_du_mois(d.mois) + " " +
                        std::to_string(d.annee_tronquee) + "  à " + attendu)
        << static_cast<double>(e.jde);
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[3], " Rayon du cône de pénombre du plan fondamental : " + format_float("0.##0", e.u + 0.5461L));
    switch (e.genre_soleil) {
      case genre_eclipse_solaire::totale_centrale:
        EXPECT_EQ(l[2], " Il y a une éclipse de Soleil totale centrale");
        EXPECT_LT(e.u, 0);
        EXPECT_EQ(l.size(), 5u);
        break;
      case genre_eclipse_solaire::annulaire_centrale:
        EXPECT_EQ(l[2], " Il y a une éclipse de Soleil annulaire centrale");
        EXPECT_EQ(l.size(), 5u);
        break;
      case genre_eclipse_solaire::annulaire_totale_centrale:
        EXPECT_EQ(l[2], " Il y a une éclipse de Soleil annulaire totale centrale");
        EXPECT_EQ(l.size(), 4u);
        break;
      case genre_eclipse_solaire::annulaire_partielle_centrale:
        EXPECT_EQ(l[2], " Il y a une éclipse de Soleil annulaire partielle centrale");
        EXPECT_EQ(l.size(), 4u);
        break;
      case genre_eclipse_solaire::partielle_non_centrale:
        EXPECT_EQ(l[2], " Il y a une éclipse de Soleil partielle non-centrale");
        ASSERT_EQ(l.size(), 6u);
        EXPECT_EQ(l[4], " La magnitude maximale : " + format_float("0.#0", e.magnitude));
        EXPECT_GT(e.magnitude, 0);
        EXPECT_LT(e.magnitude, 1.1);
        break;
    }
  }
  EXPECT_FALSE(contient(tout, "60s"));
  EXPECT_FALSE(contient(tout, "NAN"));
  // 2018 August 11 at 9 h 46 m 59.6 s: the seconds carry into the minutes.
  const eclipse_trouvee* aout = chercher(s, 11, 8, 2018);
  ASSERT_NE(aout, nullptr);
  EXPECT_GT(aout->date.seconde_r, 59.5L);
  EXPECT_TRUE(contient(aout->texte, "m 00s ")) << aout->texte;
}

TEST(Eclipses, TextesLunaires) {
  const resultat_eclipses r = recherche_eclipses(1900, 2100, astre_eclipse::lune, false);
  ASSERT_GT(r.eclipses.size(), 400u);
  int totales = 0, partielles = 0, penombre = 0;
  for (const eclipse_trouvee& e : r.eclipses) {
    const std::vector<std::string> l = lignes(e.texte);
    // Date line: every field truncated.
    char attendu[64];
    std::snprintf(attendu, sizeof attendu, "  à %dh %dm %ds ", static_cast<int>(e.date.heure_r),
                  static_cast<int>(e.date.minute_r), static_cast<int>(e.date.seconde_r));
    EXPECT_EQ(l.at(0), " Le " + std::to_string(static_cast<int>(e.date.jour)) + " " + nom_du_mois(e.date.mois) + " " +
                           std::to_string(e.date.annee_tronquee) + attendu);
    EXPECT_EQ(l.at(1), "");
    EXPECT_EQ(l.back(), "");
    // Each contact within a second of maximum +- semi-duration on the clock.
    std::vector<std::pair<std::string, long double>> attendus;
    const long double sp = e.demi_duree_penombre, su = e.demi_duree_partielle, st = e.demi_duree_totale;
    switch (e.genre_lune) {
      case genre_eclipse_lunaire::totale:
        ++totales;
        EXPECT_EQ(l.at(2), " Il y a une éclipse de Lune totale ");
        attendus = {{" Premier contact avec la pénombre", -sp},
                    {" Premier contact avec l'ombre", -su},
                    {" Début de la phase totale   ", -st},
                    {" Maximun de l'éclipse", 0},
                    {" Fin de la phase totale", st},
                    {" Dernier contact avec l'ombre", su},
                    {" Dernier contact avec la pénombre", sp}};
        break;
      case genre_eclipse_lunaire::partielle:
        ++partielles;
        EXPECT_EQ(l.at(2), " Il y a une éclipse de Lune partielle ");
        EXPECT_EQ(st, 0);
        attendus = {{" Premier contact avec la pénombre", -sp},
                    {" Premier contact avec l'ombre", -su},
                    {" Maximun de l'éclipse", 0},
                    {" Dernier contact avec l'ombre", su},
                    {" Dernier contact avec la pénombre", sp}};
        break;
      case genre_eclipse_lunaire::penombre:
        ++penombre;
        EXPECT_EQ(l.at(2), " Il y a une éclipse de Lune partielle dans la pénombre ");
        EXPECT_EQ(su, 0);
        attendus = {{" Premier contact avec la pénombre", -sp},
                    {" Maximun de l'éclipse", 0},
                    {" Dernier contact avec la pénombre", sp}};
        break;
    }
    const long double mag = e.genre_lune == genre_eclipse_lunaire::penombre ? e.magnitude_penombre : e.magnitude_ombre;
    EXPECT_EQ(l.at(3), " Magnitude \t" + format_float("0.##0", mag) + " ");
    EXPECT_GT(mag, 0);
    ASSERT_EQ(l.size(), 4 + attendus.size() + 1);
    for (std::size_t i = 0; i < attendus.size(); ++i) {
      const std::string& ligne = l[4 + i];
      EXPECT_EQ(ligne.substr(0, ligne.find('\t')), attendus[i].first);
      EXPECT_LE(ecart_horloge(secondes_affichees(ligne), secondes_du_jour(e.jde + attendus[i].second * minute)), 1)
          << ligne << " " << static_cast<double>(e.jde);
    }
  }
  EXPECT_GT(totales, 50);
  EXPECT_GT(partielles, 50);
  EXPECT_GT(penombre, 50);

  // 1996 April 4, maximum at 0 h 10 m 56 s: the first contacts are on the previous
  // day's clock. 1972 January 30 at 10 h 53 m 59.9 s: the date line truncates, the
  // maximum line rounds and carries.
  const eclipse_trouvee* avril = chercher(r, 4, 4, 1996);
  ASSERT_NE(avril, nullptr);
  EXPECT_TRUE(contient(avril->texte, " Premier contact avec la pénombre\t21h ")) << avril->texte;
  EXPECT_TRUE(contient(avril->texte, " Maximun de l'éclipse\t00h 10m 5")) << avril->texte;
  const eclipse_trouvee* janvier = chercher(r, 30, 1, 1972);
  ASSERT_NE(janvier, nullptr);
  EXPECT_TRUE(contient(janvier->texte, "  à 10h 53m 59s ")) << janvier->texte;
  EXPECT_TRUE(contient(janvier->texte, " Maximun de l'éclipse\t10h 54m 00s ")) << janvier->texte;
}

TEST(Eclipses, GenreSolaire) {
  using g = genre_eclipse_solaire;
  EXPECT_EQ(genre_solaire(0.3L, -0.01L), g::totale_centrale);
  EXPECT_EQ(genre_solaire(-0.3L, 0.02L), g::annulaire_centrale);
  EXPECT_EQ(genre_solaire(0.99L, 0.0001L), g::annulaire_totale_centrale);  // omega = 0.000654
  EXPECT_EQ(genre_solaire(0.99L, 0.001L), g::annulaire_partielle_centrale);
  // Central up to |gamma| = 1.005, not 0.9972.
  EXPECT_EQ(genre_solaire(1.0L, -0.001L), g::totale_centrale);
  EXPECT_EQ(genre_solaire(-1.004L, 0.01L), g::annulaire_centrale);
  EXPECT_EQ(genre_solaire(1.006L, -0.001L), g::partielle_non_centrale);
  // No value left without a kind: the bounds themselves.
  EXPECT_EQ(genre_solaire(1.005L, 0.001L), g::partielle_non_centrale);
  EXPECT_EQ(genre_solaire(0.5L, 0.0047L), g::annulaire_centrale);
  EXPECT_EQ(genre_solaire(0.5L, 0.0L), g::annulaire_totale_centrale);
  // |gamma| between 1 and 1.005 with 0 < u < 0.0047: omega is 0, never a NaN, and the
  // eclipse is annular.
  EXPECT_EQ(omega_eclipse(1.002L), 0);
  EXPECT_EQ(omega_eclipse(-1.0L), 0);
  EXPECT_NEAR(static_cast<double>(omega_eclipse(0.6L)), 0.00464 * 0.8, 1e-12);
  EXPECT_EQ(genre_solaire(1.002L, 0.002L), g::annulaire_partielle_centrale);
  EXPECT_EQ(genre_solaire(-1.0001L, 0.00001L), g::annulaire_partielle_centrale);
}

TEST(Eclipses, ToutLIntervalleDesAnnees) {
  // -4713 .. 9999: far more lunations than a 16-bit count holds.
  for (const astre_eclipse t : {astre_eclipse::lune, astre_eclipse::soleil}) {
    const resultat_eclipses r = recherche_eclipses(-4713, 9999, t);
    EXPECT_GT(r.candidats, 180000);
    ASSERT_GT(r.eclipses.size(), 30000u);
    // The scan starts about a month before 1 December -4714; an eclipse season comes
    // within six months.
    EXPECT_GE(r.eclipses.front().jde, -426.5L);        // 1 November -4714
    EXPECT_LT(r.eclipses.front().jde, -365.5L + 200);  // 19 July -4713
    EXPECT_EQ(annee_affichee(r.eclipses.front()), -4713);
    EXPECT_EQ(r.eclipses.back().date.annee_tronquee, 9999);
    EXPECT_GE(r.eclipses.back().date.mois, 10);
    for (std::size_t i = 1; i < r.eclipses.size(); ++i) ASSERT_GT(r.eclipses[i].jde - r.eclipses[i - 1].jde, 29);
    EXPECT_FALSE(contient(r.texte, "NAN"));
    EXPECT_FALSE(contient(r.texte, "INF"));
    EXPECT_FALSE(contient(r.texte, "60s"));
  }
}

TEST(Eclipses, ProgressionEtInterruption) {
  std::vector<double> avance;
  suivi_recherche suivi;
  suivi.avancer = [&](double f) {
    avance.push_back(f);
    return true;
  };
  const resultat_eclipses complet = recherche_eclipses(1990, 2000, astre_eclipse::lune, true, ",", suivi);
  EXPECT_FALSE(complet.interrompue);
  ASSERT_FALSE(avance.empty());
  for (std::size_t i = 1; i < avance.size(); ++i) EXPECT_LT(avance[i - 1], avance[i]);
  EXPECT_LE(avance.back(), 1.0);

  int appels = 0;
  suivi_recherche arret;
  arret.avancer = [&](double) { return ++appels < 40; };
  const resultat_eclipses partiel = recherche_eclipses(1990, 2000, astre_eclipse::lune, true, ",", arret);
  EXPECT_TRUE(partiel.interrompue);
  EXPECT_EQ(appels, 40);
  EXPECT_LT(partiel.eclipses.size(), complet.eclipses.size());
  EXPECT_EQ(complet.texte.rfind(partiel.texte, 0), 0u);
}

TEST(Eclipses, SeparateurEtCopie) {
  const resultat_eclipses point = recherche_eclipses(1993, 1993, astre_eclipse::soleil, true, ".");
  EXPECT_TRUE(contient(point.texte, " La magnitude maximale : 0.74\r\n"));
  EXPECT_FALSE(contient(point.texte, "0,"));

  EXPECT_EQ(copie_eclipses(""), "");
  const resultat_eclipses r = recherche_eclipses(1992, 1993, astre_eclipse::lune);
  EXPECT_EQ(copie_eclipses(r.texte), "Eclipses \r\n\r\n" + r.texte);
}

TEST(Eclipses, LesAnneesDemandeesEtSeulementElles) {
  // December eclipses of the last year, and those of late December before the first.
  struct cas {
    long long premiere, derniere;
    astre_eclipse type;
    const char* listee;   // start of a date line that must be there
    const char* absente;  // and one that must not
  };
  const cas tous[] = {
      {2020, 2021, astre_eclipse::soleil, " Le 04 Décembre 2021", " Le 26 Décembre 2019"},
      {2010, 2011, astre_eclipse::lune, " Le 10 Décembre 2011", " Le 31 Décembre 2009"},
      {-3945, -3944, astre_eclipse::lune, " Le 15 Décembre -3944", " Décembre -3946"},
      {1992, 1993, astre_eclipse::lune, " Le 29 Novembre 1993", " Le 21 Décembre 1991"},
  };
  for (const cas& c : tous) {
    const resultat_eclipses r = recherche_eclipses(c.premiere, c.derniere, c.type);
    SCOPED_TRACE(c.listee);
    EXPECT_TRUE(contient(r.texte, c.listee));
    EXPECT_FALSE(contient(r.texte, c.absente));
    for (const eclipse_trouvee& e : r.eclipses) {
      EXPECT_GE(annee_affichee(e), c.premiere);
      EXPECT_LE(annee_affichee(e), c.derniere);
    }
  }
}

TEST(Eclipses, ChaqueRechercheDeDeuxAnsDe1950A2049) {
  // Reference: one search over 1940-2060, its eclipses put in the year of their date
  // line. The search of each two-year span must list exactly those of its two years,
  // in time order.
  for (const astre_eclipse t : {astre_eclipse::soleil, astre_eclipse::lune}) {
    const resultat_eclipses reference = recherche_eclipses(1940, 2060, t);
    std::map<long long, std::vector<long double>> par_annee;
    for (const eclipse_trouvee& e : reference.eclipses) par_annee[annee_affichee(e)].push_back(e.jde);
    // Two to five solar eclipses a year; up to five lunar ones with the penumbral.
    for (long long a = 1940; a <= 2060; ++a) {
      ASSERT_GE(par_annee[a].size(), 2u) << a;
      ASSERT_LE(par_annee[a].size(), 5u) << a;
    }
    int manquees = 0, en_trop = 0;
    for (long long a = 1950; a <= 2049; ++a) {
      std::vector<long double> attendu = par_annee[a];
      attendu.insert(attendu.end(), par_annee[a + 1].begin(), par_annee[a + 1].end());
      std::vector<long double> trouve;
      for (const eclipse_trouvee& e : recherche_eclipses(a, a + 1, t).eclipses) trouve.push_back(e.jde);
      for (long double j : attendu) manquees += std::find(trouve.begin(), trouve.end(), j) == trouve.end();
      for (long double j : trouve) en_trop += std::find(attendu.begin(), attendu.end(), j) == attendu.end();
      EXPECT_EQ(trouve, attendu) << a << "-" << a + 1;
    }
    EXPECT_EQ(manquees, 0);
    EXPECT_EQ(en_trop, 0);
  }
}
