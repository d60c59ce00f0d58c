// --fuseau on the reports of one instant: the typed time is the zone's clock, the
// rising and setting are those of the civil day in its hours, the text says "heure
// légale" once, and the JSON gives the instant in UT and on the zone's clock with its ΔT.
// (The Jupiter list across a change of the clocks: tests/calcul/test_instants_civils.cpp.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "outils.h"

namespace {

// The hours of the first "Lever \t5 h 47 m" line (the Sun's block comes first) and of
// the first "Coucher", in minutes; -1 when missing.
int minutes_de(const std::string& t, const std::string& legende) {
  const std::size_t p = t.find(legende + " \t");
  int h = -1, m = -1;
  if (p == std::string::npos || std::sscanf(t.c_str() + p + legende.size() + 2, "%d h %d m", &h, &m) != 2) return -1;
  return h * 60 + m;
}

int occurrences(const std::string& t, const std::string& mot) {
  int n = 0;
  for (auto p = t.find(mot); p != std::string::npos; p = t.find(mot, p + 1)) ++n;
  return n;
}

std::vector<std::string> avec(std::vector<std::string> a, const std::vector<std::string>& plus) {
  a.insert(a.end(), plus.begin(), plus.end());
  return a;
}

TEST(FuseauInstants, LeSoleilSeLeveEtSeCoucheALHeureDuLieu) {
  // Sunrise and sunset of 2026 as a modern ephemeris gives them, to 2 minutes, on the
  // days the clocks change too (no hour lost or counted twice).
  const struct {
    std::vector<std::string> site;
    const char *date, *fuseau;
    int lever, coucher;  // minutes of the civil day
    const char* mention;
  } cas[] = {
      {{"--site", "Paris"}, "21/06/2026", "Europe/Paris", 5 * 60 + 47, 21 * 60 + 58, "(heure légale, UTC+2)"},
      {{"--site", "Paris"}, "21/06/2026", "UTC", 3 * 60 + 47, 19 * 60 + 58, "(heure légale, UTC)"},
      {{"--lat", "-33.87", "--lon", "-151.21"},
       "21/06/2026",
       "Australia/Sydney",
       7 * 60,
       16 * 60 + 54,
       "(heure légale, UTC+10)"},
      {{"--site", "Paris"}, "29/03/2026", "Europe/Paris", 7 * 60 + 35, 20 * 60 + 17, "(heure légale, UTC+2)"},
      {{"--site", "Paris"}, "25/10/2026", "Europe/Paris", 7 * 60 + 26, 17 * 60 + 42, "(heure légale, UTC+1)"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(std::string(c.fuseau) + " " + c.date);
    const auto r = executer_astro(
        avec({"--rapport", "soleil-lune", "--date", c.date, "--heure", "12:00", "--fuseau", c.fuseau}, c.site));
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_NE(r.sortie.find(std::string(" à 12:00:00 ") + c.mention + "\r\n"), std::string::npos) << r.sortie;
    EXPECT_NEAR(minutes_de(r.sortie, "Lever"), c.lever, 2) << r.sortie;
    EXPECT_NEAR(minutes_de(r.sortie, "Coucher"), c.coucher, 2) << r.sortie;
  }
}

TEST(FuseauInstants, ChaqueRapportDitLHeureLegaleUneFois) {
  // Each report at 21 June 2026, 12 h in Paris (10 h UT): the text with --fuseau says
  // it once where it shows the typed time, the text without is the default one; the
  // JSON gives the instant in UT (instant_tu = jde - ΔT) and on the zone's clock, and
  // the clock of the rising and setting values.
  const std::vector<std::string> date = {"--date", "21/06/2026", "--heure", "12:00"};
  const struct {
    std::vector<std::string> args;
    const char* fragment;  // where the mention stands
    const char* instant;   // the path of the instant's object in the JSON result
    const char* local;     // its clock time
    const char* lever;     // the path of a rising value, if any
  } cas[] = {
      {avec({"--rapport", "ephemerides", "--planete", "Mars", "--site", "Paris"}, date),
       "Le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "instant", "2026-06-21T12:00:00+02:00", "lever_h"},
      {avec({"--rapport", "soleil-lune", "--site", "Paris"}, date),
       "Le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "instant", "2026-06-21T12:00:00+02:00", "lune/lever_h"},
      {avec({"--rapport", "comete", "--T", "20/08/1989.29104", "--q", "1.3245017", "--i", "11.94051", "--e", "1", "--w",
             "186.27004", "--W", "334.72946"},
            date),
       "Le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "observation", "2026-06-21T12:00:00+02:00", nullptr},
      {avec({"--rapport", "planetarium-helio"}, date), "des planètes le 21 Juin 2026 (heure légale, UTC+2)\r\n",
       "instant", "2026-06-21T12:00:00+02:00", nullptr},
      {avec({"--rapport", "planetarium-geo"}, date), "le 21 Juin 2026  à 12:00:00 (heure légale, UTC+2)\r\n", "instant",
       "2026-06-21T12:00:00+02:00", nullptr},
      {avec({"--rapport", "precession"}, date), "le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "instant",
       "2026-06-21T12:00:00+02:00", nullptr},
      {{"--rapport", "equation-temps", "--date", "21/06/2026"},
       "le 21 Juin 2026 à 0 h (heure légale, UTC+2) : ",
       "instant",
       "2026-06-21T00:00:00+02:00",
       nullptr},
      {avec({"--rapport", "satellites"}, date), "; heure légale, UTC+2\r\nDate\tHeure\t", "positions/0/instant",
       "2026-06-21T12:00:00+02:00", nullptr},
      // The chart of the month: its first day line, 0 h of the last day of May.
      {{"--rapport", "satellites", "--mois", "6", "--annee", "2026"},
       "; heure légale, UTC+2\r\nDate\tIo",
       "positions/0/instant",
       "2026-05-31T00:00:00+02:00",
       nullptr},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.args[1]);
    const QJsonObject telle = document_json(executer_astro(avec(c.args, {"--json"})));
    const QJsonObject legale = document_json(executer_astro(avec(c.args, {"--fuseau", "Europe/Paris", "--json"})));
    const std::string t_telle = telle["texte"].toString().toStdString();
    const std::string t_legale = legale["texte"].toString().toStdString();
    ASSERT_FALSE(t_telle.empty());
    EXPECT_NE(t_legale.find(c.fragment), std::string::npos) << t_legale;
    EXPECT_EQ(occurrences(t_legale, "heure légale"), 1) << t_legale;
    EXPECT_EQ(occurrences(t_telle, "heure légale"), 0) << t_telle;
    EXPECT_NE(t_telle, t_legale);

    EXPECT_EQ(legale["entrees"].toObject()["fuseau"].toString(), "Europe/Paris");
    EXPECT_FALSE(telle["entrees"].toObject().contains("fuseau"));
    const double delta_t = legale["resultat"].toObject()["delta_t_s"].toDouble();
    EXPECT_NEAR(delta_t, 69, 1.5);
    EXPECT_NEAR(telle["resultat"].toObject()["delta_t_s"].toDouble(), 69, 1.5);
    const QJsonObject i = au_chemin(legale["resultat"], c.instant).toObject();
    EXPECT_EQ(i["instant_local"].toString().toStdString(), c.local);
    EXPECT_FALSE(au_chemin(telle["resultat"], c.instant).toObject().contains("instant_local"));
    // instant_tu is the clock time less the offset, and jde - ΔT.
    const std::string tu = i["instant_tu"].toString().toStdString(), local = c.local;
    const int heure_tu = local.substr(11, 2) == "00" ? 22 : 10;
    EXPECT_EQ(tu.substr(11, 8), std::to_string(heure_tu) + local.substr(13, 6)) << tu;
    const double jde = i["jde"].toDouble();
    const double jour = std::floor(jde - delta_t / 86400 + 0.5) - 0.5;
    EXPECT_NEAR((jde - delta_t / 86400 - jour) * 24, heure_tu, 1e-4) << tu;
    if (c.lever) {
      EXPECT_EQ(au_chemin(telle["resultat"], std::string(c.lever) + "/echelle").toString(), "tel_quel");
      EXPECT_EQ(au_chemin(legale["resultat"], std::string(c.lever) + "/echelle").toString(), "legale");
    }
  }
}

}  // namespace
