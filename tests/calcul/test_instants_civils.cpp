// The pages of one instant in civil time: the offset said for a typed time, the copies
// that say it once, the planetaria's steps and the Jupiter chart across the changes of
// summer time. (Each page against its report: tests/ihm; the reports: tests/cli.)
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calcul/delta_t.h"
#include "calcul/pages/comete.h"
#include "calcul/pages/ephemerides.h"
#include "calcul/pages/planetarium.h"
#include "calcul/pages/precessions.h"
#include "calcul/pages/satellites.h"
#include "calcul/pages/soleil_lune.h"
#include "fuseau_essai.h"
#include "instant_essai.h"

namespace almanax {
namespace {

using essais::fuseau_europe_2026;

constexpr long double heure = 1.0L / 24;

const echelle_temps& paris() {
  static const echelle_temps e(std::make_shared<fuseau_europe_2026>());
  return e;
}

using essais::instant;

site_courant paris_site() {
  site_courant s;
  s.latitude = 48.8333L;
  s.longitude = 2.35L;
  s.sens_longitude = -1;
  return s;
}

TEST(InstantsCivils, LaMentionEstLeDecalageDeLaLecture) {
  // The clock time less the offset said is the UT computed, even in the hour the clocks
  // skip (read with the offset before) and the hour they repeat (its first time).
  const struct {
    instant_saisi saisi;
    long double tu_heures;  // of the same date
    const char* mention;
  } cas[] = {
      {instant(29, 3, 2026, 2, 30), 1.5L, "heure légale, UTC+1"},
      {instant(29, 3, 2026, 3, 30), 1.5L, "heure légale, UTC+2"},
      {instant(25, 10, 2026, 2, 30), 0.5L, "heure légale, UTC+2"},
      {instant(25, 10, 2026, 3, 30), 2.5L, "heure légale, UTC+1"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.mention);
    const instant_lu i = lire_instant(c.saisi, paris());
    const long double tu = jour_julien_saisi(instant(c.saisi.date.jour, c.saisi.date.mois, 2026)) + c.tu_heures * heure;
    EXPECT_NEAR(static_cast<double>((i.jde - tu) * 86400.0L), static_cast<double>(delta_t_s(tu)), 0.5);
    EXPECT_EQ(i.mention, c.mention);
  }
}

TEST(InstantsCivils, CopiesDisentUneFoisLHeureLegale) {
  const instant_saisi midi = instant(21, 6, 2026, 12);
  const champs_bloc_date d = champs_bloc_date_de(midi);
  const auto compte = [](const std::string& t) {
    int n = 0;
    for (auto p = t.find("heure légale"); p != std::string::npos; p = t.find("heure légale", p + 1)) ++n;
    return n;
  };
  // On the date line; without it, on a line of its own heading the copy; not at all
  // when no time is copied.
  const resultat_soleil_lune r = calcul_soleil_lune(midi, paris_site(), ",", paris());
  cases_soleil_lune cases;
  EXPECT_NE(copie_soleil_lune(r, cases, d, {}).find("à 12:00:00 (heure légale, UTC+2)\r\n"), std::string::npos);
  EXPECT_EQ(compte(copie_soleil_lune(r, cases, d, {})), 1);
  cases.date_heure = false;
  EXPECT_TRUE(copie_soleil_lune(r, cases, d, {}).starts_with("Heures : heure légale, UTC+2\r\n"));
  EXPECT_EQ(compte(copie_soleil_lune(r, cases, d, {})), 1);
  cases.soleil = cases.lune = false;
  EXPECT_EQ(compte(copie_soleil_lune(r, cases, d, {})), 0);
  entree_ephemerides e;
  e.instant = midi;
  e.echelle = paris();
  cases_ephemerides ce;
  ce.date_heure = false;
  EXPECT_TRUE(copie_ephemerides(calcul_ephemerides(e), ce, "21", 6, "2026", "12:00:00", {})
                  .starts_with("Vénus\r\n\r\nHeures : heure légale, UTC+2\r\n"));

  // The comet's perihelion passage is an instant of its elements' time scale, and the
  // precession's reference equinox an epoch of the theories: neither is read on the clock.
  textes_comete t;
  t.T_annee = "1989";
  t.T_mois = "8";
  t.T_jour = "20,5";
  for (const bool legale : {false, true}) {
    const std::string copie = copie_comete("C", d, t, "bloc", {}, legale ? "heure légale, UTC+2" : "");
    EXPECT_EQ(copie.find("20 Août 1989 à 12 h 00 m (TT)\r\n") != std::string::npos, legale) << copie;
  }
  entree_precession p;
  p.reference = instant(1, 1, 2000, 12);
  p.voulue = midi;
  p.echelle = paris();
  EXPECT_EQ(calcul_precession(p).jour_julien_reference, 2451545.0L);
}

TEST(InstantsCivils, PasDesPlanetariaEnJoursCivils) {
  // Each step: the fields it reaches, and the time between the two instants read on
  // the zone's clock (TT differences, ΔT aside).
  using enum intervalle_geo;
  const sens_pas av = sens_pas::avant, ar = sens_pas::arriere;
  const struct {
    instant_saisi depart;
    intervalle_geo i;
    sens_pas s;
    bool legale;
    instant_saisi arrivee;
    long double heures;
  } cas[] = {
      {instant(28, 3, 2026, 12), jour, av, true, instant(29, 3, 2026, 12), 23},
      {instant(24, 10, 2026, 12), jour, av, true, instant(25, 10, 2026, 12), 25},
      {instant(25, 3, 2026, 12), sept_jours, av, true, instant(1, 4, 2026, 12), 7 * 24 - 1},
      // An hour is an hour of time: 1 h then 3 h when the clocks go forward; when they
      // go back the second 2 h, which the fields would read as the first, is stepped over.
      {instant(29, 3, 2026, 1), heure, av, true, instant(29, 3, 2026, 3), 1},
      {instant(29, 3, 2026, 3), heure, ar, true, instant(29, 3, 2026, 1), -1},
      {instant(25, 10, 2026, 1), heure, av, true, instant(25, 10, 2026, 2), 1},
      {instant(25, 10, 2026, 2), heure, av, true, instant(25, 10, 2026, 3), 2},
      {instant(25, 10, 2026, 3), heure, ar, true, instant(25, 10, 2026, 2), -2},
      // As times stand the clock's hour, as always.
      {instant(29, 3, 2026, 1), heure, av, false, instant(29, 3, 2026, 2), 1},
  };
  for (const auto& c : cas) {
    const echelle_temps echelle = c.legale ? paris() : echelle_temps{};
    SCOPED_TRACE(std::to_string(c.depart.date.jour) + "/" + std::to_string(c.depart.date.mois) + " " +
                 std::to_string(c.depart.heure) + " h, pas " + std::to_string(static_cast<int>(c.i)));
    const std::optional<instant_saisi> a = pas_geo(c.depart, c.i, c.s, echelle);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->date, c.arrivee.date);
    EXPECT_EQ(a->heure, c.arrivee.heure);
    EXPECT_EQ(a->minute, c.arrivee.minute);
    const long double ecart = echelle.vers_tt(jour_julien_saisi(*a)) - echelle.vers_tt(jour_julien_saisi(c.depart));
    // The typed Julian day is stored to about a third of a second.
    EXPECT_NEAR(static_cast<double>(ecart * 24), static_cast<double>(c.heures), 1.0 / 3600);
  }
  // The heliocentric map steps the date alone: one civil day is 23 hours that night.
  const std::optional<date_jma> d = pas_helio({28, 3, 2026}, intervalle_helio::jour, av);
  ASSERT_TRUE(d.has_value());
  const instant_planetarium avant = calcul_helio(instant(28, 3, 2026, 12), 571, 521, ",", paris()).instant;
  instant_saisi suivant = instant(28, 3, 2026, 12);
  suivant.date = *d;
  const instant_planetarium apres = calcul_helio(suivant, 571, 521, ",", paris()).instant;
  EXPECT_NEAR(static_cast<double>((apres.jour_julien - avant.jour_julien) * 24), 23, 1.0 / 3600);
}

TEST(InstantsCivils, SatellitesDuMoisDuChangementDHeure) {
  // October 2026 in the zone: the day lines are each civil day's 0 h, 25 hours apart
  // across the night the clocks go back, and the chart and the list say where UTC+1 starts.
  const graphique_satellites g = graphique_des_satellites(10, 2026, sat_largeur, sat_hauteur, paris());
  EXPECT_EQ(g.mention, "heure légale, UTC+2 (UTC+1 à partir du 26)");
  EXPECT_NEAR(static_cast<double>((instant_jour_grille(g, 26, paris()) - instant_jour_grille(g, 25, paris())) * 24), 25,
              1.0 / 3600);
  std::vector<positions_satellites> jours;
  for (int k = 0; k < static_cast<int>(g.jours.size()); ++k)
    jours.push_back(positions_des_satellites(instant_jour_grille(g, k, paris())));
  const std::string t = texte_satellites(jours, false, ",", paris());
  EXPECT_NE(t.find("(positif à l'ouest) ; heure légale, UTC+2\r\nDate\t"), std::string::npos) << t;
  // Every civil day once, in order, from 30 September; the 26th alone says its new offset.
  for (int jour = 1; jour <= 31; ++jour) {
    const std::string debut = (jour < 10 ? "\r\n0" : "\r\n") + std::to_string(jour) + "/10/2026\t";
    const std::size_t p = t.find(debut);
    ASSERT_NE(p, std::string::npos) << debut;
    const std::string ligne = t.substr(p + 2, t.find("\r\n", p + 2) - p - 2);
    EXPECT_EQ(ligne.ends_with("\tUTC+1"), jour == 26) << ligne;
  }
  EXPECT_NE(t.find("\r\n30/09/2026\t"), std::string::npos);
}

}  // namespace
}  // namespace almanax
