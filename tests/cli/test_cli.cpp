// The command-line framework: help, errors, exit statuses, option parsing.
#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>
#include <chrono>
#include <cmath>
#include <sstream>
#include <tuple>

#include "cli/cli.h"
#include "cli/sortie_json.h"
#include "outils.h"

using namespace almanax;
using namespace almanax::cli;

namespace {
arguments args(std::map<std::string, std::string> v) {
  return arguments(std::move(v));
}

// Runs the command line in this process and returns {status, stdout, stderr}.
sortie_astro lancer(std::vector<std::string> a) {
  a.insert(a.begin(), "astro");
  std::vector<char*> argv;
  for (auto& s : a) argv.push_back(s.data());
  std::ostringstream out, err;
  const int statut = principal(static_cast<int>(argv.size()), argv.data(), out, err);
  return {statut, out.str(), err.str()};
}
}  // namespace

TEST(LigneDeCommande, AideEnFrancaisAvecLesRapports) {
  const auto r = lancer({"--help"});
  EXPECT_EQ(r.statut, 0);
  EXPECT_NE(r.sortie.find("Utilisation"), std::string::npos);
  for (const auto& rap : rapports()) EXPECT_NE(r.sortie.find(std::string(rap.nom)), std::string::npos) << rap.nom;
  EXPECT_TRUE(r.erreurs.empty());
}

TEST(LigneDeCommande, ErreursStatut2MessageFrancaisRienSurLaSortie) {
  // Each bad command line with a piece of the message that must name the fault.
  const std::vector<std::pair<std::vector<std::string>, std::string>> mauvais = {
      {{"--rapport", "inexistant"}, "Rapport inconnu : « inexistant »"},
      {{"--rapport", "dates", "--date1", "32/01/2000"}, "jour de 1 à 31"},
      {{"--rapport", "dates", "--date1", "29/02/1900"}, "jour de 1 à 28"},
      {{"--rapport", "dates", "--date1", "01/01/0"}, "l'année 0 n'existe pas"},
      {{"--rapport", "dates", "--date1", "0000-01-01"}, "l'année 0 n'existe pas"},
      {{"--rapport", "dates", "--date1", "10/10/1582"}, "octobre 1582"},
      {{"--rapport", "dates", "--date1", "1582-10-10"}, "octobre 1582"},
      {{"--rapport", "dates", "--date1", "2000-13-01"}, "mois de 1 à 12"},
      {{"--rapport", "dates", "--date1", "2000-01"}, "AAAA-MM-JJ"},
      {{"--rapport", "dates", "--date1", "2000/01/01"}, "JJ/MM/AAAA"},
      {{"--rapport", "dates", "--date1", "-1/01/2000"}, "JJ/MM/AAAA"},
      {{"--rapport", "dates", "--date1", "1 /01/2000"}, "JJ/MM/AAAA"},
      {{"--rapport", "dates", "--date1", "2000--01-01"}, "AAAA-MM-JJ"},
      {{"--rapport", "dates", "--heure1", "24:00"}, "Heure invalide pour --heure1"},
      {{"--rapport", "dates", "--heure1", "-0:-0"}, "« -0:-0 »"},
      {{"--rapport", "dates", "--heure1", "+1:00"}, "Heure invalide"},
      {{"--rapport", "dates", "--heure1", "12:30:15."}, "Heure invalide"},
      {{"--rapport", "dates", "--heure1", "12:30:60"}, "Heure invalide"},
      {{"--rapport", "dates", "--heure1", "12:30:15:1"}, "Heure invalide"},
      {{"--rapport", "dates", "--heure1", "12"}, "Heure invalide"},
      {{"--rapport", "dates", "--annee", "abc"}, "« abc »"},
      {{"--rapport", "dates", "--annee", "5000"}, "hors limites"},
      {{"--rapport", "dates", "--annee", "0"}, "l'année 0 n'existe pas"},
      {{"--rapport", "dates", "--inconnue", "1"}, "Option inconnue pour ce rapport : --inconnue."},
      {{"--rapport", "dates", "--inconnue"}, "Option inconnue pour ce rapport : --inconnue."},
      {{"--rapport", "dates", "--inconnue", "--json"}, "Option inconnue pour ce rapport : --inconnue."},
      {{"--rapport", "dates", "--annee"}, "Valeur manquante pour --annee."},
      {{"--rapport", "dates", "--date1", "--annee", "2000"}, "Valeur manquante pour --date1."},
      {{"--rapport", "dates", "--annee", "2000", "--annee", "2001"}, "Option donnée deux fois : --annee."},
      {{"--rapport", "dates", "--annee", "--annee"}, "Option donnée deux fois : --annee."},
      {{"--rapport", "dates", "--rapport", "dates"}, "Option donnée deux fois : --rapport."},
      {{"--rapport=dates", "--rapport", "phases"}, "Option donnée deux fois : --rapport."},
      {{"--rapport"}, "Valeur manquante pour --rapport."},
      {{"sans-tirets"}, "Argument inattendu"},
      {{"--date1", "01/01/2000"}, "Aucun rapport demandé"},
  };
  for (const auto& [a, message] : mauvais) {
    const auto r = lancer(a);
    std::string cmd;
    for (const auto& x : a) cmd += x + " ";
    EXPECT_EQ(r.statut, 2) << cmd;
    EXPECT_TRUE(r.sortie.empty()) << cmd;
    EXPECT_EQ(r.erreurs.rfind("astro : ", 0), 0u) << cmd << r.erreurs;
    EXPECT_NE(r.erreurs.find(message), std::string::npos) << cmd << r.erreurs;
  }
  // A mistyped option is refused before the search it would have waited for.
  const auto debut = std::chrono::steady_clock::now();
  const auto r = lancer({"--rapport", "perihelies", "--debut", "-4713", "--fin", "9999", "--planete", "Mars"});
  EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(2));
  EXPECT_EQ(r.statut, 2);
  EXPECT_NE(r.erreurs.find("Option inconnue pour ce rapport : --planete."), std::string::npos) << r.erreurs;
}

TEST(LigneDeCommande, DatesIsoEtFractionsDeSeconde) {
  // Year first is the same date as JJ/MM/AAAA, historical years and the program's calendar.
  const std::pair<const char*, date_jma> dates[] = {
      {"1992-12-20", {20, 12, 1992}}, {"+1992-12-20", {20, 12, 1992}}, {"-0044-03-15", {15, 3, -44}},
      {"-44-3-15", {15, 3, -44}},     {"-4713-01-01", {1, 1, -4713}},  {"9999-12-31", {31, 12, 9999}},
      {"1582-10-04", {4, 10, 1582}},  {"1582-10-15", {15, 10, 1582}},  {"15/03/-44", {15, 3, -44}},
  };
  for (const auto& [texte, attendu] : dates) EXPECT_EQ(args({{"d", texte}}).date("d", {}), attendu) << texte;
  const std::tuple<const char*, int, int, int, int> heures[] = {
      {"12:30:15.5", 12, 30, 15, 500},    {"12:30:15,25", 12, 30, 15, 250},
      {"23:59:59.9999", 23, 59, 59, 999}, {"7:05", 7, 5, 0, 0},
      {"00:00:00.000", 0, 0, 0, 0},       {"1:2:3", 1, 2, 3, 0},
  };
  for (const auto& [texte, h, m, s, ms] : heures) {
    const heure_hms x = args({{"h", texte}}).heure("h", {});
    EXPECT_EQ((std::array{x.heure, x.minute, x.seconde, x.milliseconde}), (std::array{h, m, s, ms})) << texte;
  }
  // The same instant typed both ways gives the same report; the fraction is in the JSON inputs.
  const auto jma =
      executer_astro({"--rapport", "dates", "--date1", "15/03/-44", "--heure1", "12:30:15", "--annee", "2000"});
  const auto iso =
      executer_astro({"--rapport", "dates", "--date1", "-0044-03-15", "--heure1", "12:30:15.5", "--annee", "2000"});
  ASSERT_EQ(iso.statut, 0) << iso.erreurs;
  EXPECT_EQ(iso.sortie, jma.sortie);
  const auto json = executer_astro(
      {"--rapport", "dates", "--date1", "-0044-03-15", "--heure1", "12:30:15.5", "--annee", "2000", "--json"});
  EXPECT_DOUBLE_EQ(au_chemin(document_json(json), "entrees/heure1/seconde").toDouble(), 15.5);
  EXPECT_EQ(au_chemin(document_json(json), "entrees/date1/annee").toInt(), -44);
}

TEST(LigneDeCommande, SeparateurDecimalDeLaLangueCommeLaFenetre) {
  const std::vector<std::string> a = {"--rapport", "soleil-lune", "--date", "13/10/1992", "--heure",
                                      "00:00",     "--lat",       "0",      "--lon",      "0"};
  const std::pair<const char*, const char*> cas[] = {
      {"C.UTF-8", "Distance à la Terre \t0.99761 UA\r\n"},
      {"fr_FR.UTF-8", "Distance à la Terre \t0,99761 UA\r\n"},
      {"en_US.UTF-8", "Distance à la Terre \t0.99761 UA\r\n"},
  };
  for (const auto& [langue, attendu] : cas) {
    const auto r = executer_astro(a, dossier_de_test(), langue);
    ASSERT_EQ(r.statut, 0) << langue << r.erreurs;
    EXPECT_NE(r.sortie.find(attendu), std::string::npos) << langue << r.sortie;
  }
  // The JSON's raw numbers keep their point whatever the language.
  auto j = a;
  j.push_back("--json");
  const auto r = executer_astro(j, dossier_de_test(), "fr_FR.UTF-8");
  EXPECT_NEAR(au_chemin(document_json(r), "resultat/soleil/distance_ua/valeur").toDouble(), 0.99761, 1e-5);
  EXPECT_EQ(au_chemin(document_json(r), "resultat/soleil/distance_ua/texte").toString(), "0,99761");
  const auto aide = lancer({"--help"});
  EXPECT_NE(aide.sortie.find("virgule en français"), std::string::npos);
  EXPECT_NE(aide.sortie.find("AAAA-MM-JJ"), std::string::npos);
  EXPECT_NE(aide.sortie.find("HH:MM:SS,sss"), std::string::npos);
}

TEST(LigneDeCommande, OptionsTypees) {
  auto a = args({{"n", "-12"}, {"x", "3,25"}, {"y", "-0.5"}, {"d", "31/12/-4713"}, {"h", "7:05"}, {"p", "venus,Mars"}});
  EXPECT_EQ(a.entier("n", 0, -100, 100), -12);
  EXPECT_DOUBLE_EQ(static_cast<double>(a.reel("x", 0, -10, 10)), 3.25);
  EXPECT_DOUBLE_EQ(static_cast<double>(a.reel("y", 0, -10, 10)), -0.5);
  EXPECT_EQ(a.date("d", {}), (date_jma{31, 12, -4713}));
  const heure_hms h = a.heure("h", {});
  EXPECT_EQ(h.heure, 7);
  EXPECT_EQ(h.minute, 5);
  EXPECT_EQ(h.seconde, 0);
  EXPECT_EQ(a.liste("p", {}, {"Vénus", "Mars", "Jupiter"}), (std::vector<std::string>{"Vénus", "Mars"}));
  EXPECT_NO_THROW(a.verifier_tout_lu());
  EXPECT_EQ(a.entier("absente", 42, 0, 100), 42);

  auto b = args({{"d", "29/02/-1"}, {"e", "29/02/-2"}, {"f", "31/04/2000"}, {"r", "1e999"}});
  EXPECT_EQ(b.date("d", {}).jour, 29);  // 1 BC, astronomical year 0, is a leap year
  EXPECT_THROW(b.date("e", {}), erreur_option);
  EXPECT_THROW(b.date("f", {}), erreur_option);
  EXPECT_THROW(b.reel("r", 0, -1e9, 1e9), erreur_option);
  auto c = args({{"lu", "1"}, {"oublie", "2"}});
  c.texte("lu", "");
  EXPECT_THROW(c.verifier_tout_lu(), erreur_option);
}

TEST(LigneDeCommande, InstantIsoDuJourJulien) {
  // Proleptic Gregorian calendar, astronomical years, expanded years outside 0000..9999.
  const std::pair<long double, const char*> cas[] = {
      {2451545.0L, "2000-01-01T12:00:00"},
      {2299160.5L, "1582-10-15T00:00:00"},
      {1721425.5L, "0001-01-01T00:00:00"},
      {1721424.5L, "0000-12-31T00:00:00"},
      {0.0L, "-4713-11-24T12:00:00"},
      {-1.0L, "-4713-11-23T12:00:00"},
      {5373484.5L, "+10000-01-01T00:00:00"},
      {2451545.0L + 86399.6L / 86400, "2000-01-02T12:00:00"},  // rounded to the second, carried
      {2451544.5L - 0.4L / 86400, "2000-01-01T00:00:00"},
  };
  for (const auto& [jd, attendu] : cas) EXPECT_EQ(instant_iso(jd).toStdString(), attendu) << static_cast<double>(jd);
  EXPECT_TRUE(instant_iso(std::nanl("")).isEmpty());
  EXPECT_TRUE(instant_iso(1e300L).isEmpty());
  EXPECT_TRUE(instant_iso(-1e300L).isEmpty());
  const echelle_temps telle_quelle;
  EXPECT_TRUE(evenement_json(INFINITY, telle_quelle)["instant"].isNull());
  EXPECT_TRUE(evenement_json(INFINITY, telle_quelle)["jde"].isNull());
  EXPECT_TRUE(evenement_json(INFINITY, telle_quelle)["instant_tu"].isNull());
  const QJsonObject j2000 = evenement_json(2451545, telle_quelle);
  EXPECT_EQ(j2000["echelle"].toString(), "TD");
  // UTC is TT - ΔT (63.83 s in 2000); the zone's clock only when one is given.
  EXPECT_EQ(j2000["instant_tu"].toString(), "2000-01-01T11:58:56Z");
  EXPECT_FALSE(j2000.contains("instant_local"));
  const echelle_temps inde(std::make_shared<fuseau_fixe>(5 * 3600 + 1800, "Asia/Kolkata"));
  EXPECT_EQ(evenement_json(2451545, inde)["instant_local"].toString(), "2000-01-01T17:28:56+05:30");
  const echelle_temps ouest(std::make_shared<fuseau_fixe>(-3 * 3600, "America/Sao_Paulo"));
  EXPECT_EQ(evenement_json(2451545, ouest)["instant_local"].toString(), "2000-01-01T08:58:56-03:00");
}

TEST(LigneDeCommande, CodesAsciiDesLibelles) {
  const std::pair<const char*, const char*> cas[] = {
      {"Périgée", "perigee"},
      {"Conjonction inférieure", "conjonction_inferieure"},
      {"Partielle non-centrale", "partielle_non_centrale"},
      {"Été", "ete"},
      {" Nouvelle  Lune ", "nouvelle_lune"},
      {"Toujours levé", "toujours_leve"},
  };
  for (const auto& [libelle, code] : cas) EXPECT_EQ(code_ascii(libelle), code) << libelle;
  const QJsonObject g = genre_json("Vénus");
  EXPECT_EQ(g["code"].toString(), "venus");
  EXPECT_EQ(g["libelle"].toString(), QString::fromUtf8("Vénus"));
  const QJsonObject v = valeur_et_texte(std::nullopt, "");
  EXPECT_TRUE(v["valeur"].isNull());
  EXPECT_TRUE(valeur_et_texte(std::nanl(""), "x")["valeur"].isNull());
  EXPECT_TRUE(nombre_json(1e4000L).isNull());
  EXPECT_EQ(nombre_json(-0.5L).toDouble(), -0.5);
}

namespace {

// Julian day of an ISO 8601 instant of the reports, through the toolkit's own
// (proleptic Gregorian) calendar, which has no year 0.
double jour_julien_iso(const QString& iso) {
  static const QRegularExpression forme(R"(^([+-]?)(\d{4,})-(\d\d)-(\d\d)T(\d\d):(\d\d):(\d\d)$)");
  const auto m = forme.match(iso);
  if (!m.hasMatch()) return NAN;
  int annee = m.captured(2).toInt() * (m.captured(1) == "-" ? -1 : 1);
  if (annee <= 0) --annee;
  const QDate d(annee, m.captured(3).toInt(), m.captured(4).toInt());
  if (!d.isValid()) return NAN;
  const int secondes = m.captured(5).toInt() * 3600 + m.captured(6).toInt() * 60 + m.captured(7).toInt();
  return static_cast<double>(d.toJulianDay()) - 0.5 + secondes / 86400.0;
}

// Walks a report's JSON and records every break of the shared conventions.
void verifier_forme(const QJsonValue& v, const std::string& chemin, std::vector<std::string>& fautes) {
  const auto faute = [&](const std::string& quoi) { fautes.push_back(chemin + " : " + quoi); };
  if (v.isArray()) {
    int i = 0;
    for (const QJsonValue x : v.toArray()) verifier_forme(x, chemin + "/" + std::to_string(i++), fautes);
    return;
  }
  if (!v.isObject()) return;
  const QJsonObject o = v.toObject();
  for (const char* ancien : {"textes", "lignes", "passages", "phases", "eclipses", "type_texte"})
    if (o.contains(ancien)) faute(std::string("liste ou bloc d'un autre nom : ") + ancien);
  if (o.contains("valeur") && !o["texte"].isString()) faute("valeur sans texte");
  if (o.contains("code")) {
    static const QRegularExpression ascii("^[a-z0-9]+(_[a-z0-9]+)*$");
    if (!ascii.match(o["code"].toString()).hasMatch()) faute("code non ASCII : " + o["code"].toString().toStdString());
    if (!o["libelle"].isString() || o["libelle"].toString().isEmpty()) faute("code sans libellé");
  }
  if (o.contains("jde")) {
    if (o["echelle"].toString() != "TD") faute("évènement sans échelle TD");
    if (!o["jde"].isNull() && !o["instant_tu"].toString().endsWith('Z')) faute("évènement sans instant_tu");
    const double jde = o["jde"].toDouble(NAN);
    if (std::abs(jour_julien_iso(o["instant"].toString()) - jde) > 0.51 / 86400)
      faute("instant " + o["instant"].toString().toStdString() + " loin de jde " + std::to_string(jde));
  }
  if (o.contains("evenements")) {
    if (!o["evenements"].isArray()) faute("evenements n'est pas une liste");
    for (const QJsonValue e : o["evenements"].toArray())
      if (!e.toObject().contains("jde")) faute("évènement sans jde");
  }
  for (auto it = o.begin(); it != o.end(); ++it)
    verifier_forme(it.value(), chemin + "/" + it.key().toStdString(), fautes);
}

}  // namespace

TEST(LigneDeCommande, TousLesRapportsJsonOntLaMemeForme) {
  // Short inputs for the searches; a report not listed runs on its defaults.
  const std::map<std::string, std::vector<std::string>> options = {
      {"dates", {"--date1", "15/03/-44", "--heure1", "12:00", "--annee", "1992"}},
      {"ephemerides",
       {"--planete", "Saturne", "--date", "20/12/1992", "--heure", "00:00", "--lat", "48.8", "--lon", "-2.3"}},
      {"soleil-lune", {"--date", "08/12/2026", "--heure", "12:00", "--lat", "78", "--lon", "-15"}},
      {"ce-soir",
       {"--date", "21/06/2026", "--heure", "23:00", "--lat", "68", "--lon", "-20", "--fuseau", "Europe/Oslo"}},
      {"phases", {"--mois", "1", "--annee", "-4713"}},
      {"perigees", {"--debut", "1992", "--fin", "1993"}},
      {"eclipses", {"--debut", "1990", "--fin", "1992"}},
      {"phenomenes", {"--debut", "-100", "--fin", "-99"}},
      {"perihelies", {"--debut", "9998", "--fin", "9999"}},
      // The reports below default to the present instant: fixed here, so that the text and
      // the JSON run compute the same second.
      {"equation-temps", {"--date", "11/02/1992"}},
      {"satellites", {"--mois", "12", "--annee", "1992"}},
      {"comete", {"--date", "20/12/1992", "--heure", "00:00"}},
      {"precession", {"--date", "20/12/1992", "--heure", "00:00"}},
      {"planetarium-helio", {"--date", "20/12/1992", "--heure", "00:00"}},
      {"planetarium-geo", {"--date", "20/12/1992", "--heure", "00:00"}},
  };
  for (const rapport& rap : rapports()) {
    const std::string nom(rap.nom);
    std::vector<std::string> a = {"--rapport", nom};
    if (const auto it = options.find(nom); it != options.end()) a.insert(a.end(), it->second.begin(), it->second.end());
    const auto texte = executer_astro(a);
    a.push_back("--json");
    const auto json = executer_astro(a);
    ASSERT_EQ(json.statut, 0) << nom << json.erreurs;
    const QJsonObject d = document_json(json);
    ASSERT_FALSE(d.isEmpty()) << nom << json.sortie.substr(0, 200);
    EXPECT_EQ(d.keys(), (QStringList{"entrees", "rapport", "resultat", "texte"})) << nom;
    EXPECT_EQ(d["rapport"].toString().toStdString(), nom);
    EXPECT_TRUE(d["entrees"].isObject() && d["resultat"].isObject()) << nom;
    // Every result gives the ΔT it used.
    EXPECT_TRUE(d["resultat"].toObject()["delta_t_s"].isDouble()) << nom;
    EXPECT_EQ(d["texte"].toString().toStdString(), texte.sortie) << nom;
    std::vector<std::string> fautes;
    verifier_forme(d, nom, fautes);
    for (const std::string& f : fautes) ADD_FAILURE() << f;
  }
}

TEST(LigneDeCommande, LeProgrammeConstruitRepondCommeLaFonction) {
  const auto r = executer_astro(
      {"--rapport", "dates", "--date1", "01/01/2000", "--heure1", "12:00", "--date2", "02/01/2000", "--annee", "2026"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("Première date\t Nom du jour : samedi\r\n"), std::string::npos);
  EXPECT_NE(r.sortie.find("Pâques\t: 5 Avril\r\n"), std::string::npos);
  const auto mauvais = executer_astro({"--rapport", "dates", "--date1", "xx"});
  EXPECT_EQ(mauvais.statut, 2);
  EXPECT_TRUE(mauvais.sortie.empty());
  EXPECT_NE(mauvais.erreurs.find("Date invalide"), std::string::npos);
  // Without arguments the program opens its window; the help is asked for.
  const auto aide = executer_astro({"--help"});
  EXPECT_EQ(aide.statut, 0);
  EXPECT_NE(aide.sortie.find("Utilisation"), std::string::npos);
}
