// The pages of one instant in civil time: the typed time read on the zone's clock by
// every page's computation, the rising and setting of the civil day on the days the
// clocks change, the planetaria's steps and the Jupiter chart across those days.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calcul/delta_t.h"
#include "calcul/pages/comete.h"
#include "calcul/pages/ephemerides.h"
#include "calcul/pages/equa_time.h"
#include "calcul/pages/planetarium.h"
#include "calcul/pages/precessions.h"
#include "calcul/pages/satellites.h"
#include "calcul/pages/soleil_lune.h"

namespace almanax {
namespace {

// Central European time with the 2026 summer time: UTC+2 from 29 March to 25 October,
// the changes at 1 h UT.
class fuseau_europe_2026 final : public fuseau_horaire {
 public:
  int decalage_s(long double jd_tu) const override {
    return jd_tu >= 2461128.5L + 1.0L / 24 && jd_tu < 2461338.5L + 1.0L / 24 ? 7200 : 3600;
  }
  std::string nom() const override { return "Europe/Essai"; }
};

constexpr long double heure = 1.0L / 24;

const echelle_temps& paris() {
  static const echelle_temps e(std::make_shared<fuseau_europe_2026>());
  return e;
}

instant_saisi instant(int jour, int mois, int annee, int h = 0, int minute = 0) {
  instant_saisi i;
  i.date = {jour, mois, annee};
  i.heure = h;
  i.minute = minute;
  return i;
}

site_courant paris_site() {
  site_courant s;
  s.latitude = 48.8333L;
  s.longitude = 2.35L;
  s.sens_longitude = -1;
  return s;
}

// Hours and minutes of a "5 h 47 m" text, in hours.
long double heures_du_texte(const std::string& t) {
  int h = -1, m = -1;
  if (std::sscanf(t.c_str(), "%d h %d m", &h, &m) != 2) return -1;
  return h + m / 60.0L;
}

TEST(InstantsCivils, ChaquePageLitLHeureSurLHorlogeDuFuseau) {
  // 21 June 2026 at 12 h in Paris is 10 h UT, and TT is ΔT later; 0 h is 22 h UT the day
  // before. Every computation gets that instant, and says so once where it shows it.
  const instant_saisi midi = instant(21, 6, 2026, 12);
  const long double jd_midi = jour_julien_saisi(midi), jd_minuit = jd_midi - 0.5L;
  const auto tt = [](long double tu) { return tu + delta_t_s(tu) / 86400.0L; };
  const std::string mention = "heure légale, UTC+2";

  entree_ephemerides eph;
  eph.p = planete::mars;
  eph.instant = midi;
  eph.site = paris_site();
  entree_comete com;
  com.elements = {1989, 8, 20.29104L, 1.3245017L, 11.94051L, 1, 186.27004L, 334.72946L};
  com.observation = midi;
  com.nom = "COMETE";
  entree_precession pre;
  pre.reference = instant(1, 1, 2000, 12);
  pre.voulue = midi;

  for (const bool legale : {false, true}) {
    SCOPED_TRACE(legale);
    const echelle_temps echelle = legale ? paris() : echelle_temps{};
    eph.echelle = com.echelle = pre.echelle = echelle;
    const resultat_ephemerides e = calcul_ephemerides(eph);
    const resultat_soleil_lune sl = calcul_soleil_lune(midi, paris_site(), ",", echelle);
    const resultat_comete c = calcul_comete(com);
    const resultat_helio h = calcul_helio(midi, largeur_helio, hauteur_helio, ",", echelle);
    const resultat_geo g = calcul_geo(midi, largeur_geo, hauteur_geo, ",", echelle);
    const resultat_precession p = calcul_precession(pre);
    const equation_du_jour eq = equation_du_temps_du_jour(midi.date, echelle);
    const graphique_satellites sat = graphique_des_satellites(6, 2026, sat_largeur, sat_hauteur, echelle);
    const std::string m = legale ? " (" + mention + ")" : "";

    const struct {
      const char* page;
      long double jde, attendu;
      std::string texte, attendu_dans;
    } cas[] = {
        {"ephemerides", e.jour_julien, legale ? tt(jd_midi - 2 * heure) : jd_midi, e.mention, legale ? mention : ""},
        {"soleil-lune", sl.jour_julien, legale ? tt(jd_midi - 2 * heure) : jd_midi,
         copie_soleil_lune(sl, {}, champs_bloc_date_de(midi), {}), "Le 21 Juin 2026 à 12:00:00" + m + "\r\n"},
        {"lune", sl.lune.jour_julien, legale ? tt(jd_midi - 2 * heure) : jd_midi, sl.mention, legale ? mention : ""},
        {"comete", c.jour_julien, legale ? tt(jd_midi - 2 * heure) : jd_midi, c.bloc,
         "Le 21 Juin 2026 à 12:00:00" + m + "\r\n"},
        {"planetarium-helio", h.instant.jour_julien, legale ? tt(jd_midi - 2 * heure) : jd_midi, h.titre,
         "des planètes le 21 Juin 2026" + m},
        {"planetarium-geo", g.instant.jour_julien, legale ? tt(jd_midi - 2 * heure) : jd_midi, g.titre,
         "le 21 Juin 2026  à 12:00:00" + m},
        {"precession", p.jour_julien_voulu, legale ? tt(jd_midi - 2 * heure) : jd_midi, p.bloc,
         "le 21 Juin 2026 à 12:00:00" + m + "\r\n"},
        {"equation-temps", eq.jour_julien, legale ? tt(jd_minuit - 2 * heure) : jd_minuit, eq.texte,
         legale ? "le 21 Juin 2026 à 0 h" + m + " : " : "le 21 Juin 2026 : "},
        {"satellites", instant_jour_grille(sat, 21, echelle), legale ? tt(jd_minuit - 2 * heure) : jd_minuit,
         sat.mention, legale ? mention : ""},
    };
    for (const auto& x : cas) {
      SCOPED_TRACE(x.page);
      EXPECT_NEAR(static_cast<double>(x.jde - x.attendu), 0.0, 1e-8);
      EXPECT_NE(x.texte.find(x.attendu_dans), std::string::npos) << x.texte;
      EXPECT_EQ(x.texte.find("heure légale") != std::string::npos, legale) << x.texte;
    }
    // The reference equinox is an epoch of the theories: never read on the clock.
    EXPECT_EQ(p.jour_julien_reference, 2451545.0L);
    // The comet's perihelion passage is an instant of its elements' time scale (TT).
    textes_comete t;
    t.T_annee = "1989";
    t.T_mois = "8";
    t.T_jour = "20,5";
    const std::string copie = copie_comete("COMETE", champs_bloc_date_de(midi), t, c.bloc, {}, c.mention);
    EXPECT_EQ(copie.find("à 12 h 00 m (TT)\r\n") != std::string::npos, legale) << copie;
  }
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
  const resultat_soleil_lune r = calcul_soleil_lune(instant(21, 6, 2026, 12), paris_site(), ",", paris());
  const champs_bloc_date d = champs_bloc_date_de(instant(21, 6, 2026, 12));
  const auto compte = [](const std::string& t) {
    int n = 0;
    for (auto p = t.find("heure légale"); p != std::string::npos; p = t.find("heure légale", p + 1)) ++n;
    return n;
  };
  // With its date line, without it (its own line heads the copy), and without any time.
  cases_soleil_lune cases;
  EXPECT_EQ(compte(copie_soleil_lune(r, cases, d, {})), 1);
  cases.date_heure = false;
  const std::string sans_date = copie_soleil_lune(r, cases, d, {});
  EXPECT_TRUE(sans_date.starts_with("Heures : heure légale, UTC+2\r\n")) << sans_date;
  EXPECT_EQ(compte(sans_date), 1);
  cases.soleil = cases.lune = false;
  EXPECT_EQ(compte(copie_soleil_lune(r, cases, d, {})), 0);

  entree_ephemerides e;
  e.instant = instant(21, 6, 2026, 12);
  e.site = paris_site();
  e.echelle = paris();
  const resultat_ephemerides re = calcul_ephemerides(e);
  cases_ephemerides ce;
  ce.date_heure = false;
  EXPECT_TRUE(copie_ephemerides(re, ce, "21", 6, "2026", "12:00:00", {}).starts_with("Vénus\r\n\r\nHeures : "));
}

TEST(InstantsCivils, LeverEtCoucherDuJourDuChangementDHeure) {
  // The Sun at Paris in the zone's clock against UT on the same dates: the same events,
  // the offset of the day after 3 h added. The change days gain or lose no hour.
  const echelle_temps utc(std::make_shared<fuseau_fixe>(0));
  const struct {
    int jour, mois, decalage;
  } cas[] = {{28, 3, 1}, {29, 3, 2}, {30, 3, 2}, {24, 10, 2}, {25, 10, 1}, {26, 10, 1}};
  for (const auto& c : cas) {
    SCOPED_TRACE(std::to_string(c.jour) + "/" + std::to_string(c.mois));
    const instant_saisi i = instant(c.jour, c.mois, 2026, 12);
    const ephemeride_soleil civil = calcul_soleil_lune(i, paris_site(), ",", paris()).soleil;
    const ephemeride_soleil tu = calcul_soleil_lune(i, paris_site(), ",", utc).soleil;
    const std::string textes[3][2] = {{civil.textes.heure_lever, tu.textes.heure_lever},
                                      {civil.textes.heure_meridien, tu.textes.heure_meridien},
                                      {civil.textes.heure_coucher, tu.textes.heure_coucher}};
    for (const auto& [c_texte, u_texte] : textes) {
      const long double h_civil = heures_du_texte(c_texte), h_tu = heures_du_texte(u_texte);
      ASSERT_GE(h_civil, 0) << c_texte;
      ASSERT_GE(h_tu, 0) << u_texte;
      EXPECT_NEAR(static_cast<double>(h_civil - h_tu), c.decalage, 1.5 / 60) << c_texte << " / " << u_texte;
    }
    // Values and texts agree.
    EXPECT_NEAR(static_cast<double>(civil.lever_coucher.heure_lever - heures_du_texte(civil.textes.heure_lever)), 0,
                1.0 / 60);
  }
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
      {instant(29, 3, 2026, 12), jour, ar, true, instant(28, 3, 2026, 12), -23},
      {instant(24, 10, 2026, 12), jour, av, true, instant(25, 10, 2026, 12), 25},
      {instant(25, 3, 2026, 12), sept_jours, av, true, instant(1, 4, 2026, 12), 7 * 24 - 1},
      {instant(25, 3, 2026, 12), jour, av, true, instant(26, 3, 2026, 12), 24},
      // An hour is an hour of time: 1 h then 3 h when the clocks go forward; when they
      // go back the second 2 h, which the fields would read as the first, is stepped over.
      {instant(29, 3, 2026, 1), heure, av, true, instant(29, 3, 2026, 3), 1},
      {instant(29, 3, 2026, 3), heure, ar, true, instant(29, 3, 2026, 1), -1},
      {instant(25, 10, 2026, 1), heure, av, true, instant(25, 10, 2026, 2), 1},
      {instant(25, 10, 2026, 2), heure, av, true, instant(25, 10, 2026, 3), 2},
      {instant(25, 10, 2026, 3), heure, ar, true, instant(25, 10, 2026, 2), -2},
      {instant(31, 12, 2026, 23, 30), heure, av, true, instant(1, 1, 2027, 0, 30), 1},
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
  // One instant in summer: its clock time.
  const std::string un = texte_satellites(
      {positions_des_satellites(paris().vers_tt(jour_julien_saisi(instant(21, 6, 2026, 12))))}, true, ",", paris());
  EXPECT_NE(un.find("\r\n21/06/2026\t12:00\t"), std::string::npos) << un;
}

}  // namespace
}  // namespace almanax
