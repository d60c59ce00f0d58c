#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <string>

#include "calcul/calendrier.h"

using namespace almanax;

namespace {

date_de_calcul date(long double jour, long double mois, long double annee, int heure = 0, int minute = 0,
                    int seconde = 0) {
  date_de_calcul d;
  d.jour = jour;
  d.mois = mois;
  d.annee = annee;
  d.heure = static_cast<std::uint16_t>(heure);
  d.minute = static_cast<std::uint16_t>(minute);
  d.seconde = static_cast<std::uint16_t>(seconde);
  return d;
}

date_de_calcul apres_julien(date_de_calcul d) {
  julien(d);
  return d;
}

long double jd(long double jour, long double mois, long double annee, int heure = 0, int minute = 0, int seconde = 0) {
  return apres_julien(date(jour, mois, annee, heure, minute, seconde)).jour_julien;
}

date_jma calendaire(long double jour_julien) {
  date_de_calcul d;
  d.jour_julien = jour_julien;
  date_calendaire(d);
  return {static_cast<int>(d.jour), static_cast<int>(d.mois), static_cast<int>(d.annee)};
}

const std::set<std::string> noms_des_jours = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};

}  // namespace

TEST(CalendrierJulien, ReformeDe1582SansJoursManquants) {
  const auto veille = apres_julien(date(4, 10, 1582, 12));
  const auto lendemain = apres_julien(date(15, 10, 1582, 12));
  EXPECT_EQ(veille.jour_julien, 2299160.0L);
  EXPECT_EQ(lendemain.jour_julien, 2299161.0L);
  EXPECT_EQ(veille.nom_du_jour, "jeudi");
  EXPECT_EQ(lendemain.nom_du_jour, "vendredi");
}

TEST(CalendrierJulien, ReperesConnus) {
  const auto j2000 = apres_julien(date(1, 1, 2000, 12));
  EXPECT_EQ(j2000.jour_julien, 2451545.0L);
  EXPECT_EQ(j2000.nom_du_jour, "samedi");
  EXPECT_EQ(j2000.rang_du_jour, 1);
  EXPECT_EQ(j2000.facteur_k, 1);
  // Origin of the Julian days: 1 January -4712 (4713 BC) at noon.
  EXPECT_EQ(jd(1, 1, -4712, 12), 0.0L);
  EXPECT_EQ(jd(1, 1, -4712), -0.5L);
  // A Gregorian date and a Julian one far from the switch.
  EXPECT_EQ(jd(27, 1, 333, 12), 1842713.0L);
  EXPECT_NEAR(jd(4, 10, 1957, 19, 26, 24), 2436116.31L, 2e-6L);  // storage: 0.3 s
}

TEST(CalendrierJulien, FractionDuJourSansMillisecondes) {
  auto d = date(1, 1, 2000, 18, 30, 36);
  d.milliseconde = 999;
  julien(d);
  EXPECT_NEAR(d.jour_julien, 2451545.0L + 0.25L + 30.0L / 1440 + 36.0L / 86400, 2e-6L);
  EXPECT_EQ(d.heure_r, 18.0L);
  EXPECT_EQ(d.minute_r, 30.0L);
  EXPECT_EQ(d.seconde_r, 36.0L);
  // Stored in the 48-bit format: 40 significant bits.
  EXPECT_EQ(d.jour_julien, arrondi_reel48(d.jour_julien));
}

TEST(CalendrierJulien, RangDuJour) {
  EXPECT_EQ(apres_julien(date(31, 12, 2000)).rang_du_jour, 366);
  EXPECT_EQ(apres_julien(date(31, 12, 1999)).rang_du_jour, 365);
  EXPECT_EQ(apres_julien(date(1, 3, 2000)).rang_du_jour, 61);
  EXPECT_EQ(apres_julien(date(1, 3, 1999)).rang_du_jour, 60);
  EXPECT_EQ(apres_julien(date(1, 3, 1900)).rang_du_jour, 60);  // 1900 is common
  EXPECT_EQ(apres_julien(date(1, 2, 1999)).rang_du_jour, 32);
}

TEST(CalendrierJulien, JoursHorsDuMoisCompteLineairement) {
  EXPECT_EQ(jd(0, 3, 2000), jd(29, 2, 2000));
  EXPECT_EQ(jd(0, 3, 1999), jd(28, 2, 1999));
  EXPECT_EQ(jd(32, 1, 2000), jd(1, 2, 2000));
  EXPECT_EQ(jd(0, 1, 2000), jd(31, 12, 1999));
  EXPECT_EQ(jd(32, 12, 1999), jd(1, 1, 2000));
  EXPECT_EQ(apres_julien(date(0, 3, 2000)).nom_du_jour, apres_julien(date(29, 2, 2000)).nom_du_jour);
}

TEST(CalendrierJulien, LesJoursSeSuiventAussiAvantLeJourJulienZero) {
  // Days counted on linearly from 1 January -4712 across JD 0: the names must keep
  // cycling through the week with no hole (a signed remainder would break here).
  static const char* const semaine[] = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
  const std::string premier = apres_julien(date(1, 1, -4712)).nom_du_jour;
  int index_premier = 0;
  while (semaine[index_premier] != premier) ++index_premier;
  for (int k = -400; k <= 400; ++k) {
    const auto d = apres_julien(date(1 + k, 1, -4712));
    const int attendu = ((index_premier + k) % 7 + 7) % 7;
    ASSERT_EQ(d.nom_du_jour, semaine[attendu]) << "decalage " << k;
  }
  EXPECT_EQ(premier, "lundi");  // JD 0 is a Monday
}

TEST(CalendrierJulien, JourDeLaSemaineSansJourJulien) {
  auto d = date(15, 10, 1582);
  d.jour_julien = 123.0L;
  jour_de_la_semaine(d);
  EXPECT_EQ(d.nom_du_jour, "vendredi");
  EXPECT_EQ(d.jour_julien, 123.0L);  // untouched
  EXPECT_EQ(d.facteur_k, 2);
  EXPECT_EQ(d.rang_du_jour, 288);
  auto e = date(31, 12, 2000);
  jour_de_la_semaine(e);
  EXPECT_EQ(e.nom_du_jour, "dimanche");
  EXPECT_EQ(e.rang_du_jour, 366);
}

TEST(CalendrierBissextile, Regles) {
  EXPECT_FALSE(est_bissextile(1900));
  EXPECT_TRUE(est_bissextile(2000));
  EXPECT_TRUE(est_bissextile(1996));
  EXPECT_TRUE(est_bissextile(1500));  // Julian rule before the reform
  EXPECT_TRUE(est_bissextile(1200));
  EXPECT_FALSE(est_bissextile(1700));
  EXPECT_FALSE(est_bissextile(2100));
  EXPECT_TRUE(est_bissextile(2400));
  EXPECT_TRUE(est_bissextile(0));
  EXPECT_FALSE(est_bissextile(-1));
  EXPECT_TRUE(est_bissextile(-4));
  EXPECT_FALSE(est_bissextile(-99));
  EXPECT_TRUE(est_bissextile(-100));
  EXPECT_FALSE(est_bissextile(1999));
}

TEST(CalendrierBissextile, FacteurDansLaFiche) {
  auto d = date(1, 1, 1996.7L);
  bissextile(d);
  EXPECT_EQ(d.facteur_k, 1);
  d.annee = 1900;
  bissextile(d);
  EXPECT_EQ(d.facteur_k, 2);
  d.annee = -1;
  bissextile(d);
  EXPECT_EQ(d.facteur_k, 2);
  d.annee = std::numeric_limits<long double>::quiet_NaN();
  bissextile(d);  // no undefined conversion
  EXPECT_TRUE(d.facteur_k == 1 || d.facteur_k == 2);
}

TEST(CalendrierBissextile, JoursDuMois) {
  const int attendus[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(jours_du_mois(m, 1999), attendus[m - 1]) << m;
  EXPECT_EQ(jours_du_mois(2, 2000), 29);
  EXPECT_EQ(jours_du_mois(2, 1900), 28);
  EXPECT_EQ(jours_du_mois(2, 1500), 29);
  EXPECT_EQ(jours_du_mois(0, 1999), 31);
  EXPECT_EQ(jours_du_mois(13, 1999), 31);
  EXPECT_EQ(jours_du_mois(-5, 1999), 31);
  // A function of its arguments only, whatever was computed before.
  auto autre = apres_julien(date(1, 1, 1999));
  EXPECT_EQ(autre.facteur_k, 2);
  EXPECT_EQ(jours_du_mois(2, 1996), 29);
}

TEST(CalendrierDateCalendaire, AutourDeLaReforme) {
  EXPECT_EQ(calendaire(2299160.5L), (date_jma{15, 10, 1582}));
  EXPECT_EQ(calendaire(2299160.4L), (date_jma{4, 10, 1582}));
  EXPECT_EQ(calendaire(2451545.0L), (date_jma{1, 1, 2000}));
  EXPECT_EQ(calendaire(2451544.49L), (date_jma{31, 12, 1999}));
  EXPECT_EQ(calendaire(0.0L), (date_jma{1, 1, -4712}));
  EXPECT_EQ(calendaire(2451604.0L), (date_jma{29, 2, 2000}));
  EXPECT_EQ(calendaire(2451604.5L), (date_jma{1, 3, 2000}));
  EXPECT_EQ(calendaire(1842712.5L), (date_jma{27, 1, 333}));
}

TEST(CalendrierDateCalendaire, LaisseLaFractionDuJourCivil) {
  date_de_calcul d;
  d.jour_julien = 2451545.25L;  // 18:00
  date_calendaire(d);
  EXPECT_EQ(d.jour_julien, 2451545.75L);
  EXPECT_NEAR(frac_r(d.jour_julien) * 24, 18.0L, 1e-9L);
}

TEST(CalendrierDateCalendaire, AllerRetourSurToutLeDomaine) {
  std::mt19937_64 alea(20240601);
  std::uniform_real_distribution<double> tirage(0.0, 5.4e6);
  int essais = 0;
  auto verifier = [&](long double jour_julien) {
    date_de_calcul d;
    d.jour_julien = jour_julien;
    date_calendaire(d);
    ASSERT_GE(d.mois, 1);
    ASSERT_LE(d.mois, 12);
    ASSERT_GE(d.jour, 1);
    ASSERT_LE(d.jour, jours_du_mois(static_cast<int>(d.mois), static_cast<long long>(d.annee)));
    julien(d);  // midnight of the day found
    ASSERT_EQ(d.jour_julien, std::floor(jour_julien + 0.5L) - 0.5L) << "JD " << static_cast<double>(jour_julien);
    ++essais;
  };
  for (long double j = 0; j <= 5.4e6L; j += 97) verifier(j);
  for (int i = 0; i < 20000; ++i) verifier(static_cast<long double>(tirage(alea)));
  for (long double j = 2299150; j < 2299175; j += 0.25L) verifier(j);
  EXPECT_GT(essais, 75000);
}

TEST(CalendrierDateCalendaire, HorsDomaineSansComportementIndefini) {
  // Below JD 0 the dates mean nothing, but the call returns and stays defined.
  for (long double j : {-0.6L, -1.5L, -1.0e6L, 1.0e15L, -1.0e300L, std::numeric_limits<long double>::quiet_NaN(),
                        std::numeric_limits<long double>::infinity()}) {
    date_de_calcul d;
    d.jour_julien = j;
    date_calendaire(d);
    julien(d);
    EXPECT_EQ(noms_des_jours.count(d.nom_du_jour), 1u) << static_cast<double>(j);
  }
  auto d = date(1e30L, 1, -1e300L);
  julien(d);
  EXPECT_EQ(noms_des_jours.count(d.nom_du_jour), 1u);
  EXPECT_EQ(d.rang_du_jour, std::numeric_limits<std::int32_t>::max());
}

TEST(CalendrierArrondi, PairAuMilieu) {
  EXPECT_EQ(arrondi(2.5L), 2);
  EXPECT_EQ(arrondi(3.5L), 4);
  EXPECT_EQ(arrondi(-2.5L), -2);
  EXPECT_EQ(arrondi(-3.5L), -4);
  EXPECT_EQ(arrondi(2.4999L), 2);
  EXPECT_EQ(arrondi(-0.7L), -1);
  EXPECT_EQ(arrondi(1e12L), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(arrondi(-1e12L), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(arrondi(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(CalendrierNormalisation, TraverseLaReformeDansLesDeuxSens) {
  // From 15 October 1582 the day spin goes down to 14; from 4 October up to 5.
  EXPECT_EQ(normaliser_date({14, 10, 1582}, sens_pas::arriere), (date_jma{4, 10, 1582}));
  EXPECT_EQ(normaliser_date({5, 10, 1582}, sens_pas::avant), (date_jma{15, 10, 1582}));
  // The month spin landing in the gap.
  EXPECT_EQ(normaliser_date({10, 10, 1582}, sens_pas::avant), (date_jma{15, 10, 1582}));
  EXPECT_EQ(normaliser_date({10, 10, 1582}, sens_pas::arriere), (date_jma{4, 10, 1582}));
  // Ordinary neighbours of the gap are left alone.
  EXPECT_EQ(normaliser_date({3, 10, 1582}, sens_pas::arriere), (date_jma{3, 10, 1582}));
  EXPECT_EQ(normaliser_date({16, 10, 1582}, sens_pas::avant), (date_jma{16, 10, 1582}));
  EXPECT_EQ(normaliser_date({0, 10, 1582}, sens_pas::arriere), (date_jma{30, 9, 1582}));
  EXPECT_EQ(normaliser_date({32, 10, 1582}, sens_pas::avant), (date_jma{1, 11, 1582}));
  // The gap only exists in 1582.
  EXPECT_EQ(normaliser_date({10, 10, 1583}, sens_pas::avant), (date_jma{10, 10, 1583}));
}

TEST(CalendrierNormalisation, MoisEtAnnees) {
  EXPECT_EQ(normaliser_date({0, 3, 2000}, sens_pas::arriere), (date_jma{29, 2, 2000}));
  EXPECT_EQ(normaliser_date({0, 3, 1}, sens_pas::arriere), (date_jma{28, 2, 1}));
  EXPECT_EQ(normaliser_date({32, 1, 2000}, sens_pas::avant), (date_jma{1, 2, 2000}));
  EXPECT_EQ(normaliser_date({31, 4, 2000}, sens_pas::avant), (date_jma{1, 5, 2000}));
  EXPECT_EQ(normaliser_date({32, 12, 1999}, sens_pas::avant), (date_jma{1, 1, 2000}));
  EXPECT_EQ(normaliser_date({0, 1, 2000}, sens_pas::arriere), (date_jma{31, 12, 1999}));
  // Month spin past its ends.
  EXPECT_EQ(normaliser_date({15, 13, 2000}, sens_pas::avant), (date_jma{15, 1, 2001}));
  EXPECT_EQ(normaliser_date({15, 0, 2000}, sens_pas::arriere), (date_jma{15, 12, 1999}));
}

TEST(CalendrierNormalisation, PasDAnneeZero) {
  EXPECT_EQ(normaliser_date({0, 1, 1}, sens_pas::arriere), (date_jma{31, 12, -1}));
  EXPECT_EQ(normaliser_date({32, 12, -1}, sens_pas::avant), (date_jma{1, 1, 1}));
  EXPECT_EQ(normaliser_date({15, 0, 1}, sens_pas::arriere), (date_jma{15, 12, -1}));
  EXPECT_EQ(normaliser_date({15, 13, -1}, sens_pas::avant), (date_jma{15, 1, 1}));
  // The year spin itself reaching 0.
  EXPECT_EQ(normaliser_date({15, 6, 0}, sens_pas::arriere), (date_jma{15, 6, -1}));
  EXPECT_EQ(normaliser_date({15, 6, 0}, sens_pas::avant), (date_jma{15, 6, 1}));
  // Year -1 is astronomical year 0, a leap year.
  EXPECT_EQ(normaliser_date({0, 3, -1}, sens_pas::arriere), (date_jma{29, 2, -1}));
  EXPECT_EQ(normaliser_date({0, 3, -2}, sens_pas::arriere), (date_jma{28, 2, -2}));
  EXPECT_EQ(normaliser_date({0, 3, -5}, sens_pas::arriere), (date_jma{29, 2, -5}));
}

TEST(CalendrierNormalisation, BornesExtremesSansComportementIndefini) {
  EXPECT_EQ(normaliser_date({1, 1, -4713}, sens_pas::avant), (date_jma{1, 1, -4713}));
  EXPECT_EQ(normaliser_date({0, 1, -4713}, sens_pas::arriere), (date_jma{31, 12, -4714}));
  // Nonsense fields still return (saturated, not overflowed).
  const date_jma a = normaliser_date({15, 13, INT_MAX}, sens_pas::avant);
  EXPECT_GE(a.mois, 1);
  EXPECT_LE(a.mois, 12);
  EXPECT_EQ(a.annee, INT_MAX);
  const date_jma b = normaliser_date({INT_MIN, 0, INT_MIN}, sens_pas::arriere);
  EXPECT_EQ(b.annee, INT_MIN);
}

TEST(CalendrierPasDeDate, Avant) {
  EXPECT_EQ(pas_de_date(2000, 1, 32, sens_pas::avant), (date_jma{1, 2, 2000}));
  EXPECT_EQ(pas_de_date(1999, 2, 29, sens_pas::avant), (date_jma{1, 3, 1999}));
  EXPECT_EQ(pas_de_date(2000, 2, 29, sens_pas::avant), (date_jma{29, 2, 2000}));
  EXPECT_EQ(pas_de_date(2000, 4, 31, sens_pas::avant), (date_jma{1, 5, 2000}));
  EXPECT_EQ(pas_de_date(2000, 12, 32, sens_pas::avant), (date_jma{1, 1, 2001}));
  EXPECT_EQ(pas_de_date(-1, 12, 32, sens_pas::avant), (date_jma{1, 1, 1}));
  EXPECT_EQ(pas_de_date(2000, 6, 15, sens_pas::avant), (date_jma{15, 6, 2000}));
  // A day below 1 given to a forward step still comes back as a real day.
  EXPECT_EQ(pas_de_date(2000, 4, 0, sens_pas::avant), (date_jma{1, 4, 2000}));
}

TEST(CalendrierPasDeDate, Arriere) {
  EXPECT_EQ(pas_de_date(2000, 3, 0, sens_pas::arriere), (date_jma{29, 2, 2000}));
  EXPECT_EQ(pas_de_date(1900, 3, 0, sens_pas::arriere), (date_jma{28, 2, 1900}));
  EXPECT_EQ(pas_de_date(2000, 1, 0, sens_pas::arriere), (date_jma{31, 12, 1999}));
  EXPECT_EQ(pas_de_date(1, 1, 0, sens_pas::arriere), (date_jma{31, 12, -1}));
  EXPECT_EQ(pas_de_date(2000, 5, 0, sens_pas::arriere), (date_jma{30, 4, 2000}));
  EXPECT_EQ(pas_de_date(2000, 4, 31, sens_pas::arriere), (date_jma{30, 4, 2000}));
  EXPECT_EQ(pas_de_date(2000, 6, 14, sens_pas::arriere), (date_jma{14, 6, 2000}));
}

TEST(CalendrierPasDesChamps, StopsAtTheEndsOfTheRange) {
  // The fields after the arrow moved one of them, and the date shown then.
  const std::pair<date_jma, date_jma> avant[] = {
      {{32, 12, 9999}, {31, 12, 9999}}, {{15, 13, 9999}, {15, 12, 9999}}, {{32, 12, 9998}, {1, 1, 9999}}};
  for (const auto& [saisie, attendu] : avant) EXPECT_EQ(pas_des_champs_date(saisie, sens_pas::avant), attendu);
  const std::pair<date_jma, date_jma> arriere[] = {
      {{0, 1, -4713}, {1, 1, -4713}}, {{20, 0, -4713}, {20, 1, -4713}}, {{0, 1, -4712}, {31, 12, -4713}}};
  for (const auto& [saisie, attendu] : arriere) EXPECT_EQ(pas_des_champs_date(saisie, sens_pas::arriere), attendu);
  // The comet page's step stops there too.
  EXPECT_EQ(pas_de_date(9999, 12, 32, sens_pas::avant), (date_jma{31, 12, 9999}));
  EXPECT_EQ(pas_de_date(-4713, 1, 0, sens_pas::arriere), (date_jma{1, 1, -4713}));
}

TEST(CalendrierSaisie, VerifierJour) {
  EXPECT_EQ(verifier_jour(31, 4, 2000), 30);
  EXPECT_EQ(verifier_jour(0, 4, 2000), 1);
  EXPECT_EQ(verifier_jour(-3, 4, 2000), 1);
  EXPECT_EQ(verifier_jour(29, 2, 1900), 28);
  EXPECT_EQ(verifier_jour(30, 2, 2000), 29);
  EXPECT_EQ(verifier_jour(29, 2, 2000), 29);
  EXPECT_EQ(verifier_jour(15, 6, 2000), 15);
  EXPECT_EQ(verifier_jour(32, 13, 2000), 31);
}

// The pages show historical years: -1 (1 BC) is a leap year, -4 (5 BC) is not.
TEST(CalendrierSaisie, VerifierJourAnneesHistoriques) {
  const struct { int annee, fevrier; } cas[] = {{-1, 29}, {-2, 28}, {-4, 28}, {-5, 29}, {1, 28}, {4, 29}, {-4713, 29}};
  for (const auto& c : cas) {
    EXPECT_EQ(verifier_jour(29, 2, c.annee), c.fevrier) << c.annee;
    EXPECT_EQ(verifier_jour(31, 2, c.annee), c.fevrier) << c.annee;
  }
}

TEST(CalendrierSaisie, FiltresDeTouches) {
  for (char32_t c = U'0'; c <= U'9'; ++c) {
    EXPECT_TRUE(touche_chiffre_acceptee(c));
    EXPECT_TRUE(touche_annee_acceptee(c));
  }
  for (char32_t c : {8, 3, 22, 24}) EXPECT_TRUE(touche_chiffre_acceptee(c)) << static_cast<int>(c);
  for (char32_t c : {U'-', U'+', U'.', U',', U'a', U' ', U'é', char32_t{13}, char32_t{0}})
    EXPECT_FALSE(touche_chiffre_acceptee(c)) << static_cast<unsigned>(c);

  for (char32_t c : {U'+', U'-', char32_t{8}}) EXPECT_TRUE(touche_annee_acceptee(c));
  // Copy, paste and cut are refused in year edits.
  for (char32_t c : {3, 22, 24}) EXPECT_FALSE(touche_annee_acceptee(c)) << static_cast<int>(c);
  for (char32_t c : {U'.', U',', U'e', U' ', U'/'}) EXPECT_FALSE(touche_annee_acceptee(c));
}
