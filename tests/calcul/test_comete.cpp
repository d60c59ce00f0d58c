// Comet positions: Kepler's equation to full precision however close e is to 1, the
// parabolic solver, the reading and refusals of the elements, the calendar gap, the
// elongation text, the report block and the copy.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>

#include "calcul/calendrier.h"
#include "calcul/numerique.h"
#include "calcul/pages/comete.h"
#include "kepler_bissection.h"

using namespace almanax;

namespace {

using test::kepler_bissection;
using test::kepler_hyperbolique_bissection;

textes_comete textes_initiaux() {
  textes_comete t;
  t.T_jour = "20,29104";
  t.T_mois = "8";
  t.T_annee = "1989";
  t.q = "1,3245017";
  t.i = "11,94051";
  t.e = "1";
  t.w = "186,27004";
  t.W = "334,72946";
  return t;
}

resultat_comete calcul(const elements_comete& el, date_jma date, int heure = 0) {
  entree_comete e;
  e.elements = el;
  e.observation.date = date;
  e.observation.heure = heure;
  e.nom = "COMÈTE";
  return calcul_comete(e);
}

}  // namespace

// Near-parabolic orbits near and far from perihelion: the old fixed-point iteration
// stopped up to 121° short of the solution there.
TEST(Comete, KeplerPleinePrecisionPourToutE) {
  const long double excentricites[] = {0.001L, 0.2L, 0.5L, 0.9L, 0.99L, 0.9999L, 0.99998L, 0.999999L};
  const long double anomalies[] = {0, 1e-9L, 1e-6L, 1e-4L, 0.01L, 0.3L, 1, 2.5L, 3.14L, -0.02L, -3, 7, 1000.5L};
  for (long double e : excentricites)
    for (long double M : anomalies) {
      const long double E = anomalie_excentrique(M, e);
      const long double m = std::remainder(M, 2 * pi);
      EXPECT_NEAR(E - e * std::sin(E), m, 1e-15L) << "e=" << (double)e << " M=" << (double)M;
      EXPECT_NEAR(E, kepler_bissection(M, e), 1e-12L) << "e=" << (double)e << " M=" << (double)M;
    }
}

// The hyperbolic form, from barely open orbits to interstellar ones, near and far from
// perihelion: the root to full precision, as plain bisection finds it.
TEST(Comete, KeplerHyperboliquePleinePrecision) {
  const long double excentricites[] = {1 + 1e-9L, 1.000001L, 1.0001L, 1.2L, 3.345952L, 6.14L, 300};
  const long double anomalies[] = {0, 1e-12L, 1e-9L, 1e-6L, 1e-3L, 0.3L, 1, 2.5L, 40, 1e3L, 1e6L, 1e12L, -0.02L, -7};
  for (long double e : excentricites)
    for (long double M : anomalies) {
      const long double H = anomalie_hyperbolique(M, e);
      const std::string quoi = "e=" + std::to_string((double)e - 1) + "+1 M=" + std::to_string((double)M);
      EXPECT_EQ(std::signbit(H), std::signbit(M)) << quoi;
      EXPECT_NEAR(H, kepler_hyperbolique_bissection(M, e), 1e-13L * std::max(1.0L, std::fabs(H))) << quoi;
      // e sinh H - H, formed without cancellation: (e - 1) sinh H + (sinh H - H).
      const long double x = std::fabs(H);
      const long double sinh_moins_x =
          x < 0.1L ? x * x * x / 6 * (1 + x * x / 20 * (1 + x * x / 42 * (1 + x * x / 72))) : std::sinh(x) - x;
      EXPECT_NEAR((e - 1) * std::sinh(x) + sinh_moins_x, std::fabs(M), 1e-15L * std::fabs(M)) << quoi;
    }
}

// Across e = 1 the three solvers meet: one year from perihelion (and at ten days), an
// orbit a millionth short of the parabola, the parabola and one a millionth past it put
// the comet within 1" of one another, near the Sun and far.
TEST(Comete, ContinuiteAutourDeLaParabole) {
  for (const long double q : {0.1L, 1.0L, 5.0L})
    for (const int jours : {-365, -10, 10, 365}) {
      elements_comete el{2024, 9, 27.7405L, q, 139.1109L, 1, 308.4925L, 21.5596L};
      const date_de_calcul jour = [&] {
        date_de_calcul d;
        d.jour_julien = jour_julien_perihelie(2024, 9, 27.7405L) + jours;
        date_calendaire(d);
        return d;
      }();
      const date_jma date{static_cast<int>(jour.jour), static_cast<int>(jour.mois), static_cast<int>(jour.annee)};
      const resultat_comete parabole = calcul(el, date);
      for (const long double e : {1 - 1e-6L, 1 + 1e-6L}) {
        el.e = e;
        const resultat_comete r = calcul(el, date);
        const long double produit =
            (r.xi * parabole.xi + r.eta * parabole.eta + r.zeta * parabole.zeta) / (r.distance * parabole.distance);
        const long double ecart = std::acos(std::fmin(1.0L, produit)) * rad_deg * 3600;
        EXPECT_LT(ecart, 1.0L) << "q=" << (double)q << " jours=" << jours << " e-1=" << (double)(e - 1);
        EXPECT_NEAR(r.rayon_vecteur / parabole.rayon_vecteur, 1, 1e-5L);
      }
    }
}

// Where the old iteration converged, the result is the one it gave.
TEST(Comete, KeplerCommeLIterationQuandElleConverge) {
  for (long double M : {0.1L, 1.0L, 2.0L, 3.0L}) {
    long double E = M, avant;
    do {
      avant = E;
      E = M + 0.5L * std::sin(E);
    } while (std::fabs(E - avant) >= 1e-6L);
    EXPECT_NEAR(anomalie_excentrique(M, 0.5L), E, 2e-6L);
  }
}

// The cubic of the parabola against its closed form.
TEST(Comete, SolutionParabolique) {
  for (long double U : {0.0L, 1e-5L, 0.5L, 3.0L, -40.0L, 1e4L}) {
    const long double Y = std::cbrt(U / 2 + std::sqrt(U * U / 4 + 1));
    const long double s = solution_parabolique(U);
    EXPECT_NEAR(s, Y - 1 / Y, 1e-9L * std::max(1.0L, std::fabs(s))) << (double)U;
  }
}

// Which field a refusal names; the eccentricity is checked first, e = 1 is a parabola.
// A refused eccentricity says what it must be.
TEST(Comete, LectureEtRefusDesElements) {
  const std::array<std::array<std::string, 3>, 5> cas{
      {{"-1,2", "1", "5"}, {"0", "1", "5"}, {"-0,0001", "1", "x"}, {"0,5", "1", "x"}, {"0,5", "-2", "5"}}};
  const champ_comete focus[] = {champ_comete::excentricite, champ_comete::excentricite, champ_comete::excentricite,
                                champ_comete::inclinaison, champ_comete::distance_perihelie};
  for (std::size_t k = 0; k < cas.size(); ++k) {
    textes_comete t = textes_initiaux();
    std::tie(t.e, t.q, t.i) = std::tie(cas[k][0], cas[k][1], cas[k][2]);
    const lecture_comete l = lire_elements_comete(t);
    ASSERT_TRUE(l.refus && !l.elements) << k;
    EXPECT_EQ(l.refus->champs.front(), focus[k]) << k;
    if (focus[k] == champ_comete::excentricite) {
      EXPECT_EQ(l.refus->message, "La donnée 'e' doit être e > 0 ") << k;
    }
  }
  const lecture_comete l = lire_elements_comete(textes_initiaux());
  ASSERT_TRUE(l.elements);
  EXPECT_EQ(l.elements->e, 1);
  // Open orbits are computed: barely, and far past the parabola.
  for (const char* e : {"1,0000949", "1.2", "6,139884"}) {
    textes_comete t = textes_initiaux();
    t.e = e;
    const lecture_comete h = lire_elements_comete(t);
    ASSERT_TRUE(h.elements && !h.refus) << e;
    EXPECT_GT(h.elements->e, 1) << e;
  }
  EXPECT_NEAR(l.elements->T_jour, 20.29104L, 1e-12L);
}

TEST(Comete, CalendrierEtPerihelie) {
  EXPECT_TRUE(est_julienne(4, 10, 1582));
  EXPECT_FALSE(est_julienne(15, 10, 1582));
  // 4 October 1582 (Julian) is followed by 15 October (Gregorian).
  EXPECT_NEAR(jour_julien_perihelie(1582, 10, 15) - jour_julien_perihelie(1582, 10, 4), 1, 1e-9L);
  EXPECT_NEAR(jour_julien_perihelie(2000, 1, 1.5L), 2451545.0L, 1e-9L);
  EXPECT_NEAR(jour_julien_perihelie(1986, 2, 9.45891L), 2446470.95891L, 1e-6L);  // Halley

  elements_comete el = *lire_elements_comete(textes_initiaux()).elements;
  EXPECT_EQ(calcul(el, {7, 10, 1582}).observation.date, (date_jma{4, 10, 1582}));
  EXPECT_EQ(calcul(el, {12, 10, 1582}).observation.date, (date_jma{15, 10, 1582}));
  const resultat_comete r = calcul(el, {12, 10, 1582});
  EXPECT_EQ(r.jour_julien, calcul(el, {15, 10, 1582}).jour_julien);
  EXPECT_NEAR(r.jour_julien - r.jour_julien_comete, r.distance * temps_lumiere_ua, 1e-4L);  // light time

  // At perihelion of an elliptic orbit: v = 0, r = q.
  el.e = 0.5L;
  const position_orbite p = position_heliocentrique(el, jour_julien_perihelie(1989, 8, 20.29104L));
  EXPECT_NEAR(p.v, 0, 1e-12L);
  EXPECT_NEAR(p.r, el.q, 1e-12L);
  el.e = 1;
  const position_orbite parabole = position_heliocentrique(el, jour_julien_perihelie(1989, 8, 20.29104L));
  EXPECT_NEAR(parabole.r, el.q, 1e-12L);
}

TEST(Comete, TexteElongation) {
  EXPECT_EQ(texte_elongation(45 + 59.7L / 60), "46° 00'");
  EXPECT_EQ(texte_elongation(120.25L), "120° 15'");
  EXPECT_EQ(texte_elongation(3 + 0.4L / 60), "3° 00'");
  EXPECT_EQ(texte_elongation(179.995L), "180° 00'");
  EXPECT_EQ(texte_elongation(0.1L), "0° 06'");
}

TEST(Comete, Copie) {
  champs_bloc_date d{"31", 10, "1989", "00:00:00"};
  const textes_comete t = textes_initiaux();
  EXPECT_EQ(copie_comete("HALLEY", d, t, "", {}), "");
  const std::string c = copie_comete("HALLEY", d, t, "bloc\r\n", {});
  EXPECT_EQ(c,
            "HALLEY\r\n\r\n"
            "Le 31 Octobre 1989 à 00:00:00\r\n"
            "Date de passage au périhélie (T)\t20 Août 1989 à 6 h 59 m\r\n"
            "Distance au périhélie (q) \t1,3245017\r\n"
            "Inclinaison (i) \t11,94051\r\n"
            "Excentricité (e) \t1\r\n"
            "Argument de lat. du périhélie (w)\t186,27004\r\n"
            "Longitude du noeud ascendant (W) \t334,72946\r\n"
            "\r\n"
            "bloc\r\n\r\n");
  cases_comete seul;
  seul.nom = seul.date_heure = seul.elements = false;
  EXPECT_EQ(copie_comete("HALLEY", d, t, "bloc\r\n", seul), "bloc\r\n\r\n");
}

// A perihelion date the calendar lacks is refused before anything is computed or
// written, with the page's message and the field to mend; the day keeps its fraction.
TEST(Comete, DateDePassageImpossibleRefusee) {
  struct cas {
    const char *jour, *mois, *annee;
    std::optional<champ_comete> champ;
    const char* message;
  };
  const cas liste[] = {
      {"20", "13", "1989", champ_comete::mois_perihelie, "Changez ce mois."},
      {"20", "0", "1989", champ_comete::mois_perihelie, "Changez ce mois."},
      {"45", "2", "1989", champ_comete::jour_perihelie, "Il y a moins de jours dans ce mois !"},
      {"29", "2", "1900", champ_comete::jour_perihelie, "Il y a moins de jours dans ce mois !"},
      {"31,5", "4", "2000", champ_comete::jour_perihelie, "Il y a moins de jours dans ce mois !"},
      {"0,5", "4", "2000", champ_comete::jour_perihelie, "Il faut au moins 1 jour dans ce mois !"},
      {"20", "8", "99999", champ_comete::annee_perihelie, "Changez cette année."},
      {"20", "8", "-4714", champ_comete::annee_perihelie, "Changez cette année."},
      {"29,99", "2", "2000", std::nullopt, nullptr},
      {"30,99", "4", "2000", std::nullopt, nullptr},
      {"1", "1", "-4713", std::nullopt, nullptr},
      {"7", "10", "1582", std::nullopt, nullptr},
  };
  for (const cas& k : liste) {
    textes_comete t = textes_initiaux();
    std::tie(t.T_jour, t.T_mois, t.T_annee) = std::tie(k.jour, k.mois, k.annee);
    const lecture_comete l = lire_elements_comete(t);
    const std::string quoi = std::string(k.jour) + "/" + k.mois + "/" + k.annee;
    if (!k.champ) {
      EXPECT_TRUE(l.elements && !l.refus) << quoi;
      continue;
    }
    ASSERT_TRUE(l.refus && !l.elements) << quoi;
    EXPECT_EQ(l.refus->champs, std::vector<champ_comete>{*k.champ}) << quoi;
    EXPECT_EQ(l.refus->message, k.message) << quoi;
  }
}

// The days 5..14 October 1582 the reform removed: 5..9 are the 4th, 10..14 the 15th,
// for the observation date and the perihelion passage alike, the fraction kept.
TEST(Comete, JoursRetiresParLaReforme) {
  for (int jour = 5; jour <= 14; ++jour) {
    const int existant = jour <= 9 ? 4 : 15;
    EXPECT_EQ(date_hors_lacune_1582({jour, 10, 1582}), (date_jma{existant, 10, 1582})) << jour;
    EXPECT_EQ(jour_julien_perihelie(1582, 10, jour + 0.25L), jour_julien_perihelie(1582, 10, existant + 0.25L)) << jour;
  }
  for (const date_jma d : {date_jma{4, 10, 1582}, date_jma{15, 10, 1582}, date_jma{7, 10, 1583}, date_jma{7, 9, 1582}})
    EXPECT_EQ(date_hors_lacune_1582(d), d);
  // The days that exist follow one another: the 4th, then the 15th.
  EXPECT_EQ(jour_julien_perihelie(1582, 10, 15.5L) - jour_julien_perihelie(1582, 10, 4.5L), 1);
  const elements_comete el = *lire_elements_comete(textes_initiaux()).elements;
  EXPECT_EQ(calcul(el, {9, 10, 1582}).jour_julien, calcul(el, {4, 10, 1582}).jour_julien);
  EXPECT_EQ(calcul(el, {10, 10, 1582}).jour_julien, calcul(el, {15, 10, 1582}).jour_julien);
}

// Elements that pass every check yet give no finite position are refused, naming the
// element at fault; sound elements, however unusual, are computed.
TEST(Comete, ResultatNonFiniRefuse) {
  const std::string minuscule = "0," + std::string(4000, '0') + "1";
  const std::string enorme(4000, '9');
  struct cas {
    std::string textes_comete::*champ;
    std::string valeur;
    std::optional<champ_comete> fautif;
  };
  const cas liste[] = {
      {&textes_comete::q, minuscule, champ_comete::distance_perihelie},
      {&textes_comete::q, enorme, champ_comete::distance_perihelie},
      {&textes_comete::q, "0," + std::string(300, '0') + "1", std::nullopt},
      {&textes_comete::q, "30", std::nullopt},
      {&textes_comete::w, enorme, std::nullopt},
  };
  for (const char* e : {"1", "0,5", "1,5"})
    for (const cas& k : liste) {
      textes_comete t = textes_initiaux();
      t.e = e;
      t.*k.champ = k.valeur;
      const lecture_comete l = lire_elements_comete(t);
      ASSERT_TRUE(l.elements) << k.valeur.substr(0, 10);
      entree_comete entree;
      entree.elements = *l.elements;
      entree.observation.date = {31, 10, 1989};
      const resultat_comete r = calcul_comete(entree);
      const std::optional<refus_comete> refus = refus_resultat(entree, r);
      ASSERT_EQ(refus.has_value(), k.fautif.has_value()) << e << " " << k.valeur.substr(0, 10);
      if (!refus) {
        EXPECT_TRUE(std::isfinite(r.distance) && std::isfinite(r.ascension_droite) && std::isfinite(r.elongation));
        continue;
      }
      EXPECT_EQ(refus->champs.front(), *k.fautif);
      EXPECT_EQ(refus->message, "Vous devez entrer un nombre correct");
      EXPECT_EQ(refus->titre, "Nombre non valide !");
    }
}
