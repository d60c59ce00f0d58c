// The text-only program (`astro` when the window is built) and the full one
// (`astro-graphique`): the first prints the text and JSON reports with Qt Core alone,
// so it starts fast; for the window, --capture and --image it replaces itself with the
// second, which holds the widgets and the drawings.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace almanax::cli {

inline constexpr const char* nom_programme_complet = "astro-graphique";

// Whether this command line needs the full program: no argument (the window), or
// --capture or --image (alone or as --nom=valeur) anywhere among the arguments.
bool demande_programme_complet(int argc, const char* const* argv);

// Where the full program is looked for, in order: beside `executable` (the build
// tree), then in `libexec_relatif` taken from the executable's folder (the installed
// libexec/almanax folder).
std::vector<std::string> chemins_programme_complet(const std::string& executable, const std::string& libexec_relatif);

// The running executable's path (/proc/self/exe); empty when it cannot be read.
std::string executable_courant();

// Replaces the process with the first of `chemins` that starts, with the same
// arguments (argv[0] kept). Returns only when none could: the French message on `err`
// names each path tried and why, and the status is 2.
int remplacer_par_programme_complet(const std::vector<std::string>& chemins, char** argv, std::ostream& err);

}  // namespace almanax::cli
