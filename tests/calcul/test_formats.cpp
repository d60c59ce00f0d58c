#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calcul/formats.h"

using namespace almanax;

namespace {

// d degrees, m minutes, s seconds as decimal degrees.
long double dms(long double d, long double m, long double s) {
  return d + m / 60 + s / 3600;
}

}  // namespace

TEST(FormatsMois, NomsFrancais) {
  EXPECT_EQ(nom_du_mois(1), "Janvier");
  EXPECT_EQ(nom_du_mois(2), "Février");
  EXPECT_EQ(nom_du_mois(8), "Août");
  EXPECT_EQ(nom_du_mois(10), "Octobre");
  EXPECT_EQ(nom_du_mois(12), "Décembre");
  EXPECT_EQ(std::string("Février").size(), 8u);  // UTF-8: "é" is two bytes
  for (long double m : {0.0L, 13.0L, -1.0L, 1.5L, 11.999L, std::numeric_limits<long double>::quiet_NaN()})
    EXPECT_EQ(nom_du_mois(m), "") << static_cast<double>(m);
}

TEST(FormatsHeuresMinutes, ExemplesEtRetenues) {
  EXPECT_EQ(format_hm(6.5L), "6 h 30 m");
  EXPECT_EQ(format_hm(6.99L), "6 h 59 m");  // 59.4 min: rounded, not carried
  EXPECT_EQ(format_hm(13.9999L), "14 h 00 m");
  EXPECT_EQ(format_hm(0), "0 h 00 m");
  EXPECT_EQ(format_hm(12.25L), "12 h 15 m");
  EXPECT_EQ(format_hm(9.0125L), "9 h 01 m");
}

TEST(FormatsHeuresMinutes, TourDe24Heures) {
  EXPECT_EQ(format_hm(23.999L), "0 h 00 m");
  EXPECT_EQ(format_hm(24.0L), "0 h 00 m");
  EXPECT_EQ(format_hm(25.5L), "1 h 30 m");
  EXPECT_EQ(format_hm(23.5L), "23 h 30 m");
}

TEST(FormatsHeuresMinutes, HeureNegativeEtValeursHorsDomaine) {
  // Out of range values are shown unchanged: the minutes keep their sign.
  EXPECT_EQ(format_hm(-6.5L), "-6 h -30 m");
  EXPECT_EQ(format_hm(-0.5L), "0 h -30 m");
  EXPECT_EQ(format_hm(std::numeric_limits<long double>::quiet_NaN()), "NAN h 00 m");
}

TEST(FormatsDegres, ExemplesImprimes) {
  EXPECT_EQ(format_dms(123.5L), "123 ° 30 ' 00 ''");
  EXPECT_EQ(format_dms_signe(-23.5L), "-23 ° 30 '  00 ''");
  EXPECT_EQ(format_hms(187.5L), "12 h 30 m 00 s");
  EXPECT_EQ(format_dms(dms(12, 3, 4)), "12 ° 03 ' 04 ''");
  EXPECT_EQ(format_dms(0), "0 ° 00 ' 00 ''");
  EXPECT_EQ(format_dms_signe(dms(5, 7, 9)), "5 ° 07 '  09 ''");
}

TEST(FormatsDegres, RetenuesDesSecondesEtDesMinutes) {
  EXPECT_EQ(format_dms(10.999999L), "11 ° 00 ' 00 ''");
  EXPECT_EQ(format_dms(dms(10, 29, 59.7L)), "10 ° 30 ' 00 ''");
  EXPECT_EQ(format_dms_signe(-10.999999L), "-11 ° 00 '  00 ''");
  EXPECT_EQ(format_dms_signe(5.016666667L), "5 ° 01 '  00 ''");
  EXPECT_EQ(format_hms(74.99999L), "5 h 00 m 00 s");
  EXPECT_EQ(format_dms_signe(89.99999999L), "90 ° 00 '  00 ''");
}

TEST(FormatsDegres, MinutesEtEntierTronquesPasArrondis) {
  // 10.999 deg = 10 deg 59 min 56.4 s: rounding the minutes would show 11 deg.
  EXPECT_EQ(format_dms(10.999L), "10 ° 59 ' 56 ''");
  EXPECT_EQ(format_dms(dms(45, 59, 29.4L)), "45 ° 59 ' 29 ''");
  EXPECT_EQ(format_hms(dms(0, 59, 50)), "0 h 03 m 59 s");  // 3 min 59.33 s
  EXPECT_EQ(format_hms(dms(0, 59, 59)), "0 h 04 m 00 s");  // 3 min 59.93 s carried
}

TEST(FormatsDegres, SecondesAuMilieuVersLePair) {
  // Inputs whose seconds come out exactly half-way.
  EXPECT_EQ(format_dms(30.5L / 3600), "0 ° 00 ' 30 ''");
  EXPECT_EQ(format_hms(0.03125L), "0 h 00 m 08 s");   // 7.5 s
  EXPECT_EQ(format_hms(0.09375L), "0 h 00 m 22 s");   // 22.5 s
  EXPECT_EQ(format_hms(0.15625L), "0 h 00 m 38 s");   // 37.5 s
  EXPECT_EQ(format_hms(0.21875L), "0 h 00 m 52 s");   // 52.5 s
  EXPECT_EQ(format_hms(1.03125L), "0 h 04 m 08 s");   // 4 min 7.5 s
  EXPECT_EQ(format_hms(10.09375L), "0 h 40 m 22 s");  // 40 min 22.5 s
}

TEST(FormatsDegres, TourDe360) {
  EXPECT_EQ(format_dms(359.99999L), "0 ° 00 ' 00 ''");
  EXPECT_EQ(format_dms(360.0L), "0 ° 00 ' 00 ''");
  EXPECT_EQ(format_dms(359.5L), "359 ° 30 ' 00 ''");
  EXPECT_EQ(format_dms_abs(359.99999L), "0 ° 00 ' 00 ''");
  // The signed and the hour formats do not reduce.
  EXPECT_EQ(format_dms_signe(359.99999L), "360 ° 00 '  00 ''");
  EXPECT_EQ(format_hms(359.99999L), "24 h 00 m 00 s");
  EXPECT_EQ(format_hms(359.9L), "23 h 59 m 36 s");
}

TEST(FormatsDegres, ValeursNegatives) {
  EXPECT_EQ(format_dms_abs(-123.5L), "-123 ° 30 ' 00 ''");
  EXPECT_EQ(format_dms_signe(dms(-12, -3, -4)), "-12 ° 03 '  04 ''");
  // Below one degree (or hour) the sign stays visible on the zero whole part.
  EXPECT_EQ(format_dms_signe(-0.5L), "-0 ° 30 '  00 ''");
  EXPECT_EQ(format_dms_signe(-dms(0, 0, 12)), "-0 ° 00 '  12 ''");
  EXPECT_EQ(format_dms_abs(-0.25L), "-0 ° 15 ' 00 ''");
  EXPECT_EQ(format_hms(-7.5L), "-0 h 30 m 00 s");
  EXPECT_EQ(format_dms(-0.5L), "-0 ° 30 ' 00 ''");
  // ... but nothing that shows as zero is signed.
  EXPECT_EQ(format_dms_signe(-1e-7L), "0 ° 00 '  00 ''");
  EXPECT_EQ(format_dms_abs(-359.99999L), "0 ° 00 ' 00 ''");
}

TEST(FormatsDegres, ValeursNonFiniesSansPlantage) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(format_dms(nan), "NAN ° 00 ' 00 ''");
  EXPECT_EQ(format_dms_signe(-inf), "-INF ° 00 '  00 ''");
  EXPECT_EQ(format_hms(inf), "INF h 00 m 00 s");
  EXPECT_EQ(format_dms_signe(1e30L), "1000000000000000000000000000000 ° 00 '  00 ''");
}

TEST(FormatsNombre, ChiffresForcesEtFacultatifs) {
  EXPECT_EQ(format_float("00", 5), "05");
  EXPECT_EQ(format_float("00", 12345), "12345");  // more digits than places: all shown
  EXPECT_EQ(format_float("#0", 0), "0");
  EXPECT_EQ(format_float("#0", 7), "7");
  EXPECT_EQ(format_float("0", 42), "42");
  EXPECT_EQ(format_float("##0", 5), "5");
  EXPECT_EQ(format_float("##0", 1234), "1234");
  EXPECT_EQ(format_float("#", 0), "");
  EXPECT_EQ(format_float("#", 0.4L), "");
  EXPECT_EQ(format_float("#", 7), "7");
  EXPECT_EQ(format_float("#00.0", 5.25L), "05,3");
  EXPECT_EQ(format_float("0", 1e20L), "100000000000000000000");
}

TEST(FormatsNombre, Decimales) {
  EXPECT_EQ(format_float("0.000000", 3.14159265358979L), "3,141593");
  EXPECT_EQ(format_float("0.0000", 2), "2,0000");
  EXPECT_EQ(format_float("#0.0", 12.34L), "12,3");
  EXPECT_EQ(format_float("#0.00000", 0.5L), "0,50000");
  // Between the minimum (last "0") and the maximum (all places), trailing zeros go.
  EXPECT_EQ(format_float("##0.0###", 2), "2,0");
  EXPECT_EQ(format_float("##0.0###", 2.5L), "2,5");
  EXPECT_EQ(format_float("##0.0###", 2.125L), "2,125");
  EXPECT_EQ(format_float("##0.0###", 3.14159265L), "3,1416");
  EXPECT_EQ(format_float("##0.0###", 0.00004L), "0,0");
  EXPECT_EQ(format_float("0.##0", 1.5L), "1,500");
  EXPECT_EQ(format_float("0.##0", 0.12345L), "0,123");
  EXPECT_EQ(format_float("0.####0", 0.1L), "0,10000");
  EXPECT_EQ(format_float("0.#0", 0.7L), "0,70");
  EXPECT_EQ(format_float("0.######0", 1.23456789L), "1,2345679");
  EXPECT_EQ(format_float("#0.0#", 1.5L), "1,5");
  EXPECT_EQ(format_float("#0.0#", 1.25L), "1,25");
  EXPECT_EQ(format_float("#0.0#", 1.256L), "1,26");
  EXPECT_EQ(format_float("#0.########0", 1.0L / 3), "0,333333333");
  EXPECT_EQ(format_float("###########0.0000", 2451545.123456L), "2451545,1235");
}

TEST(FormatsNombre, ArrondiAuMilieuLoinDeZeroSurLaValeurDecimale) {
  EXPECT_EQ(format_float("0", 0.5L), "1");
  EXPECT_EQ(format_float("0", 2.5L), "3");  // not to even
  EXPECT_EQ(format_float("0", -2.5L), "-3");
  EXPECT_EQ(format_float("0.00", 0.125L), "0,13");
  EXPECT_EQ(format_float("0.00", -0.125L), "-0,13");
  // 2.675 is stored a hair below: the shown value follows the decimal 2.675.
  EXPECT_EQ(format_float("0.00", 2.675L), "2,68");
  EXPECT_EQ(format_float("0.00", 2.67499L), "2,67");
  // Carries through every digit.
  EXPECT_EQ(format_float("0.00", 9.999L), "10,00");
  EXPECT_EQ(format_float("##0.0###", 0.99999L), "1,0");
  EXPECT_EQ(format_float("#0.0", 99.96L), "100,0");
  EXPECT_EQ(format_float("00", 99.5L), "100");
}

TEST(FormatsNombre, SigneMoins) {
  EXPECT_EQ(format_float("#0", -12), "-12");
  EXPECT_EQ(format_float("0.0000", -0.5L), "-0,5000");
  EXPECT_EQ(format_float("000000 km", -12), "-000012 km");
  // No "-0" when all that shows is zero.
  EXPECT_EQ(format_float("0", -0.4L), "0");
  EXPECT_EQ(format_float("0.0", -0.04L), "0,0");
  EXPECT_EQ(format_float("##0.0###", -0.00001L), "0,0");
  EXPECT_EQ(format_float("#", -0.3L), "");
  EXPECT_EQ(format_float("#0", -0.0L), "0");
  EXPECT_EQ(format_float("##0.0###", -0.0001L), "-0,0001");
}

TEST(FormatsNombre, TexteAutourDesChiffres) {
  EXPECT_EQ(format_float("0°", 45), "45°");
  EXPECT_EQ(format_float("#0°", 5), "5°");
  EXPECT_EQ(format_float("000000 km", 384400), "384400 km");
  EXPECT_EQ(format_float("000000 km", 1234), "001234 km");
  EXPECT_EQ(format_float("00 s", 7), "07 s");
  EXPECT_EQ(format_float("00 m ", 7), "07 m ");
  EXPECT_EQ(format_float("00 h ", 23), "23 h ");
  EXPECT_EQ(format_float("00 ", 3), "03 ");
  EXPECT_EQ(format_float("#0 ", 3), "3 ");
  EXPECT_EQ(format_float("###0 ", 1992), "1992 ");
  EXPECT_EQ(format_float("###0 ", -44), "-44 ");
  EXPECT_EQ(format_float("#0.0# ", 2.5L), "2,5 ");
  EXPECT_EQ(format_float("#0.##0 ", 2.5L), "2,500 ");
  // The points of "U.A." are text, not decimal points.
  EXPECT_EQ(format_float("#0.000000 U.A.", 1.5L), "1,500000 U.A.");
  EXPECT_EQ(format_float("###0.000000 UA", 39.48L), "39,480000 UA");
  EXPECT_EQ(format_float("############0.000000 km", 149597870.7L), "149597870,700000 km");
  EXPECT_EQ(format_float("", 3), "");
  EXPECT_EQ(format_float("km", 3), "km");
}

TEST(FormatsNombre, SeparateurDeMilliers) {
  EXPECT_EQ(format_float("### ##0.###0", 1234567.5L), "1 234 567,5000");
  EXPECT_EQ(format_float("### ##0.###0", 368409.6845L), "368 409,6845");
  EXPECT_EQ(format_float("### ##0.###0", 999.25L), "999,2500");
  EXPECT_EQ(format_float("### ##0.###0", 1000), "1 000,0000");
  EXPECT_EQ(format_float("### ##0.###0", 0), "0,0000");
  EXPECT_EQ(format_float("### ##0.###0", 123456789), "123 456 789,0000");
  EXPECT_EQ(format_float("### ##0.###0", -1234567.5L), "-1 234 567,5000");
  EXPECT_EQ(format_float("### ##0.###0", 0.123456L), "0,1235");
}

TEST(FormatsNombre, SeparateurDecimalDuPoste) {
  EXPECT_EQ(format_float("0.000", 3.14159L, "."), "3.142");
  EXPECT_EQ(format_float("0.000", 3.14159L, ","), "3,142");
  EXPECT_EQ(format_float("#0.000000 U.A.", 1.5L, "."), "1.500000 U.A.");
  EXPECT_EQ(format_float("### ##0.###0", 1234567.5L, "."), "1 234 567.5000");
  EXPECT_EQ(format_float("##0.0###", 7, "."), "7.0");
  EXPECT_EQ(format_float("0", 7, "."), "7");
}

TEST(FormatsNombre, ValeursNonFinies) {
  EXPECT_EQ(format_float("0.00", std::numeric_limits<long double>::quiet_NaN()), "NAN");
  EXPECT_EQ(format_float("0.00", std::numeric_limits<long double>::infinity()), "INF");
  EXPECT_EQ(format_float("0.00", -std::numeric_limits<long double>::infinity()), "-INF");
  EXPECT_EQ(format_float("0.00", std::numeric_limits<long double>::denorm_min()), "0,00");
  EXPECT_EQ(format_float("0", std::numeric_limits<long double>::max()).size(), 4933u);
}
