#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  // The window arrives with the interface layer; until then, with no argument the
  // program prints its help.
  if (argc <= 1) {
    char aide[] = "--help";
    char* args[] = {argv[0], aide, nullptr};
    return almanax::cli::principal(2, args, std::cout, std::cerr);
  }
  return almanax::cli::principal(argc, argv, std::cout, std::cerr);
}
