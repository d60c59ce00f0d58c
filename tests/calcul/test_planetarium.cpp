#include <gtest/gtest.h>

#include <cmath>

#include "calcul/lune.h"
#include "calcul/pages/ephemerides.h"
#include "calcul/pages/planetarium.h"
#include "calcul/pages/precessions.h"
#include "calcul/soleil.h"
#include "instant_essai.h"

using namespace almanax;

namespace {

using essais::instant;

// Difference of two angles in degrees, folded into -180..180.
long double ecart(long double a, long double b) {
  return std::remainder(a - b, 360.0L);
}

}  // namespace

// Each disc sits at its radius vector times the planet's scale from the Sun's disc,
// in the direction of its longitude (0° up, 90° to the left), and the heliocentric
// values follow the full series to the accuracy of the short ones (degrees, AU).
TEST(Planetarium, PlanetesHeliocentriquesAutourDuSoleil) {
  constexpr long double ecart_l[] = {3.5, 0.02, 0.05, 0.05, 0.2, 0.8, 0.3, 0.7, 1e-12};
  constexpr long double ecart_r[] = {0.002, 1e-4, 5e-4, 5e-4, 0.003, 0.012, 0.009, 0.014, 1e-12};
  for (const int annee : {1900, 1987, 2000, 2026, 2100}) {
    const resultat_helio r = calcul_helio(instant(1, 7, annee), largeur_helio, hauteur_helio, ",");
    const pixel soleil = centre_helio(largeur_helio, hauteur_helio);
    EXPECT_EQ(soleil, (pixel{270, 295}));
    for (const planete_helio& p : r.planetes) {
      // Pluto's series is of J2000.0; the map carries it to the date like the others.
      const coord_heliocentriques complet =
          p.p == planete::pluton ? pluton_de_la_date(r.instant.tau) : heliocentrique(p.p, r.instant.tau);
      const int k = static_cast<int>(p.p);
      EXPECT_NEAR(ecart(p.longitude, complet.L * rad_deg), 0, ecart_l[k]) << nom_planete(p.p) << " " << annee;
      EXPECT_NEAR(p.rayon, complet.R, ecart_r[k]) << nom_planete(p.p);
      EXPECT_GE(p.longitude, 0);
      EXPECT_LT(p.longitude, 360);

      const long double dx = soleil.x - p.position.x, dy = soleil.y - p.position.y;
      const long double echelle = echelles_helio[static_cast<int>(p.p)];
      EXPECT_NEAR(std::hypot(dx, dy), p.rayon * echelle, 1.5) << nom_planete(p.p);
      if (p.rayon * echelle > 40) {
        EXPECT_NEAR(ecart(std::atan2(dx, dy) * rad_deg, p.longitude), 0, 2.5) << nom_planete(p.p);
      }
    }
  }
  // The texts of the panel.
  const resultat_helio r = calcul_helio(instant(1, 1, 2000, 12), largeur_helio, hauteur_helio, ",");
  EXPECT_EQ(r.titre, "Configuration héliocentrique des planètes le 1 Janvier 2000");
  EXPECT_EQ(r.jour_julien, "Jour Julien : 2451545");
  EXPECT_EQ(calcul_helio(instant(1, 1, 2000), 571, 521, ".").jour_julien, "Jour Julien : 2451544.5");
  const planete_helio& terre = r.planetes[static_cast<int>(planete::terre)];
  EXPECT_EQ(terre.texte_rayon.substr(0, 4), "0,98");
  EXPECT_EQ(terre.texte_rayon.substr(terre.texte_rayon.size() - 5), " U.A.");
}

// The simple geocentric places agree with the planet ephemeris (light time,
// aberration and nutation included there) over a century: a few arcminutes.
TEST(Planetarium, PlanetesGeocentriquesCommeLesEphemerides) {
  for (int annee = 1950; annee <= 2050; annee += 3) {
    const instant_saisi i = instant(1 + annee % 28, 1 + annee % 12, annee, annee % 24);
    const resultat_geo g = calcul_geo(i, largeur_geo, hauteur_geo, ",");
    for (int k = 0; k < 8; ++k) {
      static constexpr planete planetes[] = {planete::mercure, planete::venus,  planete::mars,    planete::jupiter,
                                             planete::saturne, planete::uranus, planete::neptune, planete::pluton};
      entree_ephemerides e;
      e.p = planetes[k];
      e.instant = i;
      const resultat_ephemerides eph = calcul_ephemerides(e);
      ASSERT_TRUE(eph.alpha && eph.delta);
      // The ephemeris gives Pluto referred to J2000.0: its place is carried to the date
      // along the equator, where the map carries Pluto's heliocentric place along the
      // ecliptic.
      coord_equatoriales attendu{*eph.alpha, *eph.delta};
      if (e.p == planete::pluton)
        attendu = precesser(attendu.alpha, attendu.delta,
                            angles_de_precession(0, (g.instant.jour_julien - 2451545.0L) / 36525.0L));
      const astre_geo& a = g.astres[k];
      const long double d_alpha = ecart(a.alpha, attendu.alpha) * std::cos(attendu.delta * deg_rad) * 60.0L;
      const long double d_delta = (a.delta - attendu.delta) * 60.0L;
      EXPECT_LT(std::fabs(d_alpha), 3.0L) << noms_corps_geo[k] << " " << annee;
      EXPECT_LT(std::fabs(d_delta), 3.0L) << noms_corps_geo[k] << " " << annee;
    }
    // The Sun is the apparent one; the Moon the series' place on the fixed obliquity.
    const position_soleil s = position_du_soleil(g.instant.jour_julien);
    EXPECT_EQ(g.astres[static_cast<int>(corps_geo::soleil)].alpha, s.alpha);
    EXPECT_EQ(g.astres[static_cast<int>(corps_geo::soleil)].delta, s.delta);
    const ephemeride_lune l = ephemeride_de_la_lune(g.instant.jour_julien, site_courant{}, ",");
    const astre_geo& lune = g.astres[static_cast<int>(corps_geo::lune)];
    EXPECT_NEAR(ecart(lune.alpha, l.alpha) * 60.0L, 0, 1.5) << annee;
    EXPECT_NEAR((lune.delta - l.delta) * 60.0L, 0, 1.5) << annee;
    EXPECT_NEAR(lune.distance, l.distance, 1e-6);
  }
}

// Pluto of the date against the ecliptic precession of the handbook (η, Π, p from
// J2000.0), an independent route: within an arcsecond over three centuries, while
// the shift from J2000.0 itself is 84' in 1900 and 2.8° in 2200.
TEST(Planetarium, PlutonPrecesseALaDate) {
  for (const int annee : {1900, 1950, 2026, 2099, 2200}) {
    const long double tau = temps_t(jour_julien_saisi(instant(1, 7, annee)));
    const long double t = 10.0L * tau;
    const long double sec = deg_rad / 3600.0L;
    const long double eta = (47.0029L * t - 0.03302L * t * t + 0.000060L * t * t * t) * sec;
    const long double Pi = 174.876384L * deg_rad + (-869.8089L * t + 0.03536L * t * t) * sec;
    const long double p = (5029.0966L * t + 1.11113L * t * t - 0.000006L * t * t * t) * sec;
    const coord_heliocentriques j2000 = heliocentrique(planete::pluton, tau);
    const long double A =
        std::cos(eta) * std::cos(j2000.B) * std::sin(Pi - j2000.L) - std::sin(eta) * std::sin(j2000.B);
    const long double B = std::cos(j2000.B) * std::cos(Pi - j2000.L);
    const long double C =
        std::cos(eta) * std::sin(j2000.B) + std::sin(eta) * std::cos(j2000.B) * std::sin(Pi - j2000.L);
    const long double L = p + Pi - std::atan2(A, B), Bd = std::asin(C);

    const coord_heliocentriques date = pluton_de_la_date(tau);
    EXPECT_NEAR(ecart(date.L * rad_deg, L * rad_deg) * 3600.0L, 0, 1.0L) << annee;
    EXPECT_NEAR((date.B - Bd) * rad_deg * 3600.0L, 0, 1.0L) << annee;
    EXPECT_EQ(date.R, j2000.R);
    EXPECT_GT(std::fabs(ecart(date.L * rad_deg, j2000.L * rad_deg)), 0.9L * std::fabs(p * rad_deg)) << annee;
  }
  // Outside the years of its series the maps say so.
  EXPECT_EQ(calcul_geo(instant(1, 1, 2026), largeur_geo, hauteur_geo, ",").avertissement_pluton, "");
  EXPECT_EQ(calcul_helio(instant(31, 12, 2099), largeur_helio, hauteur_helio, ",").avertissement_pluton, "");
  EXPECT_EQ(calcul_helio(instant(1, 1, 1885), largeur_helio, hauteur_helio, ",").avertissement_pluton, "");
  for (const int annee : {-500, 1884, 2100, 2200}) {
    EXPECT_EQ(calcul_geo(instant(1, 1, annee), largeur_geo, hauteur_geo, ",").avertissement_pluton,
              texte_pluton_hors_serie)
        << annee;
    EXPECT_EQ(calcul_helio(instant(1, 1, annee), largeur_helio, hauteur_helio, ",").avertissement_pluton,
              texte_pluton_hors_serie)
        << annee;
  }
}

TEST(Planetarium, GeometrieEtTextesGeocentriques) {
  EXPECT_EQ(equateur_geo(hauteur_geo), 175);
  EXPECT_EQ(pixel_geo(359.75L, 0, hauteur_geo), (pixel{624, 175}));  // 23 h 59 m: the right edge
  EXPECT_EQ(pixel_geo(0, 20, hauteur_geo), (pixel{0, 95}));
  EXPECT_EQ(pixel_geo(90, -20, hauteur_geo), (pixel{156, 255}));
  // Beyond about 43° the disc leaves the map area (0..350).
  EXPECT_LT(pixel_geo(0, 44, hauteur_geo).y, 0);

  const resultat_geo g = calcul_geo(instant(20, 12, 1992, 21, 4), largeur_geo, hauteur_geo, ",");
  EXPECT_EQ(g.titre, "Configuration géocentrique le 20 Décembre 1992  à 21:04:00");
  EXPECT_EQ(g.jour_julien, "Jour Julien :2448977,37778");
  for (const astre_geo& a : g.astres) EXPECT_EQ(a.position, pixel_geo(a.alpha, a.delta, hauteur_geo));

  std::array<bool, nombre_corps_geo> montres{};
  EXPECT_EQ(liste_corps_geo(montres), "");
  montres[0] = montres[1] = montres[static_cast<int>(corps_geo::lune)] = true;
  EXPECT_EQ(liste_corps_geo(montres), "- Mercure, Vénus, Lune");
}

// October 1582: the dropped days are drawn as the 4th or the 15th, as the field then shows.
TEST(Planetarium, JoursSupprimesDe1582) {
  const struct { int jour, utilise; } cas[] = {{4, 4}, {5, 4}, {9, 4}, {10, 15}, {14, 15}, {15, 15}};
  for (const auto& c : cas) {
    const instant_planetarium i = instant_de_planetarium(instant(c.jour, 10, 1582));
    EXPECT_EQ(i.instant.date.jour, c.utilise) << c.jour;
    EXPECT_EQ(i.jour_julien, jour_julien_saisi(instant(c.utilise, 10, 1582)));
  }
}

TEST(Planetarium, PasHeliocentriques) {
  using enum intervalle_helio;
  const sens_pas av = sens_pas::avant, ar = sens_pas::arriere;
  const struct {
    date_jma depart;
    intervalle_helio i;
    sens_pas s;
    std::optional<date_jma> arrivee;
  } cas[] = {
      {{31, 1, 2023}, mois, av, date_jma{3, 3, 2023}},  // 31 February, normalised
      {{31, 1, 2024}, mois, av, date_jma{2, 3, 2024}},
      {{15, 10, 1582}, jour, ar, date_jma{4, 10, 1582}},
      {{4, 10, 1582}, jour, av, date_jma{15, 10, 1582}},
      {{31, 12, 2026}, jour, av, date_jma{1, 1, 2027}},
      {{1, 1, 1}, jour, ar, date_jma{31, 12, -1}},
      {{10, 6, 1}, an, ar, date_jma{10, 6, -1}},
      {{15, 1, 2000}, mois, ar, date_jma{15, 12, 1999}},
      {{29, 2, 2024}, an, av, date_jma{1, 3, 2025}},
      {{31, 12, 9999}, jour, av, std::nullopt},
      {{5, 12, 9999}, mois, av, std::nullopt},
      {{5, 3, 9999}, an, av, std::nullopt},
      {{1, 1, -4713}, jour, ar, std::nullopt},
      {{1, 1, -4713}, mois, ar, std::nullopt},
      {{2, 1, -4713}, jour, ar, date_jma{1, 1, -4713}},
  };
  for (const auto& c : cas) {
    const std::optional<date_jma> d = pas_helio(c.depart, c.i, c.s);
    EXPECT_EQ(d, c.arrivee) << c.depart.jour << "/" << c.depart.mois << "/" << c.depart.annee;
  }
}

TEST(Planetarium, PasGeocentriques) {
  using enum intervalle_geo;
  const sens_pas av = sens_pas::avant, ar = sens_pas::arriere;
  const struct {
    instant_saisi depart;
    intervalle_geo i;
    sens_pas s;
    std::optional<instant_saisi> arrivee;
  } cas[] = {
      {instant(31, 12, 2026, 23, 45), heure, av, instant(1, 1, 2027, 0, 45)},
      {instant(1, 3, 2026, 0, 10), heure, ar, instant(28, 2, 2026, 23, 10)},
      {instant(31, 1, 2023), mois, av, instant(28, 2, 2023)},
      {instant(31, 1, 2024), mois, av, instant(29, 2, 2024)},
      {instant(1, 2, 2023), jour, ar, instant(31, 1, 2023)},
      {instant(1, 3, 2023), jour, ar, instant(28, 2, 2023)},
      {instant(1, 3, 2024), jour, ar, instant(29, 2, 2024)},
      {instant(1, 1, 2023), jour, ar, instant(31, 12, 2022)},
      {instant(28, 12, 2023), sept_jours, av, instant(4, 1, 2024)},
      {instant(3, 1, 2023), sept_jours, ar, instant(27, 12, 2022)},
      {instant(31, 8, 2023), six_mois, av, instant(29, 2, 2024)},
      {instant(15, 3, 2023), six_mois, ar, instant(15, 9, 2022)},
      {instant(29, 2, 2024), an, av, instant(28, 2, 2025)},
      {instant(1, 1, 1), jour, ar, instant(31, 12, -1)},
      {instant(15, 6, 1), an, ar, instant(15, 6, -1)},
      // Across the change of calendar, days are days: 4 October + 1 = 15 October,
      // 1 October + 7 days = 18 October.
      {instant(4, 10, 1582), jour, av, instant(15, 10, 1582)},
      {instant(1, 10, 1582), sept_jours, av, instant(18, 10, 1582)},
      {instant(15, 10, 1582), jour, ar, instant(4, 10, 1582)},
      {instant(10, 9, 1582), mois, av, instant(15, 10, 1582)},
      {instant(10, 11, 1582), mois, ar, instant(4, 10, 1582)},
      {instant(31, 12, 9999, 23), heure, av, std::nullopt},
      {instant(28, 12, 9999), sept_jours, av, std::nullopt},
      {instant(1, 8, 9999), six_mois, av, std::nullopt},
      {instant(1, 1, -4713), heure, ar, std::nullopt},
      {instant(1, 1, -4713), mois, ar, std::nullopt},
  };
  for (const auto& c : cas) {
    const std::optional<instant_saisi> r = pas_geo(c.depart, c.i, c.s);
    const auto nom = std::to_string(c.depart.date.jour) + "/" + std::to_string(c.depart.date.mois) + "/" +
                     std::to_string(c.depart.date.annee) + " " + std::to_string(static_cast<int>(c.i));
    ASSERT_EQ(r.has_value(), c.arrivee.has_value()) << nom;
    if (!r) continue;
    EXPECT_EQ(r->date, c.arrivee->date) << nom;
    EXPECT_EQ(r->heure, c.arrivee->heure) << nom;
    EXPECT_EQ(r->minute, c.arrivee->minute) << nom;
  }
}
