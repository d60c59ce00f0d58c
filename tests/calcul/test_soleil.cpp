#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calcul/soleil.h"

using namespace almanax;

namespace {

// 1992 October 13, 0 h: the page's default date and the handbook's worked example.
constexpr long double jd_exemple = 2448908.5L;

site_courant site_de(long double latitude_nord, long double longitude_ouest) {
  site_courant s;
  s.latitude = std::fabs(latitude_nord);
  s.sens_latitude = latitude_nord < 0 ? -1 : 1;
  s.longitude = std::fabs(longitude_ouest);
  s.sens_longitude = longitude_ouest < 0 ? -1 : 1;
  return s;
}

const site_courant paris = site_de(48.8667L, -2.3333L);

}  // namespace

TEST(SoleilPosition, ExempleDu13Octobre1992) {
  const position_soleil p = position_du_soleil(jd_exemple);
  EXPECT_NEAR(p.longitude_geometrique_brute, 199.907372L, 2e-6L);
  EXPECT_NEAR(p.longitude_geometrique, 199.907372L - 0.09033L / 3600, 2e-6L);
  EXPECT_NEAR(p.longitude_apparente, 199.906061L, 1e-5L);
  EXPECT_NEAR(p.distance, 0.99760775L, 1e-8L);
  EXPECT_NEAR(p.epsilon, 23.4401443L, 2e-6L);
  // The latitude (under 1") is neglected: 13 h 13 m 30.75 s as in the handbook, and
  // -7° 47' 02.5" where the handbook, keeping the latitude, has -7° 47' 01.9".
  EXPECT_NEAR(p.alpha, 198.378113L, 3e-6L);
  EXPECT_NEAR(p.delta, -7.784031L, 3e-6L);
  // Latitude: -B of the Earth (B = -0.00000312 rad) plus the FK5 term, arcseconds.
  EXPECT_NEAR(p.latitude_apparente, 0.62L, 0.03L);
}

TEST(SoleilEphemeride, TextesDu13Octobre1992) {
  const ephemeride_soleil e = ephemeride_du_soleil(jd_exemple, paris, ",");
  EXPECT_EQ(e.textes.distance_terre, "0,99761");
  EXPECT_EQ(e.textes.longitude_apparente, "199 ° 54 '  22 ''");
  EXPECT_EQ(e.textes.longitude_geometrique, "199 ° 54 '  26 ''");
  EXPECT_EQ(e.textes.ascension_droite, "13 h 13 m 31 s");
  EXPECT_EQ(e.textes.declinaison, "-7 ° 47 '  03 ''");
  EXPECT_EQ(e.textes.latitude_apparente.size(), 4u);  // one integer digit, two decimals
  EXPECT_EQ(e.textes.latitude_apparente.substr(0, 2), "0,");

  const ephemeride_soleil point = ephemeride_du_soleil(jd_exemple, paris, ".");
  EXPECT_EQ(point.textes.distance_terre, "0.99761");
  EXPECT_EQ(point.textes.latitude_apparente.substr(0, 2), "0.");
}

TEST(SoleilEphemeride, LongitudeJusteApres360) {
  // 1992 March 21, 0 h: a few hours after the equinox the Earth's longitude + 180°
  // passes 360 and is shown as a small angle.
  const ephemeride_soleil e = ephemeride_du_soleil(2448702.5L, paris, ",");
  EXPECT_GT(e.position.longitude_geometrique, 360.0L);
  EXPECT_GT(e.longitude_geometrique, 0.0L);
  EXPECT_LT(e.longitude_geometrique, 1.0L);
  EXPECT_LT(e.longitude_apparente, 1.0L);
  EXPECT_TRUE(e.textes.longitude_geometrique.starts_with("0 ° ")) << e.textes.longitude_geometrique;
  EXPECT_TRUE(e.textes.longitude_apparente.starts_with("0 ° ")) << e.textes.longitude_apparente;
  // Just before the equinox nothing is taken off.
  const ephemeride_soleil avant = ephemeride_du_soleil(2448701.5L, paris, ",");
  EXPECT_GT(avant.longitude_geometrique, 359.0L);
  EXPECT_LE(avant.longitude_geometrique, 360.0L);
}

TEST(SoleilEphemeride, TroisJoursDansLOrdre) {
  const ephemeride_soleil e = ephemeride_du_soleil(jd_exemple, paris, ",");
  EXPECT_EQ(e.alpha_3j[1], e.position.alpha);
  EXPECT_EQ(e.delta_3j[1], e.position.delta);
  // In October the Sun moves east by about 0.95° a day and south by 0.4°.
  EXPECT_NEAR(e.alpha_3j[2] - e.alpha_3j[1], 0.93L, 0.05L);
  EXPECT_NEAR(e.alpha_3j[1] - e.alpha_3j[0], 0.93L, 0.05L);
  EXPECT_LT(e.delta_3j[2], e.delta_3j[1]);
  EXPECT_LT(e.delta_3j[1], e.delta_3j[0]);
  EXPECT_EQ(e.position.alpha, position_du_soleil(jd_exemple).alpha);
}

TEST(SoleilLeverCoucher, ParisLe13Octobre1992) {
  // Transit at Paris: 12 h - 9.3 min of longitude - 13.7 min of the equation of time.
  const ephemeride_soleil e = ephemeride_du_soleil(jd_exemple, paris, ",");
  ASSERT_EQ(e.lever_coucher.etat_lever, etat_evenement::normal);
  ASSERT_EQ(e.lever_coucher.etat_coucher, etat_evenement::normal);
  EXPECT_NEAR(e.lever_coucher.heure_meridien, 11.62L, 0.02L);
  EXPECT_NEAR(e.lever_coucher.heure_lever, 6.07L, 0.1L);
  EXPECT_NEAR(e.lever_coucher.heure_coucher, 17.15L, 0.1L);
  EXPECT_EQ(e.textes.heure_meridien, "11 h 37 m");
  EXPECT_EQ(e.textes.heure_lever, e.lever_coucher.texte_lever);
  EXPECT_EQ(e.textes.heure_coucher, e.lever_coucher.texte_coucher);
}

TEST(SoleilLeverCoucher, EquateurALEquinoxe) {
  // Rising and setting about 12 h apart (a little more with the refraction and the
  // disc), symmetric about the transit.
  const ephemeride_soleil e = ephemeride_du_soleil(2448701.5L, site_de(0, 0), ",");
  const sortie_lever_coucher& lc = e.lever_coucher;
  EXPECT_NEAR(lc.heure_coucher - lc.heure_lever, 12.1L, 0.1L);
  EXPECT_NEAR((lc.heure_lever + lc.heure_coucher) / 2, lc.heure_meridien, 0.02L);
}

TEST(SoleilLeverCoucher, NuitEtJourPolaires) {
  // North Cape region in June and December: no sunrise nor sunset, never a failure.
  const ephemeride_soleil ete = ephemeride_du_soleil(2448794.5L, site_de(75, -20), ",");
  EXPECT_EQ(ete.lever_coucher.etat_lever, etat_evenement::toujours_leve);
  EXPECT_EQ(ete.textes.heure_lever, texte_toujours_leve);
  EXPECT_TRUE(std::isfinite(ete.lever_coucher.heure_meridien));
  const ephemeride_soleil hiver = ephemeride_du_soleil(2448977.5L, site_de(75, -20), ",");
  EXPECT_EQ(hiver.lever_coucher.etat_coucher, etat_evenement::jamais_leve);
  EXPECT_EQ(hiver.textes.heure_coucher, texte_jamais_leve);
}
