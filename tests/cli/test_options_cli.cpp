// The options as declared: each report's help lists exactly what it accepts, each
// declared option really works, the rest is refused; --version, "--", and only French.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <map>
#include <set>
#include <sstream>

#include "cli/cli.h"
#include "outils.h"
#include "planseries/planseries.h"

using namespace almanax::cli;

namespace {

sortie_astro dans_le_processus(std::vector<std::string> a) {
  a.insert(a.begin(), "astro");
  std::vector<char*> argv;
  for (auto& s : a) argv.push_back(s.data());
  std::ostringstream out, err;
  const int statut = principal(static_cast<int>(argv.size()), argv.data(), out, err);
  return {statut, out.str(), err.str()};
}

// The "--name" starting each option line of a help.
std::set<std::string> options_de_l_aide(const std::string& aide) {
  std::set<std::string> r;
  static const QRegularExpression ligne(R"(^  --([A-Za-z0-9-]+))", QRegularExpression::MultilineOption);
  for (auto m = ligne.globalMatch(QString::fromStdString(aide)); m.hasNext();)
    r.insert(m.next().captured(1).toStdString());
  return r;
}

// A value each declared option accepts; the options that go only with others bring them.
const std::map<std::string, std::vector<std::string>> exemples = {
    {"date", {"20/12/1992"}},
    {"heure", {"12:00"}},
    {"date1", {"20/12/1992"}},
    {"heure1", {"12:00:30,5"}},
    {"date2", {"-0044-03-15"}},
    {"heure2", {"00:00"}},
    {"annee", {"1992"}},
    {"mois", {"3"}},
    {"format", {"ics"}},
    {"planete", {"Mars"}},
    {"planetes", {"Mars,Vénus"}},
    {"site", {"Paris"}},
    {"lat", {"48.8", "--lon", "-2.35"}},
    {"lon", {"-2.35", "--lat", "48.8"}},
    {"debut", {"-500"}},
    {"fin", {"1993", "--debut", "1992"}},
    {"types", {"apogée"}},
    {"type", {"solaire"}},
    {"image", {"image.png"}},
    {"comete", {"1P/Halley"}},
    {"nom",
     {"Halley", "--T", "09/02/1986.5", "--q", "0.587", "--e", "0.967", "--i", "162.2", "--w", "111.8", "--W", "58.1"}},
    {"ad", {"12:30:00"}},
    {"dec", {"-10:00:00"}},
    {"mpa", {"-0.5"}},
    {"mpd", {"0,25"}},
    {"equinoxe", {"01/01/1950"}},
    {"heure-equinoxe", {"00:00"}},
};
const std::vector<std::string> elements_comete = {"--T", "09/02/1986.5", "--q", "0.587", "--e", "0.967",
                                                  "--i", "162.2",        "--w", "111.8", "--W", "58.1"};

bool declare(const rapport& r, std::string_view nom) {
  for (const option_rapport& o : r.options)
    if (o.nom == nom) return true;
  return false;
}

}  // namespace

TEST(OptionsDeclarees, VersionDuProgrammeEtDeLaBibliotheque) {
  EXPECT_TRUE(QRegularExpression(R"(^\d+\.\d+\.\d+$)").match(planseries::version()).hasMatch())
      << planseries::version();
  for (const std::vector<std::string>& a :
       {std::vector<std::string>{"--version"}, {"--rapport", "dates", "--version"}}) {
    const auto r = executer_astro(a);
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, "Almanax 2.0\nplanseries " + std::string(planseries::version()) + "\n");
    EXPECT_TRUE(r.erreurs.empty()) << r.erreurs;
  }
}

TEST(OptionsDeclarees, AideDeChaqueRapportEtOptionsRefusees) {
  std::set<std::string> toutes;
  for (const rapport& r : rapports())
    for (const option_rapport& o : r.options) toutes.insert(std::string(o.nom));
  for (const rapport& r : rapports()) {
    const std::string nom(r.nom);
    const auto aide = dans_le_processus({"--rapport", nom, "--help"});
    ASSERT_EQ(aide.statut, 0) << nom;
    std::set<std::string> attendues = {"fuseau", "json", "help"};  // every report reads times in a zone
    for (const option_rapport& o : r.options) attendues.insert(std::string(o.nom));
    EXPECT_EQ(options_de_l_aide(aide.sortie), attendues) << nom << "\n" << aide.sortie;
    EXPECT_NE(aide.sortie.find(std::string(r.resume.substr(0, 20))), std::string::npos) << nom;
    for (const char* autre : {"-h", "--aide"})
      EXPECT_EQ(dans_le_processus({"--rapport", nom, autre}).sortie, aide.sortie) << nom << " " << autre;
    // Readable in a terminal: no line wider than 100 characters.
    std::istringstream lignes(aide.sortie);
    for (std::string l; std::getline(lignes, l);) EXPECT_LE(QString::fromStdString(l).size(), 100) << nom << " : " << l;
    // Every option of another report is refused by this one before any computing.
    for (const std::string& o : toutes) {
      if (attendues.count(o)) continue;
      const auto refus = dans_le_processus({"--rapport", nom, "--" + o, "1"});
      EXPECT_EQ(refus.statut, 2) << nom << " --" << o;
      EXPECT_EQ(refus.erreurs, "astro : Option inconnue pour ce rapport : --" + o + ".\n") << nom;
    }
  }
  // The general help lists every report and the general options.
  const auto generale = dans_le_processus({"--help"});
  const std::set<std::string> generales = options_de_l_aide(generale.sortie);
  for (const option_rapport& o : options_generales()) EXPECT_TRUE(generales.count(std::string(o.nom))) << o.nom;
}

TEST(OptionsDeclarees, ChaqueOptionDeclareeEstLueParSonRapport) {
  // Each report with each of its options alone (and those it needs): computed, status 0.
  // A report asking about an option it does not declare, or reading it with another
  // reader, fails here with "erreur inattendue".
  for (const rapport& r : rapports())
    for (const option_rapport& o : r.options) {
      const std::string nom(o.nom);
      std::vector<std::string> a = {"--rapport", std::string(r.nom), "--" + nom};
      const auto e = exemples.find(nom);
      if (e != exemples.end()) {
        a.insert(a.end(), e->second.begin(), e->second.end());
      } else {
        ASSERT_TRUE(std::count(elements_comete.begin(), elements_comete.end(), "--" + nom))
            << "exemple manquant : " << nom;
        a.pop_back();
        a.insert(a.end(), elements_comete.begin(), elements_comete.end());
      }
      // The searches over one year only.
      if (declare(r, "debut") && nom != "debut" && nom != "fin") a.insert(a.end(), {"--debut", "1992"});
      const auto sortie = executer_astro(a);
      std::string cmd;
      for (const auto& x : a) cmd += x + " ";
      EXPECT_EQ(sortie.statut, 0) << cmd << sortie.erreurs;
      EXPECT_FALSE(sortie.sortie.empty()) << cmd;
    }
}

TEST(OptionsDeclarees, FinDesOptionsValeursNegativesEtMessagesFrancais) {
  const std::vector<std::string> dates = {"--rapport", "dates", "--date1", "01/01/2000",
                                          "--heure1",  "12:00", "--annee", "2000"};
  const auto reference = executer_astro(dates);
  ASSERT_EQ(reference.statut, 0) << reference.erreurs;
  auto avec_fin = dates;
  avec_fin.push_back("--");
  EXPECT_EQ(executer_astro(avec_fin).sortie, reference.sortie);
  // Negative values after the option, separate or after "=".
  const auto phases = executer_astro({"--rapport", "phases", "--annee", "-500", "--mois", "1"});
  EXPECT_EQ(phases.statut, 0) << phases.erreurs;
  EXPECT_EQ(executer_astro({"--rapport", "phases", "--annee=-500", "--mois=1"}).sortie, phases.sortie);

  // Each odd command line: its status and a piece of its French message. Whatever the
  // parser would have said in English never shows.
  const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cas = {
      {{"--rapport", "dates", "--", "--json"}, 2, "Argument inattendu après -- : « --json »"},
      {{"--", "--help"}, 2, "Argument inattendu après -- : « --help »"},
      {{"--rapport", "dates", "-x"}, 2, "Argument inattendu : « -x »"},
      {{"--rapport", "dates", "-500"}, 2, "Argument inattendu : « -500 »"},
      {{"-abc"}, 2, "Argument inattendu : « -abc »"},
      {{"-"}, 2, "Argument inattendu : « - »"},
      {{"---x"}, 2, "Argument inattendu : « ---x »"},
      {{"--=x"}, 2, "Argument inattendu : « --=x »"},
      {{"--rapport", "dates", "--json=oui"}, 2, "L'option --json ne prend pas de valeur."},
      {{"--help=1"}, 2, "L'option --help ne prend pas de valeur."},
      {{"--rapport", "dates", "--date1"}, 2, "Valeur manquante pour --date1."},
      {{"--rapport", "dates", "--date1="}, 2, "Date invalide pour --date1 : «  »"},
      {{"--rapport=dates", "--annee", "1", "--annee=2"}, 2, "Option donnée deux fois : --annee."},
      {{"--rapport", "inconnu", "--foo", "1"}, 2, "Rapport inconnu : « inconnu »"},
      {{"--capture", "images", "--json"},
       2,
       "astro : argument inattendu après --capture : « --json ». Voir astro --help."},
      {{"--json", "--capture", "images"}, 2, "argument inattendu après --capture : « --json »"},
      {{"--capture", "a", "--capture", "b"}, 2, "argument inattendu après --capture : « --capture »"},
      {{"--rapport", "dates", "--fuseau", "Atlantide/Capitale"},
       2,
       "Fuseau horaire inconnu : « Atlantide/Capitale ». Donnez un nom IANA comme Europe/Paris"},
      {{"--rapport", "dates", "--fuseau"}, 2, "Valeur manquante pour --fuseau."},
      {{"--rapport", "dates", "--fuseau="}, 2, "Valeur manquante pour --fuseau."},
      {{"--fuseau", "UTC", "--fuseau", "UTC", "--rapport", "dates"}, 2, "Option donnée deux fois : --fuseau."},
      {{"--capture", "images", "--fuseau", "UTC"}, 2, "argument inattendu après --capture : « --fuseau »"},
      {{"-h"}, 0, ""},
      {{"--aide", "--help"}, 0, ""},
      {{"--json", "--json", "--rapport", "dates", "--help"}, 0, ""},
  };
  static const QRegularExpression anglais(R"(Unknown|Missing|Unexpected|QCommandLine|option not defined|Usage)");
  for (const auto& [a, statut, message] : cas) {
    const auto r = executer_astro(a);
    std::string cmd;
    for (const auto& x : a) cmd += x + " ";
    EXPECT_EQ(r.statut, statut) << cmd << r.erreurs;
    EXPECT_NE(r.erreurs.find(message), std::string::npos) << cmd << r.erreurs;
    EXPECT_FALSE(anglais.match(QString::fromStdString(r.erreurs + r.sortie)).hasMatch()) << cmd << r.erreurs;
    if (statut != 0) {
      EXPECT_TRUE(r.sortie.empty()) << cmd;
    }
  }
}

// --lf: the same text with LF line ends, for a report written at once and for the
// perigees written as they are found; JSON and the default output keep their form.
TEST(OptionsCli, FinsDeLigneLf) {
  const std::vector<std::vector<std::string>> rapports = {
      {"--rapport", "soleil-lune", "--date", "20/12/1992", "--heure", "12:00", "--site", "Paris"},
      {"--rapport", "perigees", "--debut", "2000", "--fin", "2001"},
  };
  for (const auto& r : rapports) {
    SCOPED_TRACE(r[1]);
    const sortie_astro crlf = dans_le_processus(r);
    auto avec_lf = r;
    avec_lf.push_back("--lf");
    const sortie_astro lf = dans_le_processus(avec_lf);
    ASSERT_EQ(crlf.statut, 0);
    ASSERT_EQ(lf.statut, 0) << lf.erreurs;
    ASSERT_NE(crlf.sortie.find("\r\n"), std::string::npos);
    std::string attendu = crlf.sortie;
    for (std::size_t p; (p = attendu.find("\r\n")) != std::string::npos;) attendu.erase(p, 1);
    EXPECT_EQ(lf.sortie, attendu);
  }
}
