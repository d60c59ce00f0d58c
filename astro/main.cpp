#include <iostream>
#include <string_view>

#include "cli/cli.h"
#ifdef ALMANAX_AVEC_IHM
#include "ihm/application.h"
#endif

int main(int argc, char** argv) {
#ifdef ALMANAX_AVEC_IHM
  // No argument: the window. --capture DIR: the pictures of the pages. Everything
  // else is the command line, which never starts the window system.
  if (argc <= 1) return almanax::ihm::executer_fenetre(argc, argv, std::cerr);
  const std::string_view premier = argv[1];
  if (premier == "--capture" || premier.rfind("--capture=", 0) == 0) {
    const bool colle = premier != "--capture";
    const int suivant = colle ? 2 : 3;
    if (argc > suivant) {
      std::cerr << "astro : argument inattendu après --capture : « " << argv[suivant] << " ». Voir astro --help.\n";
      return 2;
    }
    const char* dossier = colle ? argv[1] + 10 : (argc > 2 ? argv[2] : "");
    return almanax::ihm::executer_capture(argc, argv, QString::fromLocal8Bit(dossier), std::cerr);
  }
#else
  if (argc <= 1) {
    // Built without the window: with no argument the program prints its help.
    char aide[] = "--help";
    char* args[] = {argv[0], aide, nullptr};
    return almanax::cli::principal(2, args, std::cout, std::cerr);
  }
#endif
  return almanax::cli::principal(argc, argv, std::cout, std::cerr);
}
