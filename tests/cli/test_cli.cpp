// The command-line framework: help, errors, exit statuses, option parsing.
#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>
#include <cmath>
#include <sstream>

#include "cli/cli.h"
#include "cli/sortie_json.h"
#include "outils.h"

using namespace almanax;
using namespace almanax::cli;

namespace {
arguments args(std::map<std::string, std::string> v) { return arguments(std::move(v)); }

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
  const std::vector<std::vector<std::string>> mauvais = {
      {"--rapport", "inexistant"},
      {"--rapport", "dates", "--date1", "32/01/2000"},
      {"--rapport", "dates", "--date1", "29/02/1900"},
      {"--rapport", "dates", "--date1", "01/01/0"},
      {"--rapport", "dates", "--date1", "10/10/1582"},
      {"--rapport", "dates", "--date1", "2000-01-01"},
      {"--rapport", "dates", "--heure1", "24:00"},
      {"--rapport", "dates", "--annee", "abc"},
      {"--rapport", "dates", "--annee", "5000"},
      {"--rapport", "dates", "--annee", "0"},
      {"--rapport", "dates", "--inconnue", "1"},
      {"--rapport", "dates", "--annee"},
      {"--rapport", "dates", "--annee", "2000", "--annee", "2001"},
      {"sans-tirets"},
      {"--date1", "01/01/2000"},
  };
  for (const auto& a : mauvais) {
    const auto r = lancer(a);
    std::string cmd;
    for (const auto& x : a) cmd += x + " ";
    EXPECT_EQ(r.statut, 2) << cmd;
    EXPECT_TRUE(r.sortie.empty()) << cmd;
    EXPECT_EQ(r.erreurs.rfind("astro : ", 0), 0u) << cmd << r.erreurs;
  }
  EXPECT_NE(lancer({"--rapport", "dates", "--annee", "abc"}).erreurs.find("« abc »"), std::string::npos);
  EXPECT_NE(lancer({"--rapport", "dates", "--inconnue", "1"}).erreurs.find("--inconnue"), std::string::npos);
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
  EXPECT_TRUE(evenement_json(INFINITY)["instant"].isNull());
  EXPECT_TRUE(evenement_json(INFINITY)["jde"].isNull());
  EXPECT_EQ(evenement_json(2451545)["echelle"].toString(), "TD");
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
    const double jde = o["jde"].toDouble(NAN);
    if (std::abs(jour_julien_iso(o["instant"].toString()) - jde) > 0.51 / 86400)
      faute("instant " + o["instant"].toString().toStdString() + " loin de jde " + std::to_string(jde));
  }
  if (o.contains("evenements")) {
    if (!o["evenements"].isArray()) faute("evenements n'est pas une liste");
    for (const QJsonValue e : o["evenements"].toArray())
      if (!e.toObject().contains("jde")) faute("évènement sans jde");
  }
  for (auto it = o.begin(); it != o.end(); ++it) verifier_forme(it.value(), chemin + "/" + it.key().toStdString(), fautes);
}

}  // namespace

TEST(LigneDeCommande, TousLesRapportsJsonOntLaMemeForme) {
  // Short inputs for the searches; a report not listed runs on its defaults.
  const std::map<std::string, std::vector<std::string>> options = {
      {"dates", {"--date1", "15/03/-44", "--heure1", "12:00", "--annee", "1992"}},
      {"ephemerides", {"--planete", "Saturne", "--date", "20/12/1992", "--heure", "00:00", "--lat", "48.8", "--lon", "-2.3"}},
      {"soleil-lune", {"--date", "08/12/2026", "--heure", "12:00", "--lat", "78", "--lon", "-15"}},
      {"phases", {"--mois", "1", "--annee", "-4713"}},
      {"perigees", {"--debut", "1992", "--fin", "1993"}},
      {"eclipses", {"--debut", "1990", "--fin", "1992"}},
      {"phenomenes", {"--debut", "-100", "--fin", "-99"}},
      {"perihelies", {"--debut", "9998", "--fin", "9999"}},
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
    EXPECT_EQ(d["texte"].toString().toStdString(), texte.sortie) << nom;
    std::vector<std::string> fautes;
    verifier_forme(d, nom, fautes);
    for (const std::string& f : fautes) ADD_FAILURE() << f;
  }
}

TEST(LigneDeCommande, LeProgrammeConstruitRepondCommeLaFonction) {
  const auto r = executer_astro({"--rapport", "dates", "--date1", "01/01/2000", "--heure1", "12:00", "--date2",
                                 "02/01/2000", "--annee", "2026"});
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
