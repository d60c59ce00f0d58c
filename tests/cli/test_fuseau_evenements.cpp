// --fuseau on the event reports: the instants on the zone's clock, the list's clock named
// once and each change of offset where it happens, the JSON events in UT and local time
// with the ΔT of the search's start, the typed times of the Dates report read as civil.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "outils.h"

namespace {

const std::vector<std::string> paris = {"--fuseau", "Europe/Paris"};

std::vector<std::string> avec(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

QStringList lignes(const std::string& texte) {
  return QString::fromStdString(texte).split(QStringLiteral("\r\n"));
}

// "2026-01-03T11:02:55+01:00" or "...Z" as a Julian day (UT).
long double jour_julien_iso(const QJsonValue& v) {
  const QDateTime t = QDateTime::fromString(v.toString(), Qt::ISODate);
  return t.isValid() ? t.toMSecsSinceEpoch() / 86400000.0L + 2440587.5L : NAN;
}

// The offset of an instant_local: "+02:00" -> "UTC+2", "+00:00" -> "UTC".
QString decalage_local(const QJsonValue& v) {
  const QString t = v.toString();
  const QString d = t.right(6);
  const int heures = d.mid(1, 2).toInt(), minutes = d.mid(4, 2).toInt();
  if (heures == 0 && minutes == 0) return QStringLiteral("UTC");
  return QStringLiteral("UTC") + d.left(1) + QString::number(heures) +
         (minutes ? QStringLiteral(":%1").arg(minutes, 2, 10, QLatin1Char('0')) : QString());
}

// Clock times "03h 07m 09s" of a text, in seconds of the day.
std::vector<int> heures_eclipse(const QString& bloc) {
  std::vector<int> r;
  static const QRegularExpression h(QStringLiteral("(\\d+)h (\\d+)m (\\d+)s"));
  for (auto it = h.globalMatch(bloc); it.hasNext();) {
    const auto m = it.next();
    r.push_back(m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toInt());
  }
  return r;
}

}  // namespace

TEST(FuseauEvenements, EachReportNamesItsClockOnceAndEachChangeOfOffset) {
  struct cas {
    std::vector<std::string> args;
    // The lines that show an instant, in the order of the JSON events.
    std::function<QStringList(const QStringList&)> lignes_datees;
    bool mention_en_titre;  // the clock in the title; else at the end of the first dated line
  };
  const auto sous_le_titre = [](const QStringList& l) {
    QStringList r;
    for (int i = 2; i < l.size(); ++i)
      if (!l[i].isEmpty()) r << l[i];
    return r;
  };
  const cas tous[] = {
      {{"--rapport", "phases", "--mois", "9", "--annee", "2026"}, sous_le_titre, true},
      {{"--rapport", "perigees", "--debut", "2026", "--fin", "2027"}, sous_le_titre, true},
      {{"--rapport", "phenomenes", "--debut", "2026", "--fin", "2027"}, sous_le_titre, true},
      {{"--rapport", "perihelies", "--debut", "2026", "--fin", "2027"}, sous_le_titre, true},
      {{"--rapport", "eclipses", "--type", "lunaire", "--debut", "2025", "--fin", "2026"},
       [](const QStringList& l) { return l.filter(QRegularExpression(QStringLiteral("^ Le "))); },
       true},
      {{"--rapport", "eclipses", "--type", "solaire", "--debut", "2026", "--fin", "2027"},
       [](const QStringList& l) { return l.filter(QRegularExpression(QStringLiteral("^ Le "))); },
       true},
      {{"--rapport", "dates", "--date1", "01/01/2026", "--heure1", "12:00", "--annee", "2026"},
       [](const QStringList& l) { return l.mid(5, 4); },
       false},
  };
  for (const cas& k : tous) {
    SCOPED_TRACE(k.args[1] + " " + k.args.back());
    const auto tel_quel = executer_astro(k.args);
    const auto legale = executer_astro(avec(k.args, paris));
    const auto json = executer_astro(avec(avec(k.args, paris), {"--json"}));
    ASSERT_EQ(legale.statut, 0) << legale.erreurs;
    ASSERT_EQ(tel_quel.statut, 0) << tel_quel.erreurs;
    EXPECT_NE(legale.sortie, tel_quel.sortie);
    EXPECT_EQ(tel_quel.sortie.find("heure légale"), std::string::npos);
    EXPECT_EQ(tel_quel.sortie.find("(UTC"), std::string::npos);

    const QJsonObject d = document_json(json);
    ASSERT_FALSE(d.isEmpty()) << json.sortie.substr(0, 300);
    EXPECT_EQ(d["texte"].toString().toStdString(), legale.sortie);
    EXPECT_EQ(au_chemin(d, "entrees/fuseau").toString(), "Europe/Paris");
    const double delta_t = au_chemin(d, "resultat/delta_t_s").toDouble();
    EXPECT_GT(delta_t, 60);  // about 69 s in these years
    EXPECT_LT(delta_t, 80);
    QJsonArray evenements = au_chemin(d, "resultat/evenements").toArray();
    for (const QJsonValue& l : au_chemin(d, "resultat/listes").toArray())
      for (const QJsonValue& e : l["evenements"].toArray()) evenements.append(e);

    const QStringList texte = lignes(legale.sortie);
    const QStringList datees = k.lignes_datees(texte);
    ASSERT_EQ(datees.size(), evenements.size());
    ASSERT_FALSE(datees.isEmpty());
    int changements = 0;
    for (int i = 0; i < datees.size(); ++i) {
      const QJsonObject e = evenements[i].toObject();
      const QString decalage = decalage_local(e["instant_local"]);
      // UT is the instant less ΔT (that of the search's start: within a second over
      // these years); the local time is UT plus the offset.
      const long double tu = jour_julien_iso(e["instant_tu"]);
      EXPECT_NEAR(static_cast<double>((e["jde"].toDouble() - tu) * 86400), delta_t, 1.5) << i;
      const long double local_lu = jour_julien_iso(e["instant_local"]);
      EXPECT_NEAR(static_cast<double>((local_lu - tu) * 86400), 0, 0.01) << i;  // the same instant
      if (i == 0) {
        const QString mention = "(heure légale, " + decalage + ")";
        if (k.mention_en_titre)
          EXPECT_TRUE(texte[0].endsWith(mention)) << texte[0].toStdString();
        else
          EXPECT_TRUE(datees[0].endsWith(mention)) << datees[0].toStdString();
        continue;
      }
      const bool change = decalage != decalage_local(evenements[i - 1].toObject()["instant_local"]);
      changements += change;
      EXPECT_EQ(datees[i].contains("(" + decalage + ")"), change) << datees[i].toStdString();
      EXPECT_EQ(datees[i].count("(UTC"), change ? 1 : 0) << datees[i].toStdString();
    }
    EXPECT_GE(changements, 1);  // the spans cross a change of summer time

    // Without the zone: the same events, no local time, the ΔT still given.
    const QJsonObject d0 = document_json(executer_astro(avec(k.args, {"--json"})));
    EXPECT_FALSE(au_chemin(d0, "entrees").toObject().contains("fuseau"));
    EXPECT_NEAR(au_chemin(d0, "resultat/delta_t_s").toDouble(), delta_t, 1.0);
    const QJsonValue e0 = au_chemin(d0, "resultat/evenements/0").isUndefined()
                              ? au_chemin(d0, "resultat/listes/0/evenements/0")
                              : au_chemin(d0, "resultat/evenements/0");
    EXPECT_TRUE(e0["instant_local"].isUndefined());
    EXPECT_EQ(e0["instant_tu"], evenements[0].toObject()["instant_tu"]);
  }
}

TEST(FuseauEvenements, FullMoonOfJanuaryOnSeveralClocks) {
  // 2026 January 3, 10 h 04 m 04 s TD: 10 h 02 m 55 s UT with ΔT = 69 s.
  struct cas {
    std::vector<std::string> fuseau;
    std::string titre, ligne;
  };
  const cas tous[] = {
      {{}, "Phases de la Lune", "Pleine Lune\tLe 03 Janvier 2026 à 10 h 04 m 04 s"},
      {{"--fuseau", "UTC"},
       "Phases de la Lune (heure légale, UTC)",
       "Pleine Lune\tLe 03 Janvier 2026 à 10 h 02 m 55 s"},
      {paris, "Phases de la Lune (heure légale, UTC+1)", "Pleine Lune\tLe 03 Janvier 2026 à 11 h 02 m 55 s"},
      {{"--fuseau", "Australia/Sydney"},
       "Phases de la Lune (heure légale, UTC+11)",
       "Pleine Lune\tLe 03 Janvier 2026 à 21 h 02 m 55 s"},
      {{"--fuseau", "America/New_York"},
       "Phases de la Lune (heure légale, UTC-5)",
       "Pleine Lune\tLe 03 Janvier 2026 à 05 h 02 m 55 s"},
  };
  for (const cas& k : tous) {
    const auto r = executer_astro(avec({"--rapport", "phases", "--mois", "1", "--annee", "2026"}, k.fuseau));
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const QStringList l = lignes(r.sortie);
    EXPECT_EQ(l[0].toStdString(), k.titre);
    EXPECT_TRUE(l.contains(QString::fromStdString(k.ligne))) << k.titre << "\n" << r.sortie;
  }
  const auto j = document_json(
      executer_astro({"--rapport", "phases", "--mois", "1", "--annee", "2026", "--json", "--fuseau", "Europe/Paris"}));
  const QJsonObject pleine = element_ou(au_chemin(j, "resultat/listes/0/evenements"), "genre/code", "pleine_lune");
  EXPECT_EQ(pleine["instant"].toString(), "2026-01-03T10:04:04");
  EXPECT_EQ(pleine["instant_tu"].toString(), "2026-01-03T10:02:55Z");
  EXPECT_EQ(pleine["instant_local"].toString(), "2026-01-03T11:02:55+01:00");
  EXPECT_EQ(pleine["heure"].toString(), "11 h 02 m 55 s");
}

TEST(FuseauEvenements, APhaseBelongsToTheMonthOfItsCivilDate) {
  // The first quarter of 2006 August 31, 22 h 57 m 33 s TD, is 1 September 0 h 56 in Paris.
  const std::vector<std::string> args = {"--rapport", "phases", "--mois", "8", "--annee", "2006"};
  const auto tel_quel = executer_astro(args);
  const auto legale = executer_astro(avec(args, paris));
  EXPECT_NE(tel_quel.sortie.find("Premier Quartier\tLe 31 Août 2006 à 22 h 57 m 33 s"), std::string::npos);
  EXPECT_NE(legale.sortie.find("Premier Quartier\tLe 01 Septembre 2006 à 00 h 56 m 28 s"), std::string::npos)
      << legale.sortie;
  const QJsonObject j = document_json(executer_astro(avec(avec(args, paris), {"--json"})));
  // Every list holds the phases of its month on the zone's clock.
  int vues = 0;
  for (const QJsonValue& l : au_chemin(j, "resultat/listes").toArray())
    for (const QJsonValue& e : l["evenements"].toArray()) {
      EXPECT_EQ(e["instant_local"].toString().mid(5, 2).toInt(), l["mois"].toInt())
          << e["instant_local"].toString().toStdString();
      ++vues;
    }
  EXPECT_GT(vues, 20);
}

TEST(FuseauEvenements, EclipseContactsShiftByTheOffsetLessDeltaT) {
  const std::vector<std::string> args = {"--rapport", "eclipses", "--type", "lunaire",
                                         "--debut",   "2025",     "--fin",  "2026"};
  const auto tel_quel = executer_astro(args);
  const auto legale = executer_astro(avec(args, paris));
  const QJsonObject j = document_json(executer_astro(avec(avec(args, paris), {"--json"})));
  const double delta_t = au_chemin(j, "resultat/delta_t_s").toDouble();
  const QStringList avant = QString::fromStdString(tel_quel.sortie).split(QStringLiteral(" Le "));
  const QStringList apres = QString::fromStdString(legale.sortie).split(QStringLiteral(" Le "));
  const QJsonArray evenements = au_chemin(j, "resultat/evenements").toArray();
  ASSERT_EQ(avant.size(), apres.size());
  ASSERT_EQ(apres.size() - 1, evenements.size());
  ASSERT_GE(evenements.size(), 3);  // March and September 2025, March 2026
  for (int i = 1; i < apres.size(); ++i) {
    const std::vector<int> t0 = heures_eclipse(avant[i]), t1 = heures_eclipse(apres[i]);
    ASSERT_EQ(t0.size(), t1.size());
    ASSERT_GE(t0.size(), 4u);  // the maximum on the date line, the contacts, the maximum again
    const QString decalage = decalage_local(evenements[i - 1].toObject()["instant_local"]);
    const int heures = decalage == "UTC+2" ? 2 : 1;
    for (std::size_t c = 0; c < t0.size(); ++c) {
      const int ecart = ((t1[c] - t0[c]) % 86400 + 86400) % 86400;
      EXPECT_NEAR(ecart, heures * 3600 - delta_t, 1.5) << apres[i].toStdString();
    }
  }
}

TEST(FuseauEvenements, DatesReadTheTypedTimesOnTheZonesClock) {
  struct cas {
    std::string date1, heure1, date2, heure2;
    std::string intervalle_tel_quel, intervalle_paris;
  };
  const cas tous[] = {
      // The night the clocks go forward: 1 h to 4 h is two hours; back in autumn, four.
      {"29/03/2026", "01:00", "29/03/2026", "04:00", "00 jour 3 h 00 m 00 s", "00 jour 2 h 00 m 00 s"},
      {"25/10/2026", "01:00", "25/10/2026", "04:00", "00 jour 3 h 00 m 00 s", "00 jour 4 h 00 m 00 s"},
      // Winter to summer: an hour less than the calendar says.
      {"01/01/2026", "12:00", "01/07/2026", "12:00", "181 jours 0 h 00 m 00 s", "180 jours 23 h 00 m 00 s"},
      // Summer to winter, backwards.
      {"01/09/2026", "12:00", "01/12/2026", "12:00", "91 jours 0 h 00 m 00 s", "91 jours 1 h 00 m 00 s"},
  };
  for (const cas& k : tous) {
    SCOPED_TRACE(k.date1 + " " + k.date2);
    const std::vector<std::string> args = {"--rapport", "dates",   "--date1", k.date1,    "--heure1",
                                           k.heure1,    "--date2", k.date2,   "--heure2", k.heure2};
    const auto tel_quel = executer_astro(args);
    const auto legale = executer_astro(avec(args, paris));
    ASSERT_EQ(legale.statut, 0) << legale.erreurs;
    const QStringList a = lignes(tel_quel.sortie), b = lignes(legale.sortie);
    EXPECT_TRUE(a[4].endsWith(QString::fromStdString(k.intervalle_tel_quel))) << a[4].toStdString();
    EXPECT_TRUE(b[4].endsWith(QString::fromStdString(k.intervalle_paris))) << b[4].toStdString();
    // The weekdays and days of the year are those of the dates typed.
    EXPECT_EQ(a.mid(0, 4), b.mid(0, 4));
  }
  // The first typed instant is the reference: 29 March 2026, 1 h in Paris is 0 h UT.
  const QJsonObject j = document_json(executer_astro(
      {"--rapport", "dates", "--date1", "29/03/2026", "--heure1", "01:00", "--json", "--fuseau", "Europe/Paris"}));
  EXPECT_NEAR(au_chemin(j, "resultat/delta_t_s").toDouble(), 69, 2);
  EXPECT_EQ(au_chemin(j, "entrees/fuseau").toString(), "Europe/Paris");
}

TEST(FuseauEvenements, StreamedPerigeesWriteOneOrderedDocument) {
  // The document written as the rows come is the one the toolkit writes for the same
  // object: keys in order, "delta_t_s" before "evenements", nothing else added.
  for (const auto& fuseau : {std::vector<std::string>{}, paris}) {
    const auto r =
        executer_astro(avec({"--rapport", "perigees", "--debut", "2026", "--fin", "2027", "--json"}, fuseau));
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const QJsonObject d = document_json(r);
    ASSERT_FALSE(d.isEmpty());
    EXPECT_EQ(QJsonDocument(d).toJson(QJsonDocument::Compact).toStdString() + "\n", r.sortie);
    EXPECT_EQ(d["resultat"].toObject().keys(), (QStringList{"delta_t_s", "evenements"}));
    EXPECT_EQ(d["entrees"].toObject().contains("fuseau"), !fuseau.empty());
    EXPECT_NEAR(au_chemin(d, "resultat/delta_t_s").toDouble(), 69, 2);
    const auto texte = executer_astro(avec({"--rapport", "perigees", "--debut", "2026", "--fin", "2027"}, fuseau));
    EXPECT_EQ(d["texte"].toString().toStdString(), texte.sortie);
  }
}

TEST(FuseauEvenements, UnknownZoneIsRefusedInFrench) {
  const auto r =
      executer_astro({"--rapport", "perigees", "--debut", "2026", "--fin", "2027", "--fuseau", "Mars/Olympe"});
  EXPECT_EQ(r.statut, 2);
  EXPECT_TRUE(r.sortie.empty()) << r.sortie;
  EXPECT_NE(r.erreurs.find("Fuseau horaire inconnu : "), std::string::npos) << r.erreurs;
  EXPECT_NE(r.erreurs.find("Mars/Olympe"), std::string::npos) << r.erreurs;
}
