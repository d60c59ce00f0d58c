// The command line: `astro --rapport NAME [options]` prints one page's report
// without opening the window; `--json` prints the same result with raw numbers.
#pragma once

#include <QJsonObject>
#include <QString>
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
#include "calcul/icalendrier.h"
#include "calcul/site.h"
#include "calcul/temps_civil.h"
#include "donnees/cometes.h"

namespace almanax::cli {

// A bad option or value: the French message goes to standard error, exit status 2.
class erreur_option : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Option inconnue pour ce rapport : --nom."
erreur_option option_inconnue(std::string_view nom);

struct heure_hms {
  int heure = 0, minute = 0, seconde = 0;
  int milliseconde = 0;  // kept as typed; the computations count whole seconds, as in the window
};

// How an option's value is read and checked: the accessor of `arguments` a report
// reads it with (`site` covers --site, --lat and --lon, read together), or no value.
enum class lecteur { entier, reel, date, heure, liste, site, texte, aucun };

// One option as the command line declares it: the parser learns its name and whether
// it takes a value, the help prints the rest, and `arguments` checks that the report
// reads it with the declared reader.
struct option_rapport {
  std::string_view nom;          // without the leading "--"
  std::string_view valeur;       // the value's name in the help ("JJ/MM/AAAA"); empty for no value
  std::string_view description;  // one French phrase
  std::string_view defaut;       // what is used without the option, in French; empty when nothing is
  lecteur lu = lecteur::texte;

  // The same option with other words for a report that uses it its own way.
  constexpr option_rapport decrite(std::string_view autre_description, std::string_view autre_defaut) const {
    return {nom, valeur, autre_description, autre_defaut, lu};
  }
};

// The options of one report: --nom valeur or --nom=valeur. Every accessor checks
// the value and throws erreur_option with a French message naming the option.
class arguments {
 public:
  // `sans_valeur`: options given without a value; reading one is an error.
  explicit arguments(std::map<std::string, std::string> valeurs, std::set<std::string, std::less<>> sans_valeur = {})
      : valeurs_(std::move(valeurs)), sans_valeur_(std::move(sans_valeur)) {}

  // The report's declared options: from then on, asking about an option it does not
  // declare, or reading one with another reader than declared, is a fault of the
  // program (std::logic_error), whether or not the option was given.
  void declarer(std::span<const option_rapport> options) { declarees_ = options; }

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

  // How typed times are read and instants shown: as they stand, or the clock of the
  // zone given with --fuseau.
  const echelle_temps& echelle() const { return echelle_; }
  void poser_echelle(echelle_temps e) { echelle_ = std::move(e); }
  // The inputs every report shares, added to its own: "fuseau" with --fuseau.
  void completer_entrees(QJsonObject& entrees) const;

 private:
  void verifier_declaree(std::string_view nom, std::optional<lecteur> lu) const;
  const std::string* valeur(std::string_view nom, lecteur lu);
  // The readers with the reader the option is declared with (the site reads its
  // options as text and numbers).
  std::string texte(std::string_view nom, lecteur lu, std::string_view defaut);
  long double reel(std::string_view nom, lecteur lu, long double defaut, long double min, long double max);
  std::map<std::string, std::string> valeurs_;
  std::set<std::string, std::less<>> sans_valeur_;
  std::set<std::string, std::less<>> lus_;
  std::optional<std::span<const option_rapport>> declarees_;
  bool json_ = false;
  echelle_temps echelle_;
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
  // The instant (TT) whose ΔT the JSON result gives as "delta_t_s": the typed instant,
  // or the start of a search.
  std::optional<long double> jde_reference;
  // With --format ics: the events, printed as an iCalendar file instead of the text.
  std::optional<std::vector<evenement_calendrier>> calendrier;
};

// --format texte|ics of the event reports: whether the calendar is asked for. A calendar
// and --json exclude each other.
bool calendrier_demande(arguments& a);

struct rapport {
  std::string_view nom;                     // "dates", "ephemerides", ...
  std::string_view resume;                  // one French line for --help
  std::span<const option_rapport> options;  // all it accepts besides the general options
  resultat (*executer)(arguments&);
};

// The decimal separator of the reports' numbers: the window's, from the user's locale
// (LC_ALL, LC_NUMERIC, LANG), "," in French, "." in the C locale.
std::string separateur_decimal();

// Today's date and time, the window's start-up date (historical year).
date_jma aujourd_hui();
heure_hms maintenant();

std::span<const rapport> rapports();

// The options of the command line itself (--rapport, --json, --help, ...), for the
// parser and the help.
std::span<const option_rapport> options_generales();

// The general help (`astro --help`) and one report's (`astro --rapport NOM --help`).
void ecrire_aide(std::ostream& out);
void ecrire_aide(std::ostream& out, const rapport& r);

// "Almanax 2.0" and the version of the planseries library it runs with.
std::string texte_version();

// What `astro --capture DOSSIER` runs (the window's pictures); the folder is empty when
// none was given. Without it, --capture is refused.
using capture_pages = std::function<int(const std::string& dossier)>;

// The folder of the comet catalogue cometes.dat that the command line reads and that
// --importer-cometes writes: the working directory's when there, else the user's data folder.
QString dossier_cometes();

// `astro --importer-cometes FICHIER`: imports the element file into the catalogue; a
// name already there with other elements is replaced or kept as `choix` says, and
// without a choice refused (nothing written). The outcome on `out`, a refusal on `err`
// (status 2).
int importer_cometes(const std::string& fichier, std::optional<doublons_import> choix, std::ostream& out,
                     std::ostream& err);

// Runs the command line; returns the process exit status.
int principal(int argc, char** argv, std::ostream& out, std::ostream& err, const capture_pages& capture = {});

}  // namespace almanax::cli
