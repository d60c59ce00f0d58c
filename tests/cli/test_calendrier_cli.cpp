// --format ics on the event reports: a calendar a strict reader accepts (and Debian's
// python3-icalendar when it is installed), one event per row, each start within a minute
// of the row's instant in UTC, stable identities, years a calendar cannot hold refused.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <set>

#include "../calcul/lecture_ics.h"
#include "outils.h"

namespace {

using almanax::essais::evenements_lus;

std::vector<std::string> avec(std::vector<std::string> a, std::initializer_list<const char*> plus) {
  a.insert(a.end(), plus.begin(), plus.end());
  return a;
}

// The events of the JSON report: each row's UTC instant, in order.
std::vector<QDateTime> instants_tu(const std::string& json, const char* liste_de_listes = nullptr) {
  const QJsonObject r = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["resultat"].toObject();
  QJsonArray ev;
  if (liste_de_listes)
    for (const QJsonValue l : r[liste_de_listes].toArray())
      for (const QJsonValue e : l.toObject()["evenements"].toArray()) ev.append(e);
  else
    ev = r["evenements"].toArray();
  std::vector<QDateTime> t;
  for (const QJsonValue e : ev) t.push_back(QDateTime::fromString(e.toObject()["instant_tu"].toString(), Qt::ISODate));
  return t;
}

QDateTime date_ics(const std::string& v) {
  return QDateTime::fromString(QString::fromStdString(v), "yyyyMMdd'T'HHmmss'Z'").toUTC();
}

TEST(CalendrierCli, SixRapportsEnICalendar) {
  struct cas {
    std::vector<std::string> args;
    const char* listes;   // the JSON's list of lists, for phases
    std::size_t en_plus;  // calendar events that are not rows (Easter)
  };
  const std::vector<cas> tous = {
      {{"--rapport", "phases", "--mois", "1", "--annee", "2027"}, "listes", 0},
      {{"--rapport", "perigees", "--debut", "2026", "--fin", "2027"}, nullptr, 0},
      {{"--rapport", "eclipses", "--type", "lunaire", "--debut", "2026", "--fin", "2027"}, nullptr, 0},
      {{"--rapport", "eclipses", "--type", "solaire", "--debut", "2026", "--fin", "2027"}, nullptr, 0},
      {{"--rapport", "phenomenes", "--debut", "2026", "--fin", "2027"}, nullptr, 0},
      {{"--rapport", "perihelies", "--debut", "2026", "--fin", "2030"}, nullptr, 0},
      {{"--rapport", "dates", "--date1", "01/01/2026", "--heure1", "00:00", "--annee", "2026"}, nullptr, 1},
  };
  QTemporaryDir dossier;
  for (const cas& c : tous) {
    SCOPED_TRACE(c.args[1] + " " + c.args.back());
    const auto ics = executer_astro(avec(c.args, {"--format", "ics"}));
    ASSERT_EQ(ics.statut, 0) << ics.erreurs;
    const auto v = evenements_lus(ics.sortie);
    const auto json = executer_astro(avec(c.args, {"--json"}));
    const std::vector<QDateTime> attendus = instants_tu(json.sortie, c.listes);
    ASSERT_EQ(v.size(), attendus.size() + c.en_plus);
    ASSERT_FALSE(attendus.empty());
    std::set<std::string> uids;
    for (std::size_t i = 0; i < v.size(); ++i) {
      for (const char* p : {"UID", "DTSTAMP", "SUMMARY"}) EXPECT_TRUE(v[i].count(p)) << p;
      uids.insert(v[i].at("UID"));
      if (i >= attendus.size()) continue;
      const QDateTime debut = date_ics(v[i].at("DTSTART")), fin = date_ics(v[i].at("DTEND"));
      // A lunar eclipse spans its contacts around the maximum; every other event starts at its instant.
      if (c.args[3] == "lunaire") {
        EXPECT_LT(debut, attendus[i]);
        EXPECT_GT(fin, attendus[i]);
        EXPECT_LE(std::abs(debut.secsTo(attendus[i]) - attendus[i].secsTo(fin)), 1);  // rounded seconds
        EXPECT_NE(v[i].at("DESCRIPTION").find("Premier contact avec la pénombre"), std::string::npos);
      } else {
        EXPECT_LE(std::abs(debut.secsTo(attendus[i])), 60) << v[i].at("DTSTART");
        EXPECT_EQ(debut, fin);
      }
    }
    EXPECT_EQ(uids.size(), v.size());  // each event its own identity
    // The same export again: the same identities, in the same order.
    const auto encore = evenements_lus(executer_astro(avec(c.args, {"--format", "ics"})).sortie);
    for (std::size_t i = 0; i < v.size(); ++i) EXPECT_EQ(encore.at(i).at("UID"), v[i].at("UID"));

    // Debian's parser, when installed, reads every event.
    const QString fichier = dossier.filePath("calendrier.ics");
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(ics.sortie));
    f.close();
    QProcess p;
    p.start("/usr/bin/python3", {"-c",
                                 "import sys, icalendar\n"
                                 "c = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                                 "print(len([e for e in c.walk('VEVENT') if e.get('dtstart')]))",
                                 fichier});
    if (p.waitForFinished(30000) && p.exitCode() == 0)
      EXPECT_EQ(p.readAllStandardOutput().trimmed().toStdString(), std::to_string(v.size()));
    else
      std::cout << "[ python3-icalendar absent : lecture stricte seule ]\n";
  }
}

TEST(CalendrierCli, AnneesEtOptionsRefusees) {
  const auto ancien = executer_astro({"--rapport", "phases", "--mois", "1", "--annee", "1500", "--format", "ics"});
  EXPECT_EQ(ancien.statut, 2);
  EXPECT_TRUE(ancien.sortie.empty());
  EXPECT_NE(ancien.erreurs.find("1583 à 9999"), std::string::npos) << ancien.erreurs;
  const auto json = executer_astro({"--rapport", "phases", "--format", "ics", "--json"});
  EXPECT_EQ(json.statut, 2);
  EXPECT_NE(json.erreurs.find("--format ics et --json s'excluent"), std::string::npos) << json.erreurs;
  const auto autre = executer_astro({"--rapport", "phases", "--format", "pdf"});
  EXPECT_EQ(autre.statut, 2);
  // The text is the default format, byte for byte.
  EXPECT_EQ(executer_astro({"--rapport", "phases", "--mois", "1", "--annee", "2027", "--format", "texte"}).sortie,
            executer_astro({"--rapport", "phases", "--mois", "1", "--annee", "2027"}).sortie);
}

}  // namespace
