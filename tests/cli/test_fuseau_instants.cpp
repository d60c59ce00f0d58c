// --fuseau on the reports of one instant: the typed time is the zone's clock, the
// rising and setting are those of the civil day in its hours, the text says "heure
// légale" once, and the JSON gives the instant in UT and on the zone's clock with its ΔT.
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
  // Sunrise and sunset of 21 June 2026 as a modern ephemeris gives them, to 2 minutes.
  const struct {
    std::vector<std::string> site;
    const char* fuseau;
    int lever, coucher;  // minutes of the civil day
    const char* mention;
  } cas[] = {
      {{"--site", "Paris"}, "Europe/Paris", 5 * 60 + 47, 21 * 60 + 58, "(heure légale, UTC+2)"},
      {{"--site", "Paris"}, "UTC", 3 * 60 + 47, 19 * 60 + 58, "(heure légale, UTC)"},
      {{"--lat", "-33.87", "--lon", "-151.21"}, "Australia/Sydney", 7 * 60, 16 * 60 + 54, "(heure légale, UTC+10)"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.fuseau);
    const auto r = executer_astro(
        avec({"--rapport", "soleil-lune", "--date", "21/06/2026", "--heure", "12:00", "--fuseau", c.fuseau}, c.site));
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_TRUE(r.sortie.starts_with(std::string("Le 21 Juin 2026 à 12:00:00 ") + c.mention + "\r\n")) << r.sortie;
    EXPECT_NEAR(minutes_de(r.sortie, "Lever"), c.lever, 2) << r.sortie;
    EXPECT_NEAR(minutes_de(r.sortie, "Coucher"), c.coucher, 2) << r.sortie;
  }
}

TEST(FuseauInstants, JoursDuChangementDHeureAParis) {
  // The civil day of Paris against UT on the same date: the same Sun, the day's offset
  // after 3 h added; no hour lost or counted twice on the days the clocks change.
  const struct {
    const char* date;
    int decalage;
  } cas[] = {{"28/03/2026", 1}, {"29/03/2026", 2}, {"24/10/2026", 2}, {"25/10/2026", 1}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.date);
    const std::vector<std::string> base = {"--rapport", "soleil-lune", "--site",  "Paris",
                                           "--date",    c.date,        "--heure", "12:00"};
    const auto paris = executer_astro(avec(base, {"--fuseau", "Europe/Paris"}));
    const auto utc = executer_astro(avec(base, {"--fuseau", "UTC"}));
    ASSERT_EQ(paris.statut, 0) << paris.erreurs;
    ASSERT_EQ(utc.statut, 0) << utc.erreurs;
    for (const char* l : {"Lever", "Méridien", "Coucher"}) {
      const int p = minutes_de(paris.sortie, l), u = minutes_de(utc.sortie, l);
      ASSERT_GE(p, 0) << l;
      ASSERT_GE(u, 0) << l;
      EXPECT_NEAR(p - u, 60 * c.decalage, 1) << l;
    }
  }
}

TEST(FuseauInstants, ChaqueRapportDitLHeureLegaleUneFois) {
  // Each report at 21 June 2026, 12 h in Paris (10 h UT): the text with --fuseau says
  // it once where it shows the typed time, the text without is the default one, and the
  // JSON gives the instant in UT (instant_tu = jde - ΔT) and on the zone's clock.
  const std::vector<std::string> date = {"--date", "21/06/2026", "--heure", "12:00"};
  const struct {
    std::vector<std::string> args;
    const char* fragment;  // where the mention stands
    const char* instant;   // the path of the instant's object in the JSON result
    const char* local;     // its clock time
  } cas[] = {
      {avec({"--rapport", "ephemerides", "--planete", "Mars", "--site", "Paris"}, date),
       "Le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "instant", "2026-06-21T12:00:00+02:00"},
      {avec({"--rapport", "soleil-lune", "--site", "Paris"}, date),
       "Le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "instant", "2026-06-21T12:00:00+02:00"},
      {avec({"--rapport", "comete", "--T", "20/08/1989.29104", "--q", "1.3245017", "--i", "11.94051", "--e", "1", "--w",
             "186.27004", "--W", "334.72946"},
            date),
       "Le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "observation", "2026-06-21T12:00:00+02:00"},
      {avec({"--rapport", "planetarium-helio"}, date), "des planètes le 21 Juin 2026 (heure légale, UTC+2)\r\n",
       "instant", "2026-06-21T12:00:00+02:00"},
      {avec({"--rapport", "planetarium-geo"}, date), "le 21 Juin 2026  à 12:00:00 (heure légale, UTC+2)\r\n", "instant",
       "2026-06-21T12:00:00+02:00"},
      {avec({"--rapport", "precession"}, date), "le 21 Juin 2026 à 12:00:00 (heure légale, UTC+2)\r\n", "instant",
       "2026-06-21T12:00:00+02:00"},
      {{"--rapport", "equation-temps", "--date", "21/06/2026"},
       "le 21 Juin 2026 à 0 h (heure légale, UTC+2) : ",
       "instant",
       "2026-06-21T00:00:00+02:00"},
      {avec({"--rapport", "satellites"}, date), "; heure légale, UTC+2\r\nDate\tHeure\t", "positions/0/instant",
       "2026-06-21T12:00:00+02:00"},
      {{"--rapport", "satellites", "--mois", "6", "--annee", "2026"},
       "; heure légale, UTC+2\r\nDate\tIo",
       "positions/0/instant",
       "2026-05-31T00:00:00+02:00"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.args[1]);
    const auto telle = executer_astro(c.args);
    const auto legale = executer_astro(avec(c.args, {"--fuseau", "Europe/Paris"}));
    const auto json = executer_astro(avec(c.args, {"--fuseau", "Europe/Paris", "--json"}));
    ASSERT_EQ(telle.statut, 0) << telle.erreurs;
    ASSERT_EQ(legale.statut, 0) << legale.erreurs;
    ASSERT_EQ(json.statut, 0) << json.erreurs;
    EXPECT_NE(legale.sortie.find(c.fragment), std::string::npos) << legale.sortie;
    EXPECT_EQ(occurrences(legale.sortie, "heure légale"), 1) << legale.sortie;
    EXPECT_EQ(occurrences(telle.sortie, "heure légale"), 0) << telle.sortie;
    EXPECT_NE(telle.sortie, legale.sortie);

    const QJsonObject d = document_json(json);
    EXPECT_EQ(d["entrees"].toObject()["fuseau"].toString(), "Europe/Paris");
    EXPECT_EQ(d["texte"].toString().toStdString(), legale.sortie);
    const double delta_t = d["resultat"].toObject()["delta_t_s"].toDouble();
    EXPECT_NEAR(delta_t, 69, 1.5);
    const QJsonObject i = au_chemin(d["resultat"], c.instant).toObject();
    EXPECT_EQ(i["instant_local"].toString().toStdString(), c.local);
    // instant_tu is the clock time less the offset, and jde - ΔT.
    const std::string tu = i["instant_tu"].toString().toStdString();
    const std::string local = c.local;
    EXPECT_EQ(tu.substr(11, 8), (local.substr(11, 2) == "00" ? "22" : "10") + local.substr(13, 6)) << tu;
    const double jde = i["jde"].toDouble();
    const double jour = std::floor(jde - delta_t / 86400 + 0.5) - 0.5;
    EXPECT_NEAR((jde - delta_t / 86400 - jour) * 24, local.substr(11, 2) == "00" ? 22 : 10, 1e-4) << tu;
  }
}

TEST(FuseauInstants, LeversEtCouchersDuJsonSurLHorlogeDuFuseau) {
  // The rising, transit and setting values say which clock their hours read.
  for (const char* rapport : {"ephemerides", "soleil-lune"}) {
    SCOPED_TRACE(rapport);
    const std::vector<std::string> args = {"--rapport",  rapport,   "--site", "Paris", "--date",
                                           "21/06/2026", "--heure", "12:00",  "--json"};
    const QJsonObject telle = document_json(executer_astro(args));
    const QJsonObject legale = document_json(executer_astro(avec(args, {"--fuseau", "Europe/Paris"})));
    const std::string corps = std::string(rapport) == "ephemerides" ? "" : "soleil/";
    for (const char* cle : {"lever_h", "meridien_h", "coucher_h"}) {
      const QJsonObject t = au_chemin(telle["resultat"], corps + cle).toObject();
      const QJsonObject l = au_chemin(legale["resultat"], corps + cle).toObject();
      EXPECT_EQ(t["echelle"].toString(), "tel_quel") << cle;
      EXPECT_EQ(l["echelle"].toString(), "legale") << cle;
      // Paris in June: the zone's clock is about two hours ahead of the time argument
      // (Venus's setting after 22 h UT is the civil day's first hour, the day before's).
      EXPECT_NEAR(std::remainder(l["valeur"].toDouble() - t["valeur"].toDouble(), 24.0), 2, 0.1) << cle;
    }
    EXPECT_FALSE(telle["entrees"].toObject().contains("fuseau"));
    EXPECT_NEAR(telle["resultat"].toObject()["delta_t_s"].toDouble(), 69, 1.5);
  }
}

TEST(FuseauInstants, SatellitesDuMoisDOctobre) {
  // The chart's days at each civil day's 0 h: the 26th, the first day in winter time,
  // says its offset; the day lines are 25 hours apart across that night.
  const auto r = executer_astro(
      {"--rapport", "satellites", "--mois", "10", "--annee", "2026", "--fuseau", "Europe/Paris", "--json"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const QJsonObject d = document_json(r);
  const std::string t = d["texte"].toString().toStdString();
  EXPECT_EQ(occurrences(t, "\tUTC+1\r\n"), 1) << t;
  const std::size_t p = t.find("\r\n26/10/2026\t");
  ASSERT_NE(p, std::string::npos) << t;
  EXPECT_EQ(t.find("\tUTC+1\r\n"), t.find("\r\n", p + 2) - 6);
  const QJsonArray positions = d["resultat"].toObject()["positions"].toArray();
  ASSERT_GT(positions.size(), 27);
  EXPECT_EQ(au_chemin(positions[26], "instant/instant_local").toString(), "2026-10-26T00:00:00+01:00");
  EXPECT_EQ(au_chemin(positions[25], "instant/instant_local").toString(), "2026-10-25T00:00:00+02:00");
  EXPECT_NEAR(
      (positions[26].toObject()["jour_julien"].toDouble() - positions[25].toObject()["jour_julien"].toDouble()) * 24,
      25, 1e-3);
}

}  // namespace
