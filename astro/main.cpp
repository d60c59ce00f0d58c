#include <iostream>
#include <string>

#include "cli/cli.h"
#include "cli/images/brancher_images.h"
#ifdef ALMANAX_AVEC_IHM
#include "ihm/application.h"
#endif

// The full program: the window, --capture, and every report with its --image picture.
// With the window built it is astro-graphique, started by the text-only astro
// (main_leger.cpp); without it, it is astro itself.
int main(int argc, char** argv) {
  almanax::cli::brancher_images();
#ifdef ALMANAX_AVEC_IHM
  // No argument: the window. Everything else is the command line, which never starts
  // the window system, except --capture DIR: the pictures of the pages.
  if (argc <= 1) return almanax::ihm::executer_fenetre(argc, argv, std::cerr);
  const almanax::cli::capture_pages capture = [&argc, argv](const std::string& dossier) {
    return almanax::ihm::executer_capture(argc, argv, QString::fromLocal8Bit(dossier.c_str()), std::cerr);
  };
  return almanax::cli::principal(argc, argv, std::cout, std::cerr, capture);
#else
  if (argc <= 1) {
    // Built without the window: with no argument the program prints its help.
    char aide[] = "--help";
    char* args[] = {argv[0], aide, nullptr};
    return almanax::cli::principal(2, args, std::cout, std::cerr);
  }
  return almanax::cli::principal(argc, argv, std::cout, std::cerr);
#endif
}
