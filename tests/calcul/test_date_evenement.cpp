#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calcul/calendrier.h"
#include "calcul/date_evenement.h"

using namespace almanax;

namespace {

// Julian day of a calendar date (astronomical year) at a clock time: the program's own
// forward conversion for the midnight (exact in its storage), the time added unrounded.
long double jd_de(int jour, int mois, int annee, int h = 0, int m = 0, int s = 0) {
  date_de_calcul d;
  d.jour = jour;
  d.mois = mois;
  d.annee = annee;
  julien(d);
  return d.jour_julien + (h * 3600 + m * 60 + s) / 86400.0L;
}

}  // namespace

TEST(DateEvenement, ExemplesDuManuel) {
  // Calendar dates of Julian days worked in the handbook's calendar chapter.
  struct cas {
    long double jd;
    long double jour;
    int mois;
    long double annee;
  };
  const cas exemples[] = {
      {2436116.31L, 4.81L, 10, 1957}, {1842713.0L, 27.5L, 1, 333},  {1507900.13L, 28.63L, 5, -584},
      {2299160.5L, 15.0L, 10, 1582},  {2299160.4L, 4.9L, 10, 1582}, {2451545.0L, 1.5L, 1, 2000},
      {0.0L, 1.5L, 1, -4712},
  };
  for (const cas& c : exemples) {
    const valeurs_evenement v = date_evenement(c.jd);
    EXPECT_NEAR(static_cast<double>(v.jour), static_cast<double>(c.jour), 1e-7) << static_cast<double>(c.jd);
    EXPECT_EQ(v.mois, c.mois) << static_cast<double>(c.jd);
    EXPECT_EQ(v.annee, c.annee) << static_cast<double>(c.jd);
    EXPECT_EQ(v.jde_lu, c.jd + 0.5L);
  }
}

TEST(DateEvenement, HeureEtTexteDeLaLigne) {
  // New moon of 1977 February 18 at 3 h 37 m 42 s.
  const valeurs_evenement v = date_evenement(2443192.65118L);
  EXPECT_EQ(v.texte, " 18 Février 1977 à 3 h ");
  EXPECT_EQ(v.annee_tronquee, 1977);
  EXPECT_NEAR(static_cast<double>(v.heure_r), 3.6283, 1e-3);
  EXPECT_EQ(static_cast<int>(v.minute_r), 37);
  EXPECT_NEAR(static_cast<double>(v.seconde_r), 41.95, 0.05);
  EXPECT_EQ(v.a_la_seconde.heure, 3);
  EXPECT_EQ(v.a_la_seconde.minute, 37);
  EXPECT_EQ(v.a_la_seconde.seconde, 42);
  EXPECT_EQ(v.a_la_seconde.jour, 18);
  EXPECT_EQ(v.a_la_seconde.mois, 2);

  // The hour of the line is truncated, never rounded: 23 h 59 m stays in its day.
  const valeurs_evenement w = date_evenement(jd_de(5, 10, 1997) + (23 * 60 + 59.9L) / 1440);
  EXPECT_EQ(w.texte, " 5 Octobre 1997 à 23 h ");
  EXPECT_EQ(date_evenement(jd_de(1, 3, -44, 7, 30, 0)).texte, " 1 Mars -44 à 7 h ");
}

TEST(DateEvenement, RetenueDesSecondesJusquAuCalendrier) {
  // 0.3 s before the year 2000 begins: shown as 1 January 2000 at midnight.
  const valeurs_evenement v = date_evenement(jd_de(1, 1, 2000) - 0.3L / 86400);
  EXPECT_EQ(v.mois, 12);
  EXPECT_EQ(v.annee_tronquee, 1999);
  EXPECT_EQ(v.texte, " 31 Décembre 1999 à 23 h ");
  const instant_a_la_seconde& s = v.a_la_seconde;
  EXPECT_EQ(s.jour, 1);
  EXPECT_EQ(s.mois, 1);
  EXPECT_EQ(s.annee, 2000);
  EXPECT_EQ(s.heure, 0);
  EXPECT_EQ(s.minute, 0);
  EXPECT_EQ(s.seconde, 0);

  // 0.4 s before 11 h: minutes and hours carry, the date stays.
  const valeurs_evenement w = date_evenement(jd_de(28, 2, 1996, 11, 0, 0) - 0.4L / 86400);
  EXPECT_EQ(w.a_la_seconde.jour, 28);
  EXPECT_EQ(w.a_la_seconde.heure, 11);
  EXPECT_EQ(w.a_la_seconde.minute, 0);
  EXPECT_EQ(w.a_la_seconde.seconde, 0);

  // Across the leap day and the calendar reform.
  EXPECT_EQ(date_evenement(jd_de(29, 2, 1996) - 0.2L / 86400).a_la_seconde.mois, 2);
  const instant_a_la_seconde r = date_evenement(2299160.5L - 0.2L / 86400).a_la_seconde;
  EXPECT_EQ(r.jour, 15);
  EXPECT_EQ(r.mois, 10);
  EXPECT_EQ(r.annee, 1582);
}

TEST(DateEvenement, DecoupageDesHeures) {
  const heure_a_la_seconde a = decouper_heures(1.5L);
  EXPECT_EQ(a.heure, 1);
  EXPECT_EQ(a.minute, 30);
  EXPECT_EQ(a.seconde, 0);
  EXPECT_FALSE(a.jour_suivant);

  const heure_a_la_seconde b = decouper_heures(10 + 59.0L / 60 + 59.4L / 3600);
  EXPECT_EQ(b.heure, 10);
  EXPECT_EQ(b.minute, 59);
  EXPECT_EQ(b.seconde, 59);

  const heure_a_la_seconde c = decouper_heures(10 + 59.0L / 60 + 59.7L / 3600);
  EXPECT_EQ(c.heure, 11);
  EXPECT_EQ(c.minute, 0);
  EXPECT_EQ(c.seconde, 0);

  const heure_a_la_seconde d = decouper_heures(24 - 0.2L / 3600);
  EXPECT_EQ(d.heure, 0);
  EXPECT_EQ(d.minute, 0);
  EXPECT_EQ(d.seconde, 0);
  EXPECT_TRUE(d.jour_suivant);

  // Half a second on an exactly representable value goes to the even second.
  EXPECT_EQ(decouper_heures(0.5L / 3600).seconde, 0);
  EXPECT_EQ(decouper_heures(1.5L / 3600).seconde, 2);
}

TEST(DateEvenement, JoursJuliensNegatifs) {
  // The Julian calendar carries on below JD 0, on its four-year period.
  const valeurs_evenement a = date_evenement(-0.5L);
  EXPECT_EQ(a.jour, 1);
  EXPECT_EQ(a.mois, 1);
  EXPECT_EQ(a.annee, -4712);
  const valeurs_evenement b = date_evenement(-1.0L);
  EXPECT_EQ(b.jour, 31.5L);
  EXPECT_EQ(b.mois, 12);
  EXPECT_EQ(b.annee, -4713);
  EXPECT_EQ(b.texte, " 31 Décembre -4713 à 12 h ");
  const valeurs_evenement c = date_evenement(-365.5L);  // -4713 is a common year
  EXPECT_EQ(c.jour, 1);
  EXPECT_EQ(c.mois, 1);
  EXPECT_EQ(c.annee, -4713);
  const valeurs_evenement d = date_evenement(-366.0L);
  EXPECT_EQ(d.mois, 12);
  EXPECT_EQ(d.annee, -4714);
  EXPECT_NEAR(static_cast<double>(d.heure_r), 12.0, 1e-9);
}

TEST(DateEvenement, AllerRetourSurToutLIntervalle) {
  // Every 97th day from year -4713 to 9999 (Julian and Gregorian, both signs of JD):
  // the date found gives back the same Julian day.
  const long double debut = jd_de(1, 1, -4713);
  const long double fin = jd_de(31, 12, 9999);
  for (long double jd = debut + 0.25L; jd < fin; jd += 97) {
    const valeurs_evenement v = date_evenement(jd);
    ASSERT_GE(v.jour, 1);
    ASSERT_LT(v.jour, 32);
    const int jour = static_cast<int>(v.jour);
    ASSERT_NEAR(static_cast<double>(jd_de(jour, v.mois, static_cast<int>(v.annee)) + (v.jour - jour)),
                static_cast<double>(jd), 1e-6)
        << static_cast<double>(jd);
    ASSERT_NEAR(static_cast<double>(v.heure_r), 6.0, 1e-6);
  }
}

TEST(DateEvenement, ValeurNonFinie) {
  const valeurs_evenement v = date_evenement(std::numeric_limits<long double>::quiet_NaN());
  EXPECT_TRUE(v.texte.empty());
  EXPECT_TRUE(date_evenement(std::numeric_limits<long double>::infinity()).texte.empty());
}

TEST(DateEvenement, JourDuCalendrier) {
  const jour_du_calendrier a = calendrier_du_jour(2451545);
  EXPECT_EQ(a.jour, 1);
  EXPECT_EQ(a.mois, 1);
  EXPECT_EQ(a.annee, 2000);
  const jour_du_calendrier b = calendrier_du_jour(2299160);
  EXPECT_EQ(b.jour, 4);
  EXPECT_EQ(b.mois, 10);
  EXPECT_EQ(b.annee, 1582);
}
