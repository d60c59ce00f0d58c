// ΔT and civil time: the model against published values and without a jump anywhere,
// and the zone's clock to UT and back across the changes of summer time.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calcul/delta_t.h"
#include "calcul/temps_civil.h"
#include "fuseau_essai.h"

namespace almanax {
namespace {

TEST(DeltaT, ValeursPubliees) {
  struct cas {
    long double annee, attendu, tolerance;
  };
  // Observed values (IERS, USNO), the Espenak-Meeus expressions where there are none.
  for (const cas c : {cas{2026.5L, 69.1L, 2.0L}, cas{2000.0L, 63.83L, 0.01L}, cas{1900.0L, -2.72L, 0.01L},
                      cas{1950.0L, 29.15L, 0.01L}, cas{1800.0L, 13.7L, 0.01L}, cas{1700.0L, 9.0L, 0.01L},
                      cas{1620.0L, 124.0L, 0.01L}, cas{1000.0L, 1574.2L, 1.0L}, cas{0.0L, 10583.6L, 1.0L},
                      cas{-500.0L, 17190.0L, 20.0L}, cas{2100.0L, 202.7L, 12.0L}, cas{3000.0L, 4435.7L, 1.0L}}) {
    SCOPED_TRACE(static_cast<double>(c.annee));
    EXPECT_NEAR(delta_t_annee(c.annee), c.attendu, c.tolerance);
  }
  // The decimal year of a Julian day, and the value at an instant.
  EXPECT_NEAR(annee_decimale(2451545.0L), 2000.0L, 1e-12L);
  EXPECT_NEAR(annee_decimale(2415020.0L), 1900.0L, 1e-9L);  // 1899 December 31, 12 h
  EXPECT_NEAR(delta_t_s(2451545.0L), delta_t_annee(2000.0L), 1e-9L);
  EXPECT_EQ(delta_t_annee(NAN), 0);
}

TEST(DeltaT, AucunSautEntreLesExpressions) {
  // Every hundredth of a year from -3000 to 4000: two neighbours never differ by more
  // than the model's own slope allows (under 0.7 s here), so no join jumps a second.
  long double pire = 0, ou = 0;
  long double avant = delta_t_annee(-3000.0L);
  for (int i = 1; i <= 700000; ++i) {
    const long double y = -3000.0L + i / 100.0L;
    const long double v = delta_t_annee(y);
    if (std::fabs(v - avant) > pire) {
      pire = std::fabs(v - avant);
      ou = y;
    }
    avant = v;
  }
  EXPECT_LT(pire, 0.7L) << static_cast<double>(ou);
}

using essais::fuseau_europe_2026;

constexpr long double heure = 1.0L / 24;
constexpr long double seconde = 1.0L / 86400;

TEST(TempsCivil, HorlogeDuFuseauVersTuEtRetour) {
  const fuseau_europe_2026 f;
  const long double le_29_mars = 2461128.5L, le_25_octobre = 2461338.5L;
  struct cas {
    long double civil, tu;
  };
  for (const cas c : {
           cas{le_29_mars + 1 * heure, le_29_mars + 0 * heure},              // 1 h CET
           cas{le_29_mars + 2.5L * heure, le_29_mars + 1.5L * heure},        // skipped: read as CET, 3 h 30 CEST
           cas{le_29_mars + 3 * heure, le_29_mars + 1 * heure},              // 3 h CEST
           cas{le_25_octobre + 2.5L * heure, le_25_octobre + 0.5L * heure},  // shown twice: the first (CEST)
           cas{le_25_octobre + 3 * heure, le_25_octobre + 2 * heure},        // CET again
           cas{2461200.5L, 2461200.5L - 2 * heure},                          // summer
           cas{2461060.5L, 2461060.5L - 1 * heure},                          // winter
       }) {
    SCOPED_TRACE(static_cast<double>(c.civil));
    EXPECT_NEAR(tu_de_civil(c.civil, f), c.tu, 0.01L * seconde);
  }
  // Back to the clock: every UT minute of both change days and the days around gives a
  // clock time that reads back to the same UT, except the hour the clocks repeat in
  // autumn, read as its first occurrence: no minute lost, none counted twice but those.
  for (const long double jour : {le_29_mars, le_25_octobre}) {
    int premieres_occurrences = 0;
    for (long double tu = jour - 1; tu < jour + 2; tu += 60 * seconde) {
      const long double retour = tu_de_civil(civil_de_tu(tu, f), f);
      if (std::fabs(retour - tu) > 0.01L * seconde) {
        ASSERT_NEAR(retour, tu - heure, 0.01L * seconde) << static_cast<double>(tu);
        ++premieres_occurrences;
      }
    }
    EXPECT_EQ(premieres_occurrences, jour == le_25_octobre ? 60 : 0);
  }
}

TEST(TempsCivil, EchelleDesPagesEtTextes) {
  // As they stand: nothing moves.
  const echelle_temps telle_quelle;
  EXPECT_FALSE(telle_quelle.legale());
  EXPECT_EQ(telle_quelle.vers_tt(2461200.25L), 2461200.25L);
  EXPECT_EQ(telle_quelle.vers_civil(2461200.25L), 2461200.25L);
  EXPECT_EQ(telle_quelle.decalage_a(2461200.25L), 0);

  // Civil time: 21 June 2026 at 12 h in summer time is 10 h UT, 10 h 01 m 09 s TT.
  const echelle_temps ete(std::make_shared<fuseau_europe_2026>());
  const long double midi = 2461212.5L + 12 * heure;
  const long double tt = ete.vers_tt(midi);
  EXPECT_NEAR((tt - (midi - 2 * heure)) / seconde, delta_t_s(tt), 0.01L);
  EXPECT_NEAR(ete.vers_civil(tt), midi, 0.01L * seconde);
  EXPECT_EQ(ete.decalage_a(tt), 7200);
  EXPECT_NEAR(tu_de_tt(tt), midi - 2 * heure, 0.01L * seconde);
  EXPECT_NEAR(tt_de_tu(midi - 2 * heure), tt, 0.01L * seconde);

  EXPECT_EQ(texte_decalage(0), "UTC");
  EXPECT_EQ(texte_decalage(7200), "UTC+2");
  EXPECT_EQ(texte_decalage(-3 * 3600), "UTC-3");
  EXPECT_EQ(texte_decalage(5 * 3600 + 1800), "UTC+5:30");
  EXPECT_EQ(texte_decalage(-(9 * 3600 + 30 * 60)), "UTC-9:30");
  EXPECT_EQ(texte_decalage(561), "UTC+0:09");  // Paris's mean time before 1891, to the minute
  EXPECT_EQ(mention_heure_legale(3600), "heure légale, UTC+1");
}

}  // namespace
}  // namespace almanax
