#include "cli/programme_complet.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <ostream>
#include <string_view>

namespace almanax::cli {

namespace {

bool est_option(std::string_view argument, std::string_view nom) {
  if (!argument.starts_with("--")) return false;
  argument.remove_prefix(2);
  return argument == nom || (argument.starts_with(nom) && argument.size() > nom.size() && argument[nom.size()] == '=');
}

std::string raison(int erreur) {
  switch (erreur) {
    case ENOENT:
    case ENOTDIR:
      return "introuvable";
    case EACCES:
    case EPERM:
      return "non exécutable (droits)";
    case ENOEXEC:
      return "n'est pas un programme de cette machine";
    default:
      return "n'a pas pu être lancé (erreur système " + std::to_string(erreur) + ")";
  }
}

}  // namespace

bool demande_programme_complet(int argc, const char* const* argv) {
  if (argc <= 1) return true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    // After "--" nothing is an option: the parser refuses those arguments itself.
    if (a == "--") break;
    if (est_option(a, "capture") || est_option(a, "image")) return true;
  }
  return false;
}

std::vector<std::string> chemins_programme_complet(const std::string& executable, const std::string& libexec_relatif) {
  std::vector<std::string> chemins;
  if (executable.empty()) return chemins;
  const std::filesystem::path dossier = std::filesystem::path(executable).parent_path();
  chemins.push_back((dossier / nom_programme_complet).string());
  if (!libexec_relatif.empty())
    chemins.push_back((dossier / libexec_relatif / nom_programme_complet).lexically_normal().string());
  return chemins;
}

std::string executable_courant() {
  std::error_code e;
  const std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", e);
  return e ? std::string() : p.string();
}

int remplacer_par_programme_complet(const std::vector<std::string>& chemins, char** argv, std::ostream& err) {
  std::vector<std::pair<std::string, int>> echecs;
  for (const std::string& c : chemins) {
    ::execv(c.c_str(), argv);
    echecs.emplace_back(c, errno);
  }
  err << "astro : le programme complet (" << nom_programme_complet
      << "), qui ouvre la fenêtre et fait --capture et --image, n'a pas pu être lancé.\n";
  if (echecs.empty()) err << "  Le chemin de ce programme n'a pas pu être lu (/proc/self/exe).\n";
  for (const auto& [chemin, erreur] : echecs) err << "  " << chemin << " : " << raison(erreur) << "\n";
  err << "Les rapports en texte et en JSON restent disponibles : astro --help.\n";
  return 2;
}

}  // namespace almanax::cli
