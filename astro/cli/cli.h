// The command line: `astro --rapport NAME [options]` prints one page's report
// without opening the window; `--json` prints the same result with raw numbers.
#pragma once

#include <QJsonObject>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/calendrier.h"
#include "calcul/site.h"

namespace almanax::cli {

// A bad option or value: the French message goes to standard error, exit status 2.
class erreur_option : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct heure_hms {
  int heure = 0, minute = 0, seconde = 0;
  int milliseconde = 0;  // kept as typed; the computations count whole seconds, as in the window
};

// The options of one report: --nom valeur or --nom=valeur. Every accessor checks
// the value and throws erreur_option with a French message naming the option.
class arguments {
 public:
  // `sans_valeur`: options given without a value; reading one is an error.
  explicit arguments(std::map<std::string, std::string> valeurs, std::set<std::string, std::less<>> sans_valeur = {})
      : valeurs_(std::move(valeurs)), sans_valeur_(std::move(sans_valeur)) {}

  bool present(std::string_view nom) const;
  std::string texte(std::string_view nom, std::string_view defaut);
  long long entier(std::string_view nom, long long defaut, long long min, long long max);
  long double reel(std::string_view nom, long double defaut, long double min, long double max);
  // "JJ/MM/AAAA" or "AAAA-MM-JJ" (the same date, year first), historical year (no year
  // 0, negative years allowed), checked day and month.
  date_jma date(std::string_view nom, date_jma defaut);
  // "HH:MM", "HH:MM:SS" or "HH:MM:SS.sss" (or ","), digits only.
  heure_hms heure(std::string_view nom, heure_hms defaut);
  // Comma-separated list; each item must be one of `permis` (compared without case).
  std::vector<std::string> liste(std::string_view nom, const std::vector<std::string>& defaut,
                                 const std::vector<std::string>& permis);
  // The observing site: --site NAME (from villes.dat of the working directory, or the
  // bundled list), or --lat DEG --lon DEG (north and west positive); default: the
  // program's default site.
  site_nomme site();

  // Options given but never read by the report: an error.
  void verifier_tout_lu() const;

  // Whether --json was asked: a report builds only what is printed.
  bool json() const { return json_; }
  void demander_json(bool json) { json_ = json; }

 private:
  const std::string* valeur(std::string_view nom);
  std::map<std::string, std::string> valeurs_;
  std::set<std::string, std::less<>> sans_valeur_;
  std::set<std::string, std::less<>> lus_;
  bool json_ = false;
};

// What a report produces: the exact text of the page's copy (CR LF, tabs), the
// options it read and the same result as JSON with raw numbers (shape: sortie_json.h).
struct resultat {
  std::string texte;
  QJsonObject entrees;
  QJsonObject donnees;
  // Set instead of texte and donnees by a report whose output can be long: it computes
  // and writes the output as it goes (the text, or with --json the whole document).
  std::function<void(std::ostream&)> ecrire;
};

struct rapport {
  std::string_view nom;      // "dates", "ephemerides", ...
  std::string_view resume;   // one French line for --help
  std::string_view options;  // French help of its options, one per line
  resultat (*executer)(arguments&);
};

// The decimal separator of the reports' numbers: the window's, from the user's locale
// (LC_ALL, LC_NUMERIC, LANG), "," in French, "." in the C locale.
std::string separateur_decimal();

// Today's date and time, the window's start-up date (historical year).
date_jma aujourd_hui();
heure_hms maintenant();

std::span<const rapport> rapports();

// Runs the command line; returns the process exit status.
int principal(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace almanax::cli
