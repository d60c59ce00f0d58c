#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "cli/cli.h"
#include "cli/programme_complet.h"

// `astro` when the window is built: the text and JSON reports with Qt Core alone, so a
// report does not pay for loading the graphics libraries. The window, --capture and
// --image are the full program's, which replaces this process.
int main(int argc, char** argv) {
  if (almanax::cli::demande_programme_complet(argc, argv)) {
    const auto chemins =
        almanax::cli::chemins_programme_complet(almanax::cli::executable_courant(), ALMANAX_LIBEXEC_RELATIF);
    return almanax::cli::remplacer_par_programme_complet(chemins, argv, std::cerr);
  }
  const int statut = almanax::cli::principal(argc, argv, std::cout, std::cerr);
  // The report is written and flushed (its status says whether it all went out): end
  // here, without the libraries' clean-up at exit, which would cost as much as the report.
  std::cout.flush();
  std::fflush(nullptr);
  std::_Exit(statut);
}
