// The iCalendar writer: a file a strict reader accepts (line lengths, folding inside
// UTF-8, escaping, the required properties), instants in UTC, refused years.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calcul/delta_t.h"
#include "calcul/icalendrier.h"
#include "lecture_ics.h"

namespace almanax {
namespace {

using essais::evenements_lus;
using essais::lignes_depliees;

long double jde_de_tu(long double jd_tu) {
  return jd_tu + delta_t_s(jd_tu) / 86400.0L;
}

TEST(ICalendrier, FichierStrictEtInstantsEnUtc) {
  std::vector<evenement_calendrier> e(3);
  // 3 January 2026, 10:03:00 UT: a full moon, an instant.
  e[0].uid = "lune-phase-104";
  e[0].resume = "Pleine Lune";
  e[0].description = "Le 03 Janvier 2026 à 10 h 03 m 00 s";
  e[0].categorie = "Phases de la Lune";
  e[0].jde_debut = e[0].jde_fin = jde_de_tu(2461043.5L + (10 * 60 + 3) / 1440.0L);
  // An eclipse from its first to its last contact, a long description with accents,
  // commas, semicolons, a backslash, tabs and CR LF.
  e[1].uid = "eclipse-lune-316,5";
  e[1].resume = "Éclipse de Lune totale";
  e[1].description = std::string("Éclipse totale; magnitude 1,15\tγ = 0,3 \\ contacts :\r\n") + std::string(200, 'e') +
                     "éééééééééééééééééééééééééééééééééééééééééé";
  e[1].categorie = "Eclipses";
  e[1].jde_debut = jde_de_tu(2461098.5L + 8.5L / 24);
  e[1].jde_fin = jde_de_tu(2461098.5L + 14.25L / 24);
  // Easter, all day.
  e[2].uid = "paques-2026";
  e[2].resume = "Pâques";
  e[2].categorie = "Dates";
  e[2].jour_entier = evenement_calendrier::jour{2026, 4, 5};

  const std::string f = calendrier_ics(e, 1767225600);  // 2026-01-01T00:00:00Z
  EXPECT_EQ(f.substr(0, 17), "BEGIN:VCALENDAR\r\n");
  const std::vector<std::string> lignes = lignes_depliees(f);
  for (const char* p : {"VERSION:2.0", "CALSCALE:GREGORIAN"})
    EXPECT_NE(std::find(lignes.begin(), lignes.end(), p), lignes.end()) << p;
  EXPECT_TRUE(std::any_of(lignes.begin(), lignes.end(), [](const std::string& l) { return l.starts_with("PRODID:"); }));

  const auto v = evenements_lus(f);
  ASSERT_EQ(v.size(), 3u);
  for (const auto& ev : v)
    for (const char* p : {"UID", "DTSTAMP", "SUMMARY"}) EXPECT_TRUE(ev.count(p)) << p;
  EXPECT_EQ(v[0].at("UID"), "lune-phase-104@almanax.quillory.fr");
  EXPECT_EQ(v[0].at("DTSTAMP"), "20260101T000000Z");
  EXPECT_EQ(v[0].at("DTSTART"), "20260103T100300Z");
  EXPECT_EQ(v[0].at("DTEND"), "20260103T100300Z");
  EXPECT_EQ(v[0].at("CATEGORIES"), "Phases de la Lune");
  EXPECT_EQ(v[1].at("DTSTART"), "20260227T083000Z");
  EXPECT_EQ(v[1].at("DTEND"), "20260227T141500Z");
  EXPECT_EQ(v[1].at("SUMMARY"), "Éclipse de Lune totale");
  EXPECT_TRUE(v[1].at("DESCRIPTION").starts_with("Éclipse totale\\; magnitude 1\\,15 γ = 0\\,3 \\\\ contacts :\\neee"))
      << v[1].at("DESCRIPTION");
  EXPECT_EQ(v[1].at("UID"), "eclipse-lune-316,5@almanax.quillory.fr");  // UID is not TEXT: no escaping
  EXPECT_EQ(v[2].at("DTSTART;VALUE=DATE"), "20260405");
  EXPECT_FALSE(v[2].count("DTSTART"));

  // The same events, the same file but for the moment of the export.
  EXPECT_EQ(calendrier_ics(e, 1767225600), f);
}

TEST(ICalendrier, PliesEtEchappements) {
  // Folds at 75 octets, then 74 after the leading space; a 2-octet character straddling
  // the limit goes whole to the next line.
  const std::string longue = "DESCRIPTION:" + std::string(62, 'a') + "é" + std::string(100, 'b');
  const std::string pliee = plier_ligne_ics(longue);
  EXPECT_EQ(pliee.substr(0, 76), "DESCRIPTION:" + std::string(62, 'a') + "\r\n");  // 74 octets
  EXPECT_EQ(pliee.substr(76, 3), " é");
  std::string depliee;
  for (const std::string& l : lignes_depliees(pliee)) depliee += l;
  EXPECT_EQ(depliee, longue);
  EXPECT_EQ(plier_ligne_ics(std::string(75, 'x')), std::string(75, 'x') + "\r\n");

  const std::pair<const char*, const char*> cas[] = {
      {"a,b;c\\d", "a\\,b\\;c\\\\d"},
      {"un\r\ndeux\ntrois", "un\\ndeux\\ntrois"},
      {"libellé\tvaleur", "libellé valeur"},
      {"cloche\a", "cloche"},
  };
  for (const auto& [brut, attendu] : cas) EXPECT_EQ(echapper_texte_ics(brut), attendu) << brut;
}

TEST(ICalendrier, AnneesHorsDuCalendrierRefusees) {
  evenement_calendrier e;
  e.uid = "x";
  e.resume = "Pleine Lune";
  for (const long double jd : {2299160.5L - 200, 5373484.5L + 10}) {  // 1582, 10000
    e.jde_debut = e.jde_fin = jd;
    try {
      calendrier_ics({e}, 0);
      ADD_FAILURE() << static_cast<double>(jd);
    } catch (const erreur_calendrier& err) {
      EXPECT_NE(std::string(err.what()).find("« Pleine Lune »"), std::string::npos) << err.what();
      EXPECT_NE(std::string(err.what()).find("1583 à 9999"), std::string::npos) << err.what();
    }
  }
  e.jour_entier = evenement_calendrier::jour{1500, 4, 1};
  EXPECT_THROW(calendrier_ics({e}, 0), erreur_calendrier);
  e.jour_entier = evenement_calendrier::jour{1583, 4, 10};
  EXPECT_NO_THROW(calendrier_ics({e}, 0));
}

}  // namespace
}  // namespace almanax
