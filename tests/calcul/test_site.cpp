#include <gtest/gtest.h>

#include "calcul/rapport.h"
#include "calcul/site.h"

using namespace almanax;

TEST(Site, DegresMinutesSecondesTronquesSansErreurDArrondi) {
  const champs_site paris = champs_du_site({"Paris", 48.85L, -2.35L});
  EXPECT_EQ(paris.lat_deg, 48);
  EXPECT_EQ(paris.lat_min, 51);
  EXPECT_EQ(paris.lat_sec, 0);
  EXPECT_EQ(paris.lat_lettre, "N");
  EXPECT_EQ(paris.lon_deg, 2);
  EXPECT_EQ(paris.lon_min, 21);
  EXPECT_EQ(paris.lon_sec, 0);
  EXPECT_EQ(paris.lon_lettre, "E");
  // 48.84 (a site typed at 48° 50' 59" and cut to hundredths) shows 48° 50' 24".
  const champs_site c = champs_du_site({"X", 48.84L, 0});
  EXPECT_EQ(c.lat_min, 50);
  EXPECT_EQ(c.lat_sec, 24);
  EXPECT_EQ(c.lon_lettre, "O");  // longitude 0 counts as west, as the file's sign says
  // Every hundredth of a degree comes back exactly (hundredths are multiples of 36").
  for (int centiemes = 0; centiemes < 18000; ++centiemes) {
    const champs_site x = champs_du_site({"X", -centiemes / 100.0L, centiemes / 100.0L});
    ASSERT_EQ((x.lon_deg * 3600 + x.lon_min * 60 + x.lon_sec), centiemes * 36) << centiemes;
    ASSERT_EQ((x.lat_deg * 3600 + x.lat_min * 60 + x.lat_sec), centiemes * 36) << centiemes;
    ASSERT_EQ(x.lat_lettre, centiemes == 0 ? "N" : "S");
  }
  // Seconds are truncated, not rounded.
  EXPECT_EQ(champs_du_site({"X", 10.0L + 59.9L / 3600, 0}).lat_sec, 59);
}

TEST(Site, SiteCourantGardeLesValeursDuFichier) {
  const site_courant s = site_courant_de({"Quito", -0.22L, 78.5L});
  EXPECT_DOUBLE_EQ(static_cast<double>(s.latitude), 0.22);
  EXPECT_EQ(s.sens_latitude, -1);
  EXPECT_EQ(s.sens_longitude, 1);
  EXPECT_DOUBLE_EQ(static_cast<double>(s.latitude_signee()), -0.22);
  EXPECT_DOUBLE_EQ(static_cast<double>(s.longitude_signee()), 78.5);
}

TEST(Site, BlocsDuRapport) {
  EXPECT_EQ(bloc_site(champs_du_site({"Le Mans", 48.0L, -0.2L})), "A Le Mans\t48° 0' 0\" N, 0° 12' 0\" E\r\n\r\n");
  EXPECT_EQ(bloc_date("20", 12, "1992", "00:00:00"), "Le 20 Décembre 1992 à 00:00:00\r\n");
  EXPECT_EQ(ligne_rapport("Lever ", "6 h 08 m"), "Lever \t6 h 08 m\r\n");
  EXPECT_EQ(texte_heure(7, 5, 3), "07:05:03");
}
