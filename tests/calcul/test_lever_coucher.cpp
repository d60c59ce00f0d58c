// Rising, transit and setting: checked against a published worked example and against
// a brute-force search of the horizon crossings of a body moving along a smooth path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "calcul/delta_t.h"
#include "calcul/formats.h"
#include "calcul/lever_coucher.h"
#include "calcul/numerique.h"
#include "calcul/temps_civil.h"
#include "ciel_approche.h"
#include "fuseau_essai.h"

namespace almanax {
namespace {

struct place {
  long double alpha = 0, delta = 0;  // degrees
};
using trajectoire = std::function<place(long double jd)>;

using essais::deg;
using essais::rad;
using essais::tsmg;

// Low-precision Sun (about 0.01°), independent of the program's series.
place soleil_approche(long double jd) {
  const essais::place_approchee p = essais::soleil_approche(jd);
  return {p.alpha, p.delta};
}

// Low-precision Moon (a few tenths of a degree), with its horizontal parallax.
struct lune_approchee {
  place p;
  long double parallaxe = 0;
};
lune_approchee lune_approche(long double jd) {
  const long double T = (jd - 2451545.0L) / 36525.0L;
  auto s = [&](long double a, long double b) { return std::sin(rad(a + b * T)); };
  auto c = [&](long double a, long double b) { return std::cos(rad(a + b * T)); };
  const long double lambda = 218.32L + 481267.881L * T + 6.29L * s(135.0L, 477198.87L) -
                             1.27L * s(259.3L, -413335.36L) + 0.66L * s(235.7L, 890534.22L) +
                             0.21L * s(269.9L, 954397.74L) - 0.19L * s(357.5L, 35999.05L) -
                             0.11L * s(186.5L, 966404.03L);
  const long double beta = 5.13L * s(93.3L, 483202.02L) + 0.28L * s(228.2L, 960400.89L) - 0.28L * s(318.3L, 6003.15L) -
                           0.17L * s(217.6L, -407332.21L);
  const long double par = 0.9508L + 0.0518L * c(135.0L, 477198.87L) + 0.0095L * c(259.3L, -413335.36L) +
                          0.0078L * c(235.7L, 890534.22L) + 0.0028L * c(269.9L, 954397.74L);
  const long double eps = rad(23.439L);
  const long double l = rad(lambda), b = rad(beta);
  const long double x = std::cos(b) * std::cos(l);
  const long double y = std::cos(eps) * std::cos(b) * std::sin(l) - std::sin(eps) * std::sin(b);
  const long double z = std::sin(eps) * std::cos(b) * std::sin(l) + std::cos(eps) * std::sin(b);
  lune_approchee r;
  r.p.alpha = std::fmod(deg(std::atan2(y, x)) + 720.0L, 360.0L);
  r.p.delta = deg(std::asin(z));
  r.parallaxe = par;
  return r;
}

long double hauteur(const trajectoire& corps, long double jd, long double lat, long double lon_ouest) {
  const place p = corps(jd);
  const long double H = rad(tsmg(jd) - lon_ouest - p.alpha);
  return deg(std::asin(std::sin(rad(lat)) * std::sin(rad(p.delta)) +
                       std::cos(rad(lat)) * std::cos(rad(p.delta)) * std::cos(H)));
}

enum class sens { montee, descente };

// The crossing of altitude h0 in the given direction nearest to jd_approche, searched
// minute by minute over two days, then refined by bisection. Hours from jd0.
std::optional<long double> passage(const trajectoire& corps, long double jd0, long double lat, long double lon,
                                   long double h0, sens s, long double heure_approche) {
  const long double pas = 1.0L / 1440.0L;
  std::optional<long double> meilleur;
  long double a = jd0 - 0.5L;
  long double ha = hauteur(corps, a, lat, lon) - h0;
  for (long double b = a + pas; b <= jd0 + 1.5L; b += pas) {
    const long double hb = hauteur(corps, b, lat, lon) - h0;
    const bool croise = s == sens::montee ? (ha < 0 && hb >= 0) : (ha > 0 && hb <= 0);
    if (croise) {
      long double x = a, y = b, hx = ha;
      for (int k = 0; k < 40; ++k) {
        const long double mil = (x + y) / 2;
        const long double hm = hauteur(corps, mil, lat, lon) - h0;
        if ((hm < 0) == (hx < 0)) {
          x = mil;
          hx = hm;
        } else {
          y = mil;
        }
      }
      const long double heure = ((x + y) / 2 - jd0) * 24.0L;
      if (!meilleur || std::fabs(heure - heure_approche) < std::fabs(*meilleur - heure_approche)) meilleur = heure;
    }
    a = b;
    ha = hb;
  }
  return meilleur;
}

// Upper culmination nearest to the given hour: hour angle crossing 0 upwards.
long double culmination(const trajectoire& corps, long double jd0, long double lon, long double heure_approche) {
  auto angle = [&](long double jd) { return std::remainder(tsmg(jd) - lon - corps(jd).alpha, 360.0L); };
  long double x = jd0 + heure_approche / 24.0L - 0.1L, y = jd0 + heure_approche / 24.0L + 0.1L;
  for (int k = 0; k < 50; ++k) {
    const long double mil = (x + y) / 2;
    if (angle(mil) < 0)
      x = mil;
    else
      y = mil;
  }
  return ((x + y) / 2 - jd0) * 24.0L;
}

entree_lever_coucher entree_pour(const trajectoire& corps, long double jd0, long double lat, long double lon,
                                 long double h0) {
  entree_lever_coucher e;
  for (int i = 0; i < 3; ++i) {
    const place p = corps(jd0 + (i - 1));
    e.alpha_3j[i] = p.alpha;
    e.delta_3j[i] = p.delta;
  }
  e.hauteur_h0 = h0;
  e.jour_julien = jd0;
  e.site.latitude = std::fabs(lat);
  e.site.sens_latitude = lat < 0 ? -1 : 1;
  e.site.longitude = std::fabs(lon);
  e.site.sens_longitude = lon < 0 ? -1 : 1;
  return e;
}

// Compares the three times with the crossings actually found on the body's path.
void comparer_au_ciel(const trajectoire& corps, long double jd0, long double lat, long double lon, long double h0,
                      long double tolerance_min) {
  const sortie_lever_coucher r = lever_meridien_coucher(entree_pour(corps, jd0, lat, lon, h0));
  ASSERT_EQ(r.etat_lever, etat_evenement::normal);
  ASSERT_EQ(r.etat_coucher, etat_evenement::normal);
  ASSERT_EQ(r.etat_meridien, etat_evenement::normal);
  const auto lever = passage(corps, jd0, lat, lon, h0, sens::montee, r.heure_lever);
  const auto coucher = passage(corps, jd0, lat, lon, h0, sens::descente, r.heure_coucher);
  ASSERT_TRUE(lever.has_value());
  ASSERT_TRUE(coucher.has_value());
  EXPECT_NEAR(static_cast<double>(r.heure_lever), static_cast<double>(*lever), tolerance_min / 60.0);
  EXPECT_NEAR(static_cast<double>(r.heure_coucher), static_cast<double>(*coucher), tolerance_min / 60.0);
  EXPECT_NEAR(static_cast<double>(r.heure_meridien),
              static_cast<double>(culmination(corps, jd0, lon, r.heure_meridien)), tolerance_min / 60.0);
  // Every time belongs to the computed day (give or take the final correction).
  for (long double h : {r.heure_meridien, r.heure_lever, r.heure_coucher}) {
    EXPECT_GT(h, -0.5L);
    EXPECT_LT(h, 24.5L);
  }
}

const trajectoire soleil = soleil_approche;

// 2000-06-21 and 2000-03-20, 0 h.
constexpr long double jd_solstice_2000 = 2451716.5L;
constexpr long double jd_equinoxe_2000 = 2451623.5L;

TEST(LeverCoucher, VenusABostonCommeDansLExempleClassique) {
  // Venus, Boston, 1988 March 20: published results 12 h 25 m, 19 h 41 m, 2 h 55 m UT
  // (m = 0.51766, 0.81980, 0.12130 of a day).
  entree_lever_coucher e;
  e.alpha_3j = {40.68021L, 41.73129L, 42.78204L};
  e.delta_3j = {18.04761L, 18.44092L, 18.82742L};
  e.hauteur_h0 = hauteur_h0_planete;
  e.jour_julien = 2447240.5L;
  e.site.longitude = 71.0833L;
  e.site.sens_longitude = 1;
  e.site.latitude = 42.3333L;
  e.site.sens_latitude = 1;
  const sortie_lever_coucher r = lever_meridien_coucher(e);
  EXPECT_NEAR(static_cast<double>(r.heure_lever), 0.51766 * 24, 0.01);
  EXPECT_NEAR(static_cast<double>(r.heure_meridien), 0.81980 * 24, 0.01);
  EXPECT_NEAR(static_cast<double>(r.heure_coucher), 0.12130 * 24, 0.01);
  EXPECT_EQ(r.texte_lever, "12 h 25 m");
  EXPECT_EQ(r.texte_coucher, "2 h 55 m");
  EXPECT_EQ(r.texte_meridien, format_hm(r.heure_meridien));
}

TEST(LeverCoucher, SoleilParisEtSoixanteNordAuSolstice) {
  comparer_au_ciel(soleil, jd_solstice_2000, 48.85L, -2.35L, hauteur_h0_soleil, 1.0L);
  // 60°N: a shallow crossing, day about 18 h 50 m long.
  comparer_au_ciel(soleil, jd_solstice_2000, 60.0L, -10.0L, hauteur_h0_soleil, 1.0L);
  comparer_au_ciel(soleil, jd_solstice_2000 - 3, 60.0L, -25.0L, hauteur_h0_soleil, 1.0L);
  comparer_au_ciel(soleil, jd_solstice_2000 + 4, 60.0L, 150.0L, hauteur_h0_soleil, 1.0L);
  const auto r = lever_meridien_coucher(entree_pour(soleil, jd_solstice_2000, 60.0L, 0.0L, hauteur_h0_soleil));
  EXPECT_NEAR(static_cast<double>(r.heure_coucher - r.heure_lever), 18.8, 0.2);
  // Southern winter at 60°S: a short day of about 5 h 50 m.
  comparer_au_ciel(soleil, jd_solstice_2000, -60.0L, -30.0L, hauteur_h0_soleil, 1.0L);
}

TEST(LeverCoucher, SoleilDeMinuitEtNuitPolaire) {
  const auto ete = lever_meridien_coucher(entree_pour(soleil, jd_solstice_2000, 70.0L, -20.0L, hauteur_h0_soleil));
  EXPECT_EQ(ete.etat_lever, etat_evenement::toujours_leve);
  EXPECT_EQ(ete.etat_coucher, etat_evenement::toujours_leve);
  EXPECT_EQ(ete.texte_lever, "toujours visible");
  EXPECT_EQ(ete.texte_coucher, "toujours visible");
  // The transit is still given, and right.
  EXPECT_EQ(ete.etat_meridien, etat_evenement::normal);
  EXPECT_NEAR(static_cast<double>(ete.heure_meridien),
              static_cast<double>(culmination(soleil, jd_solstice_2000, -20.0L, ete.heure_meridien)), 1.0 / 60);
  EXPECT_EQ(ete.texte_meridien, format_hm(std::fabs(ete.heure_meridien)));

  const auto hiver = lever_meridien_coucher(entree_pour(soleil, jd_solstice_2000, -70.0L, -20.0L, hauteur_h0_soleil));
  EXPECT_EQ(hiver.etat_lever, etat_evenement::jamais_leve);
  EXPECT_EQ(hiver.etat_coucher, etat_evenement::jamais_leve);
  EXPECT_EQ(hiver.texte_lever, "jamais visible");
  EXPECT_EQ(hiver.texte_coucher, "jamais visible");
  EXPECT_EQ(hiver.etat_meridien, etat_evenement::normal);
  EXPECT_TRUE(std::isfinite(hiver.heure_meridien));
}

TEST(LeverCoucher, SoleilALEquateurALEquinoxeSymetrique) {
  // The Sun crosses 0 h of right ascension that very day: 359.1°, 0.0°, 0.9° (about).
  const auto e = entree_pour(soleil, jd_equinoxe_2000, 0.0L, 0.0L, hauteur_h0_soleil);
  ASSERT_GT(e.alpha_3j[0], 358.0L);
  ASSERT_LT(e.alpha_3j[2], 2.0L);
  const auto r = lever_meridien_coucher(e);
  EXPECT_NEAR(static_cast<double>(r.heure_coucher - r.heure_lever), 12.1, 0.05);
  EXPECT_NEAR(static_cast<double>((r.heure_lever + r.heure_coucher) / 2), static_cast<double>(r.heure_meridien),
              1.0 / 60);
  // Transit near noon less the equation of time (about 7.5 min): within the day.
  EXPECT_NEAR(static_cast<double>(r.heure_meridien), 12.12, 0.05);
  comparer_au_ciel(soleil, jd_equinoxe_2000, 0.0L, 0.0L, hauteur_h0_soleil, 1.0L);
}

TEST(LeverCoucher, CorpsAChevalSurZeroHeure) {
  // The middle right ascension just past 0 h, the others on either side: the
  // interpolation must go through 360°, whatever the longitude.
  for (long double lon : {0.0L, -2.35L, 71.08L, -150.0L}) {
    SCOPED_TRACE(static_cast<double>(lon));
    comparer_au_ciel(soleil, jd_equinoxe_2000, 45.0L, lon, hauteur_h0_soleil, 1.0L);
    comparer_au_ciel(soleil, jd_equinoxe_2000 + 1, 45.0L, lon, hauteur_h0_soleil, 1.0L);
  }
  // A fast body (about 12° a day) with alpha = 354°, 6°, 18°: raw values would
  // interpolate backwards through 180°.
  const trajectoire rapide = [](long double jd) {
    return place{std::fmod(6.0L + 12.0L * (jd - jd_equinoxe_2000) + 3600.0L, 360.0L),
                 10.0L + 2.0L * (jd - jd_equinoxe_2000)};
  };
  for (long double lon : {0.0L, 45.0L, -100.0L}) {
    SCOPED_TRACE(static_cast<double>(lon));
    comparer_au_ciel(rapide, jd_equinoxe_2000, 40.0L, lon, hauteur_h0_planete, 1.0L);
  }
  // Middle value just below 360°: 348°, 359.9°, 11.8°.
  const trajectoire avant = [](long double jd) {
    return place{std::fmod(359.9L + 11.9L * (jd - jd_equinoxe_2000) + 3600.0L, 360.0L), -5.0L};
  };
  comparer_au_ciel(avant, jd_equinoxe_2000, 30.0L, 0.0L, hauteur_h0_planete, 1.0L);
}

TEST(LeverCoucher, LuneAForteDeclinaison) {
  // Around the 2006 major standstill the Moon reaches ±28.7°. Find days when it is
  // highest and lowest, then compare with the path at mid and high latitudes.
  const trajectoire lune = [](long double jd) { return lune_approche(jd).p; };
  long double jd_nord = 0, jd_sud = 0, dmax = -90, dmin = 90;
  for (long double jd = 2453980.5L; jd < 2454010.5L; jd += 1) {
    const long double d = lune(jd).delta;
    if (d > dmax) {
      dmax = d;
      jd_nord = jd;
    }
    if (d < dmin) {
      dmin = d;
      jd_sud = jd;
    }
  }
  ASSERT_GT(dmax, 28.0L);
  ASSERT_LT(dmin, -28.0L);
  for (long double jd : {jd_nord - 1, jd_nord, jd_nord + 1, jd_sud - 1, jd_sud, jd_sud + 1}) {
    for (long double lat : {45.0L, 55.0L, 60.0L}) {
      SCOPED_TRACE(static_cast<double>(lat));
      const long double h0 = hauteur_h0_lune(lune_approche(jd).parallaxe);
      // At 60°N the Moon meets the horizon at a shallow angle while moving 13° a
      // day: a single correction would leave it up to two hours off.
      comparer_au_ciel(lune, jd, lat, -2.35L, h0, 1.0L);
    }
  }
  // Further north the Moon at +28.7° never sets and at -28.7° never rises.
  const auto nord = lever_meridien_coucher(entree_pour(lune, jd_nord, 68.0L, -20.0L, 0.13L));
  EXPECT_EQ(nord.etat_lever, etat_evenement::toujours_leve);
  EXPECT_EQ(nord.texte_coucher, texte_toujours_leve);
  const auto sud = lever_meridien_coucher(entree_pour(lune, jd_sud, 68.0L, -20.0L, 0.13L));
  EXPECT_EQ(sud.etat_coucher, etat_evenement::jamais_leve);
  EXPECT_EQ(sud.texte_lever, texte_jamais_leve);
}

TEST(LeverCoucher, JamaisDeValeurNonNumerique) {
  // Every latitude including the poles, declinations up to the poles, any right
  // ascension and altitudes: finite times and non-empty texts.
  int cas = 0;
  for (long double lat = -90; lat <= 90; lat += 7.5L)
    for (long double dec = -90; dec <= 90; dec += 15)
      for (long double ra = 0; ra < 360; ra += 59.5L)
        for (long double h0 : {hauteur_h0_soleil, 0.0L, 0.7L}) {
          entree_lever_coucher e;
          e.alpha_3j = {std::fmod(ra + 347, 360.0L), ra, std::fmod(ra + 13, 360.0L)};
          e.delta_3j = {std::clamp(dec - 5, -90.0L, 90.0L), dec, std::clamp(dec + 5, -90.0L, 90.0L)};
          e.hauteur_h0 = h0;
          e.jour_julien = 2451545.0L + 100 * lat;
          e.site.latitude = std::fabs(lat);
          e.site.sens_latitude = lat < 0 ? -1 : 1;
          e.site.longitude = 33;
          const auto r = lever_meridien_coucher(e);
          ASSERT_TRUE(std::isfinite(r.heure_meridien) && std::isfinite(r.heure_lever) && std::isfinite(r.heure_coucher))
              << static_cast<double>(lat) << " " << static_cast<double>(dec) << " " << static_cast<double>(ra);
          ASSERT_FALSE(r.texte_meridien.empty() || r.texte_lever.empty() || r.texte_coucher.empty());
          // Above or below the horizon all day: both say so; otherwise each event may
          // still miss the day on its own.
          const auto horizon = [](etat_evenement x) {
            return x == etat_evenement::toujours_leve || x == etat_evenement::jamais_leve;
          };
          if (horizon(r.etat_lever) || horizon(r.etat_coucher)) {
            ASSERT_EQ(r.etat_lever, r.etat_coucher);
          }
          for (long double h : {r.heure_meridien, r.heure_lever, r.heure_coucher}) {
            ASSERT_GE(h, 0.0L);
            ASSERT_LT(h, 24.0L);
          }
          ++cas;
        }
  EXPECT_GT(cas, 1000);
}

// Hours in [0, 24) of the day from jd0 where the Moon's altitude crosses h0 upwards
// (rising) and downwards (setting), on its path sampled every 6 minutes and
// interpolated linearly.
struct croisements {
  std::vector<long double> montees, descentes;
};
croisements croisements_du_jour(long double jd0, long double lat, long double lon) {
  const auto ecart = [&](long double jd) {
    const lune_approchee l = lune_approche(jd);
    const trajectoire t = [&](long double) { return l.p; };
    return hauteur(t, jd, lat, lon) - hauteur_h0_lune(l.parallaxe);
  };
  croisements r;
  constexpr int pas = 6;  // minutes
  long double ha = ecart(jd0);
  for (int minute = pas; minute <= 1440; minute += pas) {
    const long double hb = ecart(jd0 + minute / 1440.0L);
    if ((ha < 0) != (hb < 0)) {
      const long double heure = (minute - pas + pas * ha / (ha - hb)) / 60.0L;
      (ha < 0 ? r.montees : r.descentes).push_back(heure);
    }
    ha = hb;
  }
  return r;
}

TEST(LeverCoucher, LuneUneAnneeJourParJour) {
  // Every day of 2025 at Paris: a rising or setting given is a real crossing of that
  // day; "no rising/setting this day" means the path has none between 0 h and 24 h.
  // The Moon loses about 50 minutes a day, so that happens about once a lunation.
  const long double lat = 48.85L, lon = -2.35L;
  int sans_lever = 0, sans_coucher = 0, sans_passage = 0;
  for (long double jd0 = 2460676.5L; jd0 < 2460676.5L + 365; jd0 += 1) {
    SCOPED_TRACE(static_cast<double>(jd0));
    entree_lever_coucher e;
    for (int i = 0; i < 3; ++i) {
      const place p = lune_approche(jd0 + (i - 1)).p;
      e.alpha_3j[i] = p.alpha;
      e.delta_3j[i] = p.delta;
    }
    e.hauteur_h0 = hauteur_h0_lune(lune_approche(jd0).parallaxe);
    e.jour_julien = jd0;
    e.site.latitude = lat;
    e.site.longitude = -lon;
    e.site.sens_longitude = -1;
    const auto r = lever_meridien_coucher(e);
    const croisements vrais = croisements_du_jour(jd0, lat, lon);
    for (const auto& [montee, etat, heure] :
         {std::tuple{true, r.etat_lever, r.heure_lever}, std::tuple{false, r.etat_coucher, r.heure_coucher}}) {
      const std::vector<long double>& v = montee ? vrais.montees : vrais.descentes;
      if (etat == etat_evenement::pas_ce_jour) {
        // None that day, or one within 3 minutes of midnight where the series and the
        // path may fall on either side.
        for (long double x : v) EXPECT_TRUE(x < 0.05L || x > 23.95L) << static_cast<double>(x);
        ++(montee ? sans_lever : sans_coucher);
      } else {
        ASSERT_EQ(etat, etat_evenement::normal);
        // Within 3 minutes of a true crossing (the series and the path differ by a
        // few arcminutes), or at the day's edge when the path's crossing is just over.
        bool trouve = false;
        for (long double x : v) trouve |= std::fabs(x - heure) < 0.05L;
        EXPECT_TRUE(trouve || (v.empty() && (heure < 0.05L || heure > 23.95L))) << static_cast<double>(heure);
      }
    }
    if (r.etat_meridien == etat_evenement::pas_ce_jour) ++sans_passage;
  }
  EXPECT_GE(sans_lever, 11);
  EXPECT_LE(sans_lever, 14);
  EXPECT_GE(sans_coucher, 11);
  EXPECT_LE(sans_coucher, 14);
  EXPECT_GE(sans_passage, 11);
  EXPECT_LE(sans_passage, 14);
}

TEST(LeverCoucher, EntreesNonNumeriquesSignalees) {
  auto e = entree_pour(soleil, jd_solstice_2000, 48.85L, -2.35L, hauteur_h0_soleil);
  e.delta_3j[2] = std::numeric_limits<long double>::quiet_NaN();
  auto r = lever_meridien_coucher(e);
  EXPECT_EQ(r.etat_lever, etat_evenement::indetermine);
  EXPECT_EQ(r.etat_meridien, etat_evenement::indetermine);
  EXPECT_EQ(r.texte_coucher, texte_indetermine);
  e = entree_pour(soleil, jd_solstice_2000, 48.85L, -2.35L, hauteur_h0_soleil);
  e.jour_julien = std::numeric_limits<long double>::infinity();
  r = lever_meridien_coucher(e);
  EXPECT_EQ(r.etat_coucher, etat_evenement::indetermine);
  EXPECT_TRUE(std::isfinite(r.heure_lever));
}

using essais::fuseau_europe_2026;

// Every crossing of h0 between two UT instants, as civil hours of the day from `debut`
// (a civil Julian day): the body's place is taken at TT = UT + ΔT, the sidereal time at UT.
std::vector<long double> croisements_civils(const lieu_a_l_instant& corps, long double debut, long double lat,
                                            long double lon_ouest, bool montee, const fuseau_horaire& f) {
  const auto ecart = [&](long double tu) {
    const lieu_apparent l = corps(tu + delta_t_s(tu) / 86400.0L);
    const trajectoire t = [&](long double) { return place{l.alpha, l.delta}; };
    return hauteur(t, tu, lat, lon_ouest) - l.hauteur_h0;
  };
  std::vector<long double> r;
  const long double a = tu_de_civil(debut, f), b = tu_de_civil(debut + 1, f), pas = 2.0L / 1440.0L;
  long double ha = ecart(a);
  for (long double u = a + pas; u < b + pas / 2; u += pas) {
    const long double hb = ecart(u);
    if ((ha < 0) != (hb < 0) && (ha < 0) == montee) {
      const long double tu = u - pas + pas * ha / (ha - hb);
      r.push_back((civil_de_tu(tu, f) - debut) * 24.0L);
    }
    ha = hb;
  }
  return r;
}

TEST(LeverCoucher, JourCivilDesChangementsDHeure) {
  // The Moon at Paris, day by day across both clock changes of 2026 in a zone with
  // summer time, and a star that rises twice in a civil day (every 23 h 56 m): each
  // time given is a true crossing of that civil day (brute force on the UT interval of
  // the day, 23 or 25 hours long on the change days), none is missed, none counted twice.
  const fuseau_europe_2026 f;
  const long double lat = 48.85L, lon_ouest = -2.35L;
  site_courant site;
  site.latitude = lat;
  site.longitude = 2.35L;
  site.sens_longitude = -1;
  const lieu_a_l_instant lune = [](long double jde) {
    const lune_approchee l = lune_approche(jde);
    return lieu_apparent{l.p.alpha, l.p.delta, hauteur_h0_lune(l.parallaxe)};
  };
  // A star whose rising falls at 0 h 02 civil on 1 June: again at 23 h 58.
  long double alpha_etoile = 0;
  {
    const long double debut = 2461192.5L;  // 1 June 2026, a civil Julian day
    const lieu_a_l_instant essai = [](long double) { return lieu_apparent{0, 10, -0.5667L}; };
    const auto r = lever_meridien_coucher_civil(essai, debut, site, f);
    alpha_etoile = modulo_360(15.0L * 1.0027379L * (2.0L / 60.0L - r.heure_lever));
  }
  const lieu_a_l_instant etoile = [&](long double) { return lieu_apparent{alpha_etoile, 10, -0.5667L}; };

  int jours = 0, deux_levers = 0;
  const auto verifier = [&](const lieu_a_l_instant& corps, long double debut) {
    SCOPED_TRACE(static_cast<double>(debut));
    const sortie_lever_coucher r = lever_meridien_coucher_civil(corps, debut, site, f);
    for (const bool montee : {true, false}) {
      const std::vector<long double> vrais = croisements_civils(corps, debut, lat, lon_ouest, montee, f);
      std::vector<long double> donnes;
      if ((montee ? r.etat_lever : r.etat_coucher) == etat_evenement::normal) {
        donnes.push_back(montee ? r.heure_lever : r.heure_coucher);
        if (const auto& s = montee ? r.second_lever : r.second_coucher) donnes.push_back(*s);
      }
      // A crossing within 3 minutes of midnight may fall on either side.
      std::vector<long double> nets;
      for (long double x : vrais)
        if (x > 0.05L && x < 23.95L) nets.push_back(x);
      EXPECT_GE(donnes.size(), nets.size());
      EXPECT_LE(donnes.size(), vrais.size());
      for (long double h : donnes) {
        bool trouve = false;
        for (long double x : vrais) trouve |= std::fabs(x - h) < 0.05L;
        EXPECT_TRUE(trouve) << static_cast<double>(h);
      }
      if (montee && donnes.size() == 2) ++deux_levers;
    }
    ++jours;
  };
  for (long double debut = 2461118.5L; debut < 2461140.5L; debut += 1) verifier(lune, debut);  // 19/3 .. 9/4
  for (long double debut = 2461328.5L; debut < 2461350.5L; debut += 1) verifier(lune, debut);  // 15/10 .. 5/11
  verifier(etoile, 2461192.5L);
  EXPECT_EQ(jours, 45);
  EXPECT_EQ(deux_levers, 1);

  // A star's rising moves 3 min 56 s earlier each day in UT; on the zone's clock the
  // change day moves it by the hour of the change, no more, no less.
  const lieu_a_l_instant fixe = [](long double) { return lieu_apparent{100, 10, -0.5667L}; };
  const auto lever_tu = [&](long double debut) {
    const long double h = lever_meridien_coucher_civil(fixe, debut, site, f).heure_lever;
    const long double tu = tu_de_civil(debut + h / 24.0L, f);
    return std::pair{(tu - debut) * 24.0L, f.decalage_s(tu)};
  };
  int changements = 0;
  auto [veille, decalage_veille] = lever_tu(2461126.5L);
  for (long double debut = 2461127.5L; debut < 2461131.5L; debut += 1) {
    const auto [h, decalage] = lever_tu(debut);
    EXPECT_NEAR(h, veille - 3.93L / 60.0L, 0.01L) << static_cast<double>(debut);
    changements += decalage != decalage_veille;
    veille = h;
    decalage_veille = decalage;
  }
  EXPECT_EQ(changements, 1);

  // Never rising at all: said so for the whole civil day.
  const lieu_a_l_instant austral = [](long double) { return lieu_apparent{100, -60, -0.5667L}; };
  const auto r = lever_meridien_coucher_civil(austral, 2461128.5L, site, f);
  EXPECT_EQ(r.etat_lever, etat_evenement::jamais_leve);
  EXPECT_EQ(r.texte_coucher, texte_jamais_leve);
}

}  // namespace
}  // namespace almanax
