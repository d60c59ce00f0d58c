// Precession of the equinoxes: the handbook's θ Persei with its proper motion, equal
// dates, the angles from J2000.0, the hours brought into 0..24, signed declinations.
#include <gtest/gtest.h>

#include <cmath>

#include "calcul/pages/precessions.h"

using namespace almanax;

namespace {

entree_precession depuis_j2000(date_jma voulue, int h = 0, int m = 0, int s = 0) {
  entree_precession e;
  e.reference.date = {1, 1, 2000};
  e.reference.heure = 12;
  e.voulue.date = voulue;
  e.voulue.heure = h;
  e.voulue.minute = m;
  e.voulue.seconde = s;
  return e;
}

}  // namespace

// θ Persei, J2000.0: 2 h 44 m 11.986 s, +49° 13' 42.48", proper motion +0.03425 s and
// -0.0895" a year; at 2028 November 13.19 TD: 2 h 46 m 11.331 s, +49° 20' 54.54".
TEST(Precession, ThetaPersei) {
  entree_precession e = depuis_j2000({13, 11, 2028}, 4, 33, 36);
  e.ad_heures = 2;
  e.ad_minutes = 44;
  e.ad_secondes = 11.986L;
  e.declinaison = {false, 49, 13, 42.48L};
  e.mpa = 0.03425L;
  e.mpd = -0.0895L;
  const resultat_precession r = calcul_precession(e);
  EXPECT_NEAR(r.jour_julien_voulu, 2462088.69L, 1e-5L);
  EXPECT_NEAR(r.t, 0.288670500L, 1e-8L);
  EXPECT_NEAR(r.angles.zeta, 665.7627L, 0.0001L);
  EXPECT_NEAR(r.angles.z, 665.8288L, 0.0001L);
  EXPECT_NEAR(r.angles.theta, 578.5489L, 0.0001L);
  const long double secondes_ad = (r.ascension_droite / 15 - 2) * 3600 - 46 * 60;
  EXPECT_NEAR(secondes_ad, 11.331L, 0.0005L);
  const long double secondes_dec = (r.declinaison - 49) * 3600 - 20 * 60;
  EXPECT_NEAR(secondes_dec, 54.54L, 0.005L);
  EXPECT_EQ(r.texte_ad, "2 h 46 m 11 s");
  EXPECT_EQ(r.texte_dec, "49 ° 20 '  55 ''");
  EXPECT_EQ(r.bloc,
            "le 13 Novembre 2028 à 04:33:36\r\n"
            "Ascension droite \t: 2 h 46 m 11 s\r\n"
            "Déclinaison \t: 49 ° 20 '  55 ''\r\n");
}

TEST(Precession, AnglesDepuisJ2000) {
  for (long double t : {-1.5L, 0.25L, 2.0L}) {
    const angles_precession a = angles_de_precession(0, t);
    EXPECT_NEAR(a.zeta, 2306.2181L * t + 0.30188L * t * t + 0.017998L * t * t * t, 1e-9L);
    EXPECT_NEAR(a.z, 2306.2181L * t + 1.09468L * t * t + 0.018203L * t * t * t, 1e-9L);
    EXPECT_NEAR(a.theta, 2004.3109L * t - 0.42665L * t * t - 0.041833L * t * t * t, 1e-9L);
  }
}

// Equal dates return the input, proper motion or not, in every quadrant and for
// negative declinations typed with the sign on the degrees, "-0" included.
TEST(Precession, DatesEgalesEtDeclinaisonsNegatives) {
  struct cas {
    int h, m;
    long double s;
    declinaison_saisie d;
    long double delta;
  };
  const cas liste[] = {
      {0, 0, 0, {false, 0, 0, 0}, 0},        {23, 59, 59.9L, {true, 0, 30, 0}, -0.5L},
      {6, 30, 0, {true, 10, 30, 0}, -10.5L}, {13, 0, 0, {false, 0, 30, 0}, 0.5L},
      {18, 15, 30, {true, 89, 0, 0}, -89},
  };
  for (const cas& c : liste) {
    entree_precession e = depuis_j2000({1, 1, 2000}, 12);
    e.ad_heures = c.h;
    e.ad_minutes = c.m;
    e.ad_secondes = c.s;
    e.declinaison = c.d;
    e.mpa = 3;
    e.mpd = -7;
    const resultat_precession r = calcul_precession(e);
    EXPECT_EQ(r.t, 0);
    EXPECT_NEAR(r.ascension_droite, 15 * (c.h + c.m / 60.0L + c.s / 3600), 1e-9L);
    EXPECT_NEAR(r.declinaison, c.delta, 1e-9L);
  }
  entree_precession e = depuis_j2000({1, 1, 2000}, 12);
  e.declinaison = *degres_declinaison("-0");
  e.declinaison.minutes = 30;
  EXPECT_EQ(calcul_precession(e).texte_dec, "-0 ° 30 '  00 ''");
  EXPECT_EQ(degres_declinaison("-10")->degres, 10);
  EXPECT_FALSE(degres_declinaison("+7")->negative);
  EXPECT_FALSE(degres_declinaison("abc"));
  // A star just before 0 h carried forward comes back into 0..24 h.
  e = depuis_j2000({1, 1, 2100});
  e.ad_heures = 23;
  e.ad_minutes = 59;
  const long double ad = calcul_precession(e).ascension_droite;
  EXPECT_TRUE(ad > 0 && ad < 2) << (double)ad;  // degrees: about 0 h 04 m
}

TEST(Precession, Copie) {
  champs_precession c;
  c.voulue = {"11", 1, "1998", "00:00:00"};
  c.reference = {"1", 1, "2000", "12:00:00"};
  c.ad_heures = "2";
  c.ad_minutes = "44";
  c.ad_secondes = "11,986";
  c.dec_degres = "-0";
  c.dec_minutes = "30";
  c.dec_secondes = "0";
  c.mouvement_propre_ad = "0";
  c.mouvement_propre_dec = "0";
  EXPECT_EQ(copie_precession(c, "R", {}),
            "Le 11 Janvier 1998 à 00:00:00\r\n"
            "Équinoxe de référence\t1 Janvier 2000 12:00:00\r\n"
            "Ascension droite \t2 ° 44 ' 11,986 \" \r\n"
            "Déclinaison \t-0 ° 30 ' 0 \" \r\n"
            "Mouvement propre Asc. d.\t0 ° \r\n"
            "Mouvement propre Décli.\t0 ° \r\n"
            "R\r\n");
  cases_precession aucune{false, false, false, false, false, false};
  EXPECT_EQ(copie_precession(c, "R", aucune), "R\r\n");
}
