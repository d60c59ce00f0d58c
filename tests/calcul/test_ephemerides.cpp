#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "calcul/formats.h"
#include "calcul/pages/ephemerides.h"

using namespace almanax;

namespace {

const site_nomme paris{"Paris", 48.8333L, -2.3333L};

resultat_ephemerides page(planete p, date_jma date, int heure = 0, int minute = 0, std::string sep = ".") {
  entree_ephemerides e;
  e.p = p;
  e.instant.date = date;
  e.instant.heure = heure;
  e.instant.minute = minute;
  e.site = site_courant_de(paris);
  e.separateur = std::move(sep);
  return calcul_ephemerides(e);
}

std::string copie(const resultat_ephemerides& r, const cases_ephemerides& c = {}) {
  return copie_ephemerides(r, c, "20", 12, "1992", "00:00:00", champs_du_site(paris));
}

const std::regex motif_hm("[0-9]{1,2} h [0-5][0-9] m");

}  // namespace

// Mercury on 24 June 2065 at 0 h: published mean elements of the date
// L 203.494701°, a 0.387098310, e 0.20564510, i 7.006171°, Omega 49.107650°, pi 78.475382°.
TEST(Ephemerides, ElementsDeMercure2065) {
  const auto el = elements_de(planete::mercure, (2475460.5L - 2451545) / 36525);
  ASSERT_TRUE(el);
  EXPECT_NEAR(el->L, 203.494701L, 2e-6L);
  EXPECT_NEAR(el->a, 0.387098310L, 1e-12L);
  EXPECT_NEAR(el->e, 0.20564510L, 1e-8L);
  EXPECT_NEAR(el->i, 7.006171L, 1e-6L);
  EXPECT_NEAR(el->Omega, 49.107650L, 1e-6L);
  EXPECT_NEAR(el->pi, 78.475382L, 1e-6L);
  EXPECT_NEAR(el->M, el->L - el->pi, 1e-15L);
  EXPECT_NEAR(el->omega, el->pi - el->Omega, 1e-15L);
  EXPECT_FALSE(elements_de(planete::pluton, 0));
  // The Earth: no inclination, no node.
  const auto terre = elements_de(planete::terre, 0.3L);
  ASSERT_TRUE(terre);
  EXPECT_EQ(terre->i, 0);
  EXPECT_EQ(terre->Omega, 0);
  EXPECT_NEAR(terre->a, 1.000001018L, 1e-15L);
}

TEST(Ephemerides, AnomalieEtArgumentNonReduits) {
  // Venus in 1992: L 26.8° and pi 131.5°, so M is negative and shown so.
  const resultat_ephemerides r = page(planete::venus, {20, 12, 1992});
  ASSERT_TRUE(r.elements);
  EXPECT_LT(r.elements->M, 0);
  EXPECT_EQ(r.textes.anomalie_moyenne.rfind("-104 ° ", 0), 0u) << r.textes.anomalie_moyenne;
  EXPECT_GE(r.elements->L, 0);
  EXPECT_LT(r.elements->L, 360);
}

// Venus on 20 December 1992 at 0 h: 21 h 04 m 41 s, -18° 53' 17"; phase angle
// 72.96°, illuminated fraction 0.647 and magnitude -3.8 in the published example.
TEST(Ephemerides, Venus1992) {
  const resultat_ephemerides r = page(planete::venus, {20, 12, 1992});
  EXPECT_NEAR(r.jour_julien, 2448976.5L, 1e-9L);
  EXPECT_EQ(r.textes.ascension_droite, "21 h 04 m 41 s");
  EXPECT_EQ(r.textes.declinaison, "-18 ° 53 '  17 ''");
  EXPECT_EQ(r.textes.distance_terre, "0.9109");
  ASSERT_TRUE(r.distance_terre);
  EXPECT_NEAR(*r.distance_terre, 0.9108L, 2e-4L);
  EXPECT_EQ(r.textes.distance_soleil, "0.7246");
  ASSERT_TRUE(r.angle_phase && r.fraction_illuminee && r.magnitude && r.diametre_arcsec);
  EXPECT_NEAR(*r.angle_phase, 72.96L, 0.01L);
  EXPECT_NEAR(*r.fraction_illuminee, 0.647L, 0.001L);
  EXPECT_EQ(r.textes.surface_illuminee, "64.7");
  EXPECT_EQ(r.pourcentage, 65);
  EXPECT_EQ(r.textes.magnitude, "-3.8");
  EXPECT_NEAR(*r.diametre_arcsec, 16.82L / *r.distance_terre, 1e-12L);
  EXPECT_EQ(r.textes.diametre_apparent, "18.5 \"");
  // 0.910947 AU of light: 454 s.
  EXPECT_EQ(r.textes.temps_lumiere, "0 h 07 m 34 s");
  EXPECT_EQ(r.textes.longitude_heliocentrique, "26 ° 06 ' 51 ''");
  EXPECT_EQ(r.textes.latitude_heliocentrique, "-2 ° 37 ' 15 ''");
  EXPECT_EQ(r.textes.demi_grand_axe, "0.723329820  ");
  EXPECT_EQ(r.textes.excentricite.substr(r.textes.excentricite.size() - 2), "  ");
  EXPECT_TRUE(r.elements_visibles);
  EXPECT_TRUE(r.copie_elements_active);
  EXPECT_FALSE(r.image_vide);
  const couleur_rgb c = r.couleur;
  EXPECT_EQ(c.r, 255);
  EXPECT_EQ(c.g, 0);
  EXPECT_EQ(c.b, 255);
  // An evening planet in December: rises late morning, sets in the evening.
  ASSERT_TRUE(r.lever_coucher);
  EXPECT_TRUE(std::regex_match(r.textes.heure_lever, motif_hm)) << r.textes.heure_lever;
  EXPECT_TRUE(std::regex_match(r.textes.heure_meridien, motif_hm)) << r.textes.heure_meridien;
  EXPECT_TRUE(std::regex_match(r.textes.heure_coucher, motif_hm)) << r.textes.heure_coucher;
  EXPECT_LT(r.lever_coucher->heure_lever, r.lever_coucher->heure_meridien);
  EXPECT_LT(r.lever_coucher->heure_meridien, r.lever_coucher->heure_coucher);
  EXPECT_NEAR(r.lever_coucher->heure_meridien, 15.0L, 0.3L);
}

TEST(Ephemerides, SeparateurDecimal) {
  const resultat_ephemerides r = page(planete::venus, {20, 12, 1992}, 0, 0, ",");
  EXPECT_EQ(r.textes.distance_terre, "0,9109");
  EXPECT_EQ(r.textes.distance_soleil, "0,7246");
  EXPECT_EQ(r.textes.surface_illuminee, "64,7");
  EXPECT_EQ(r.textes.magnitude, "-3,8");
  EXPECT_EQ(r.textes.diametre_apparent, "18,5 \"");
  EXPECT_EQ(r.textes.demi_grand_axe, "0,723329820  ");
  EXPECT_EQ(r.textes.distance_soleil_km.find('.'), std::string::npos);
}

TEST(Ephemerides, DistancesEnKilometres) {
  const resultat_ephemerides r = page(planete::jupiter, {20, 12, 1992});
  ASSERT_TRUE(r.distance_terre);
  // The texts read back to the raw values times 149565800 km.
  EXPECT_NEAR(std::stold(r.textes.distance_soleil_km), r.distance_soleil * 149565800.0L, 0.0001L);
  EXPECT_NEAR(std::stold(r.textes.distance_terre_km), *r.distance_terre * 149565800.0L, 0.0001L);
  EXPECT_EQ(r.textes.distance_soleil_km.size() - r.textes.distance_soleil_km.find('.'), 5u);  // four decimals
}

TEST(Ephemerides, LaTerre) {
  const resultat_ephemerides r = page(planete::terre, {20, 12, 1992});
  EXPECT_TRUE(r.elements_visibles);
  EXPECT_EQ(r.textes.inclinaison, "0 ° 00 '  00 ''");
  EXPECT_EQ(r.textes.longitude_noeud, "0 ° 00 '  00 ''");
  EXPECT_FALSE(r.textes.longitude_moyenne.empty());
  for (const std::string* champ :
       {&r.textes.ascension_droite, &r.textes.declinaison, &r.textes.distance_terre, &r.textes.distance_terre_km,
        &r.textes.diametre_apparent, &r.textes.magnitude, &r.textes.surface_illuminee, &r.textes.heure_lever,
        &r.textes.heure_meridien, &r.textes.heure_coucher, &r.textes.temps_lumiere})
    EXPECT_TRUE(champ->empty()) << *champ;
  EXPECT_EQ(r.textes.distance_soleil, "0.9838");
  EXPECT_EQ(r.textes.longitude_heliocentrique, "88 ° 21 ' 25 ''");
  EXPECT_TRUE(r.image_vide);
  EXPECT_FALSE(r.magnitude);
  EXPECT_FALSE(r.lever_coucher);
  EXPECT_FALSE(r.alpha);
}

TEST(Ephemerides, Pluton) {
  const resultat_ephemerides r = page(planete::pluton, {13, 10, 1992});
  EXPECT_FALSE(r.elements_visibles);
  EXPECT_FALSE(r.copie_elements_active);
  EXPECT_FALSE(r.elements);
  EXPECT_TRUE(r.textes.longitude_moyenne.empty() && r.textes.demi_grand_axe.empty() &&
              r.textes.argument_perihelie.empty());
  EXPECT_EQ(r.textes.distance_terre, "30.5290");  // always four decimals
  EXPECT_EQ(r.textes.distance_terre_km.size() - r.textes.distance_terre_km.find('.'), 5u);
  EXPECT_FALSE(r.angle_phase);
  // J2000 geometric place (no aberration, no nutation).
  EXPECT_EQ(r.textes.ascension_droite, "15 h 31 m 44 s");
  EXPECT_EQ(r.textes.declinaison, "-4 ° 27 '  31 ''");
  // The light time still comes from the distance: 30.52902 AU x 498.553 s is 15220.3 s.
  EXPECT_EQ(r.textes.temps_lumiere, "4 h 13 m 40 s");
  ASSERT_TRUE(r.magnitude && r.diametre_arcsec);
  EXPECT_NEAR(*r.magnitude, -1 + 5 * std::log10(r.position.r_pluton * *r.distance_terre), 1e-12L);
  EXPECT_EQ(r.textes.magnitude, "13.8");
  EXPECT_EQ(r.textes.diametre_apparent, "0.1 \"");
  EXPECT_EQ(r.textes.surface_illuminee, "100.0");
  EXPECT_FALSE(r.textes.heure_lever.empty());
}

// Venus at superior conjunction (13 June 1992): fully lit.
TEST(Ephemerides, ConjonctionSuperieure) {
  const resultat_ephemerides r = page(planete::venus, {13, 6, 1992});
  EXPECT_EQ(r.textes.surface_illuminee, "100.0");
  EXPECT_EQ(r.pourcentage, 100);
  ASSERT_TRUE(r.angle_phase);
  EXPECT_LT(*r.angle_phase, 1.0L);
}

TEST(Ephemerides, TexteTempsLumiere) {
  EXPECT_EQ(texte_temps_lumiere((43 * 60 + 36.4L) / 3600), "0 h 43 m 36 s");
  EXPECT_EQ(texte_temps_lumiere(4 + 13.0L / 60 + 27.6L / 3600), "4 h 13 m 28 s");
  EXPECT_EQ(texte_temps_lumiere(59.9999L / 3600 + 0.5L), "0 h 31 m 00 s");
}

// Saturn on 1 October 1972: the Sun's and the Earth's longitudes in the ring plane
// lie on both sides of the quadrant cut; their difference is a few degrees, not a
// whole turn, and the magnitude stays that of Saturn.
TEST(Ephemerides, AnneauxDeSaturneDeChaqueCoteDeLaCoupure) {
  const resultat_ephemerides r = page(planete::saturne, {1, 10, 1972});
  ASSERT_TRUE(r.saturne && r.magnitude);
  EXPECT_LT(r.saturne->delta_U, 10);
  EXPECT_LT(*r.magnitude, 1.0L);
  EXPECT_GT(*r.magnitude, -0.6L);
  // Rings wide open in 1972 (about -26°).
  EXPECT_NEAR(r.saturne->B * rad_deg, -26.4L, 0.5L);

  const long double i = 28.0L * deg_rad, om = 169.5L * deg_rad;
  const anneaux a = geometrie_anneaux(i, om, om + 270.1L * deg_rad, 0, om + 269.9L * deg_rad, 0);
  EXPECT_LT(a.delta_U, 1.0L);
  const anneaux b = geometrie_anneaux(i, om, om + 30 * deg_rad, 0, om + 25 * deg_rad, 0);
  EXPECT_GT(b.delta_U, 3.0L);
  EXPECT_LT(b.delta_U, 7.0L);
}

TEST(Ephemerides, SaturneSurDeuxRevolutions) {
  for (long double jd = 2433282.5L; jd < 2455000.5L; jd += 97.3L) {
    etat_position e;
    position_instant(planete::saturne, jd, 0, e);
    const luminosite_planete l = luminosite(planete::saturne, e, jd);
    ASSERT_TRUE(l.saturne);
    EXPECT_LE(l.saturne->delta_U, 7.5L) << jd;
    EXPECT_GT(l.magnitude, -0.6L) << jd;
    EXPECT_LT(l.magnitude, 1.6L) << jd;
    EXPECT_LE(std::fabs(l.saturne->B * rad_deg), 27.5L) << jd;
  }
}

TEST(Ephemerides, DiametreDeJupiterAplati) {
  const resultat_ephemerides r = page(planete::jupiter, {20, 12, 1992});
  ASSERT_TRUE(r.diametre_arcsec && r.declinaison_terre_jupiter && r.distance_terre);
  // Seen nearly equator-on, the mean of the axes is below the equatorial size.
  EXPECT_LT(std::fabs(*r.declinaison_terre_jupiter * rad_deg), 4);
  EXPECT_LT(*r.diametre_arcsec, 196.88L / *r.distance_terre);
  EXPECT_NEAR(*r.diametre_arcsec, 196.88L / *r.distance_terre * 0.935L, 0.02L);
}

TEST(Ephemerides, MagnitudesPlausibles) {
  const long double bornes[9][2] = {{-2.6L, 5.5L}, {-4.9L, -3.0L}, {0, 0},       {-3.0L, 2.3L}, {-3.0L, -1.0L},
                                    {0, 0},        {5.2L, 6.5L},   {7.6L, 8.2L}, {13.0L, 16.5L}};
  for (int p : {0, 1, 3, 4, 6, 7, 8}) {
    for (long double jd = 2444239.5L; jd < 2455000.5L; jd += 211.7L) {
      etat_position e;
      position_instant(static_cast<planete>(p), jd, 0, e);
      const luminosite_planete l = luminosite(static_cast<planete>(p), e, jd);
      EXPECT_GE(l.magnitude, bornes[p][0]) << p << " " << jd;
      EXPECT_LE(l.magnitude, bornes[p][1]) << p << " " << jd;
      EXPECT_GE(l.fraction, 0) << p;
      EXPECT_LE(l.fraction, 1.0001L) << p;
    }
  }
}

// Near inferior conjunction the cosine of the phase angle comes close to -1: the
// angle stays a number near 180°.
TEST(Ephemerides, AnglePhaseAuxLimites) {
  etat_position e;
  e.R = 0.72L;
  e.R0 = 1.0L;
  e.Delta = 0.28L;
  e.L = e.L0 = 1.0L;  // the planet exactly between the Sun and the Earth
  luminosite_planete l = luminosite(planete::venus, e, 2448976.5L);
  EXPECT_TRUE(std::isfinite(l.angle_phase));
  EXPECT_NEAR(l.angle_phase, 180, 0.1L);
  EXPECT_TRUE(std::isfinite(l.magnitude));
  EXPECT_NEAR(l.fraction, 0, 1e-12L);
  e.Delta = 0.2799999L;  // rounding pushes the cosine below -1
  l = luminosite(planete::venus, e, 2448976.5L);
  EXPECT_TRUE(std::isfinite(l.angle_phase));
  EXPECT_TRUE(std::isfinite(l.magnitude));
  // Behind the Sun.
  e.Delta = 1.72L;
  l = luminosite(planete::venus, e, 2448976.5L);
  e.L0 = 1.0L + pi;
  l = luminosite(planete::venus, e, 2448976.5L);
  EXPECT_NEAR(l.angle_phase, 0, 0.05L);  // the cosine is held just below 1
  EXPECT_NEAR(l.fraction, 1, 1e-12L);
}

TEST(Ephemerides, CopieComplete) {
  const resultat_ephemerides r = page(planete::venus, {20, 12, 1992});
  const std::string t = copie(r);
  const std::string debut = "Vénus\r\n\r\nLe 20 Décembre 1992 à 00:00:00\r\nA Paris\t";
  EXPECT_EQ(t.substr(0, debut.size()), debut);
  const std::string coordonnees =
      "\r\n\r\nLongitude héliocentrique \t" + r.textes.longitude_heliocentrique + "\r\nLatitude héliocentrique \t" +
      r.textes.latitude_heliocentrique +
      "\r\nAscension droite \t21 h 04 m 41 s\r\nDéclinaison \t-18 ° 53 '  17 ''\r\n\r\n"
      "Distance au Soleil \t0.7246 UA\r\nDistance au Soleil \t" +
      r.textes.distance_soleil_km + " km\r\nDistance à la Terre \t0.9109 UA\r\nDistance à la Terre \t" +
      r.textes.distance_terre_km +
      " km\r\nDiamètre apparent \t18.5 \"\r\nMagnitude \t-3.8\r\n"
      "Surface illuminée \t64.7 %\r\nLever \t" +
      r.textes.heure_lever + "\r\nMéridien \t" + r.textes.heure_meridien + "\r\nCoucher \t" + r.textes.heure_coucher +
      "\r\nTemps lumière \t0 h 07 m 34 s\r\n\r\n";
  EXPECT_NE(t.find(coordonnees), std::string::npos) << t;
  const std::string elements = "Longitude moyenne \t" + r.textes.longitude_moyenne +
                               "\r\n1/2 grand axe \t0.723329820   UA\r\nExcentricité \t" + r.textes.excentricite +
                               "\r\nInclinaison \t" + r.textes.inclinaison + "\r\nLong. noeud ascendant \t" +
                               r.textes.longitude_noeud + "\r\nLongitude du Périhélie \t" +
                               r.textes.longitude_perihelie + "\r\nAnomalie moyenne \t" + r.textes.anomalie_moyenne +
                               "\r\nArgument du Périhélion \t" + r.textes.argument_perihelie + "\r\n\r\n";
  ASSERT_GE(t.size(), elements.size());
  EXPECT_EQ(t.substr(t.size() - elements.size()), elements);
  // Every line ends with CR LF; no bare line feed or carriage return.
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\n') {
      EXPECT_TRUE(i > 0 && t[i - 1] == '\r') << i;
    }
    if (t[i] == '\r') {
      EXPECT_TRUE(i + 1 < t.size() && t[i + 1] == '\n') << i;
    }
  }
}

TEST(Ephemerides, CopieSelonLesCases) {
  const resultat_ephemerides r = page(planete::mars, {20, 12, 1992});
  cases_ephemerides aucune{false, false, false, false, false};
  EXPECT_EQ(copie(r, aucune), "");
  cases_ephemerides planete_seule = aucune;
  planete_seule.planete = true;
  EXPECT_EQ(copie(r, planete_seule), "Mars\r\n\r\n");
  cases_ephemerides date_seule = aucune;
  date_seule.date_heure = true;
  EXPECT_EQ(copie(r, date_seule), "Le 20 Décembre 1992 à 00:00:00\r\n");
  cases_ephemerides sans_elements;
  sans_elements.elements = false;
  EXPECT_EQ(copie(r, sans_elements).find("Longitude moyenne"), std::string::npos);
  cases_ephemerides elements_seuls = aucune;
  elements_seuls.elements = true;
  EXPECT_EQ(copie(r, elements_seuls).rfind("Longitude moyenne \t", 0), 0u);
}

TEST(Ephemerides, CopieDePlutonEtDeLaTerre) {
  const std::string p = copie(page(planete::pluton, {13, 10, 1992}));
  EXPECT_EQ(p.rfind("Pluton\r\n\r\n", 0), 0u);
  EXPECT_EQ(p.find("Longitude moyenne"), std::string::npos);  // the box is disabled for Pluto
  EXPECT_NE(p.find("Distance à la Terre \t30.5290 UA\r\n"), std::string::npos);
  EXPECT_EQ(p.substr(p.size() - 4), "\r\n\r\n");

  const std::string t = copie(page(planete::terre, {20, 12, 1992}));
  EXPECT_NE(t.find("Ascension droite \t\r\n"), std::string::npos);
  EXPECT_NE(t.find("Distance à la Terre \t UA\r\n"), std::string::npos);
  EXPECT_NE(t.find("Surface illuminée \t %\r\n"), std::string::npos);
  EXPECT_NE(t.find("Inclinaison \t0 ° 00 '  00 ''\r\n"), std::string::npos);
}

// A planet that crosses 0 h during the three days: the page still computes every field.
TEST(Ephemerides, PassageParZeroHeure) {
  const resultat_ephemerides r = page(planete::jupiter, {11, 2, 1999});
  ASSERT_TRUE(r.alpha);
  EXPECT_GT(r.position.alpha_3j[0], 359);
  EXPECT_LT(r.position.alpha_3j[2], 1);
  EXPECT_TRUE(r.textes.ascension_droite.rfind("0 h 00 m", 0) == 0 ||
              r.textes.ascension_droite.rfind("23 h 59 m", 0) == 0)
      << r.textes.ascension_droite;
  EXPECT_FALSE(r.textes.heure_meridien.empty());
  EXPECT_FALSE(r.textes.heure_lever.empty());
  EXPECT_FALSE(r.textes.heure_coucher.empty());
}

TEST(Ephemerides, HeureEtAnneeNegative) {
  const resultat_ephemerides a = page(planete::venus, {20, 12, 1992}, 12, 30);
  EXPECT_NEAR(a.jour_julien, 2448977.0208333L, 1e-5L);  // Julian days are stored to about 0.4 s
  // Year -1 of the page is the astronomical year 0.
  const resultat_ephemerides b = page(planete::mars, {1, 1, -1});
  EXPECT_NEAR(b.jour_julien, 1721057.5L, 1e-6L);
  EXPECT_FALSE(b.textes.ascension_droite.empty());
}
