#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calcul/pages/ephemerides.h"
#include "calcul/pages/soleil_lune.h"
#include "calcul/rapport.h"
#include "instant_essai.h"

using namespace almanax;

namespace {

using essais::instant;

site_courant paris() {
  site_courant s;
  s.latitude = 48.8667L;
  s.longitude = 2.3333L;
  s.sens_longitude = -1;
  return s;
}

champs_site champs_paris() {
  site_nomme s;
  s.nom = "Paris";
  s.latitude = 48.8667L;
  s.longitude = -2.3333L;
  return champs_du_site(s);
}

// The report cut at its CR LF line ends (the last, empty piece dropped).
std::vector<std::string> lignes(const std::string& t) {
  std::vector<std::string> r;
  std::size_t debut = 0;
  for (std::size_t p; (p = t.find("\r\n", debut)) != std::string::npos; debut = p + 2)
    r.push_back(t.substr(debut, p - debut));
  EXPECT_EQ(debut, t.size()) << "text after the last CR LF";
  return r;
}

}  // namespace

TEST(SoleilLunePage, MemeInstantPourLesDeuxGroupes) {
  const resultat_soleil_lune r = calcul_soleil_lune(instant(13, 10, 1992), paris(), ",");
  EXPECT_EQ(r.jour_julien, 2448908.5L);
  EXPECT_EQ(r.soleil.jour_julien, r.jour_julien);
  EXPECT_EQ(r.lune.jour_julien, r.jour_julien);
  EXPECT_EQ(r.soleil.textes.distance_terre, "0,99761");
  EXPECT_NEAR(r.soleil.longitude_apparente, 199.906L, 0.0005L);
  // The clock time enters the instant.
  const resultat_soleil_lune midi = calcul_soleil_lune(instant(13, 10, 1992, 12, 30, 36), paris(), ",");
  EXPECT_NEAR(midi.jour_julien, 2448909.0L + (30 * 60 + 36) / 86400.0L, 2e-6L);  // stored on 40 bits
  EXPECT_GT(midi.lune.lambda - r.lune.lambda, 6.0L);
}

TEST(SoleilLunePage, AnneesHistoriques) {
  // Year -1 of the page is the astronomical year 0; 1 January of year 0 (Julian
  // calendar) is JD 1721057.5, and 1 January 1 is 366 days later.
  EXPECT_EQ(jour_julien_saisi(instant(1, 1, -1)), 1721057.5L);
  EXPECT_EQ(jour_julien_saisi(instant(1, 1, 1)), 1721423.5L);
  EXPECT_EQ(jour_julien_saisi(instant(12, 4, 1992)), 2448724.5L);
  // Far dates still compute without a NaN in any text.
  for (int annee : {-4713, -1, 1, 9999}) {
    const resultat_soleil_lune r = calcul_soleil_lune(instant(1, 1, annee), paris(), ",");
    const std::string t = copie_soleil_lune(r, {}, champs_bloc_date_de(r.saisie), champs_paris());
    EXPECT_EQ(t.find("nan"), std::string::npos) << annee;
    EXPECT_EQ(t.find("NAN"), std::string::npos) << annee;
  }
}

TEST(SoleilLuneCopie, ToutesLesCasesCochees) {
  const resultat_soleil_lune r = calcul_soleil_lune(instant(13, 10, 1992), paris(), ",");
  const std::string t = copie_soleil_lune(r, {}, champs_bloc_date_de(r.saisie), champs_paris());
  const std::vector<std::string> l = lignes(t);
  const std::string site = bloc_site(champs_paris());
  const std::vector<std::string> attendu = {
      "Le 13 Octobre 1992 à 00:00:00",
      site.substr(0, site.size() - 4),
      "",
      "Soleil ",
      "",
      "Longitude géométrique \t" + r.soleil.textes.longitude_geometrique,
      "Longitude apparente \t" + r.soleil.textes.longitude_apparente,
      "Latitude apparente \t" + r.soleil.textes.latitude_apparente,
      "Ascension droite apparente \t" + r.soleil.textes.ascension_droite,
      "Déclinaison apparente \t" + r.soleil.textes.declinaison,
      "Distance à la Terre \t0,99761 UA",
      "Lever \t" + r.soleil.textes.heure_lever,
      "Méridien \t" + r.soleil.textes.heure_meridien,
      "Coucher \t" + r.soleil.textes.heure_coucher,
      "",
      "Lune ",
      "",
      "Longitude géocentrique \t" + r.lune.textes.longitude,
      "Latitude géocentrique \t" + r.lune.textes.latitude,
      "Ascension droite \t" + r.lune.textes.ascension_droite,
      "Déclinaison \t" + r.lune.textes.declinaison,
      "Distance à la Terre \t" + r.lune.textes.distance_terre + " km",
      "parallaxe \t" + r.lune.textes.parallaxe,
      "Fraction illuminée \t" + r.lune.textes.fraction_illuminee + " %",
      "Diamètre apparent \t" + r.lune.textes.diametre_apparent,
      "Lever \t" + r.lune.textes.heure_lever,
      "Méridien \t" + r.lune.textes.heure_meridien,
      "Coucher \t" + r.lune.textes.heure_coucher,
      "",
      "",
  };
  EXPECT_EQ(l, attendu);
  EXPECT_TRUE(site.starts_with("A Paris\t"));
  // No label is left empty.
  for (const std::string* s :
       {&r.soleil.textes.longitude_geometrique, &r.soleil.textes.latitude_apparente, &r.soleil.textes.heure_lever,
        &r.lune.textes.longitude, &r.lune.textes.distance_terre, &r.lune.textes.fraction_illuminee,
        &r.lune.textes.diametre_apparent, &r.lune.textes.heure_coucher})
    EXPECT_FALSE(s->empty());
}

TEST(SoleilLuneCopie, AucuneCaseCocheeDonneUneLigneVide) {
  const resultat_soleil_lune r = calcul_soleil_lune(instant(13, 10, 1992), paris(), ",");
  const cases_soleil_lune aucune{false, false, false, false};
  EXPECT_EQ(copie_soleil_lune(r, aucune, champs_bloc_date_de(r.saisie), champs_paris()), "\r\n");
}

TEST(SoleilLuneCopie, ChaqueCaseSeule) {
  const resultat_soleil_lune r = calcul_soleil_lune(instant(12, 4, 1992, 21, 5, 9), paris(), ".");
  const champs_bloc_date d = champs_bloc_date_de(r.saisie);
  EXPECT_EQ(d.heure, "21:05:09");
  EXPECT_EQ(copie_soleil_lune(r, {true, false, false, false}, d, champs_paris()),
            "Le 12 Avril 1992 à 21:05:09\r\n\r\n");
  EXPECT_EQ(copie_soleil_lune(r, {false, true, false, false}, d, champs_paris()), bloc_site(champs_paris()) + "\r\n");
  EXPECT_EQ(copie_soleil_lune(r, {false, false, true, false}, d, champs_paris()), bloc_soleil(r.soleil) + "\r\n");
  EXPECT_EQ(copie_soleil_lune(r, {false, false, false, true}, d, champs_paris()), bloc_lune(r.lune) + "\r\n");
  EXPECT_TRUE(bloc_soleil(r.soleil).starts_with("Soleil \r\n\r\nLongitude géométrique \t"));
  EXPECT_TRUE(bloc_lune(r.lune).starts_with("Lune \r\n\r\nLongitude géocentrique \t"));
  EXPECT_TRUE(bloc_lune(r.lune).ends_with("\r\n\r\n"));
  // The point separator reaches the Moon's distance.
  EXPECT_NE(bloc_lune(r.lune).find("Distance à la Terre \t"), std::string::npos);
  EXPECT_EQ(r.lune.textes.distance_terre.find(','), std::string::npos);
}

TEST(SoleilLuneCopie, AnneeAvantNotreEre) {
  // The year shows as typed (historical numbering) in the date block.
  const resultat_soleil_lune r = calcul_soleil_lune(instant(3, 2, -44), paris(), ",");
  EXPECT_EQ(copie_soleil_lune(r, {true, false, false, false}, champs_bloc_date_de(r.saisie), champs_paris()),
            "Le 3 Février -44 à 00:00:00\r\n\r\n");
}

namespace {

// Rising, transit and setting belong to the calendar day, not to the clock time typed:
// the Sun, the Moon and a planet give the same three texts at 0 h, noon and 23:59,
// while the place itself follows the clock.
TEST(LeverDuJour, IndependantDeLHeureSaisie) {
  struct cas {
    int jour, mois, annee;
  };
  for (const cas& c : {cas{8, 12, 2026}, cas{23, 6, 2026}, cas{1, 1, 2025}, cas{15, 3, -500}}) {
    SCOPED_TRACE(std::to_string(c.jour) + "/" + std::to_string(c.mois) + "/" + std::to_string(c.annee));
    const auto minuit = calcul_soleil_lune(instant(c.jour, c.mois, c.annee), paris(), ",");
    entree_ephemerides ep;
    ep.p = planete::mars;
    ep.site = paris();
    ep.instant = instant(c.jour, c.mois, c.annee);
    const auto mars_minuit = calcul_ephemerides(ep);
    for (const auto& [h, m] : {std::pair{12, 0}, std::pair{23, 59}}) {
      const auto r = calcul_soleil_lune(instant(c.jour, c.mois, c.annee, h, m), paris(), ",");
      EXPECT_EQ(r.lune.textes.heure_lever, minuit.lune.textes.heure_lever);
      EXPECT_EQ(r.lune.textes.heure_meridien, minuit.lune.textes.heure_meridien);
      EXPECT_EQ(r.lune.textes.heure_coucher, minuit.lune.textes.heure_coucher);
      EXPECT_EQ(r.soleil.textes.heure_lever, minuit.soleil.textes.heure_lever);
      EXPECT_EQ(r.soleil.textes.heure_meridien, minuit.soleil.textes.heure_meridien);
      EXPECT_EQ(r.soleil.textes.heure_coucher, minuit.soleil.textes.heure_coucher);
      EXPECT_NE(r.lune.textes.ascension_droite, minuit.lune.textes.ascension_droite);  // the place is the instant's
      ep.instant = instant(c.jour, c.mois, c.annee, h, m);
      const auto mars = calcul_ephemerides(ep);
      EXPECT_EQ(mars.textes.heure_lever, mars_minuit.textes.heure_lever);
      EXPECT_EQ(mars.textes.heure_meridien, mars_minuit.textes.heure_meridien);
      EXPECT_EQ(mars.textes.heure_coucher, mars_minuit.textes.heure_coucher);
      EXPECT_NE(mars.textes.ascension_droite, mars_minuit.textes.ascension_droite);
    }
  }
  // 8 December 2026 at Paris as the bundled list has it (48.85 N, 2.35 E): the Moon
  // rises at 7 h 24 (independent ephemeris).
  site_courant paris_liste = paris();
  paris_liste.latitude = 48.85L;
  paris_liste.longitude = 2.35L;
  const auto r = calcul_soleil_lune(instant(8, 12, 2026, 12, 0), paris_liste, ",");
  EXPECT_EQ(r.lune.textes.heure_lever, "7 h 24 m");
  // 23 June 2026: the refined setting falls past midnight; that day has none.
  const auto juin = calcul_soleil_lune(instant(23, 6, 2026, 12, 0), paris(), ",");
  EXPECT_EQ(juin.lune.lever_coucher.etat_coucher, etat_evenement::pas_ce_jour);
  EXPECT_EQ(juin.lune.textes.heure_coucher, "pas de coucher ce jour");
}

}  // namespace
