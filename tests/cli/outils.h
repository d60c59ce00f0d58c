// Runs the built program for the command-line tests.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

struct sortie_astro {
  int statut = -1;
  std::string sortie;       // standard output
  std::string erreurs;      // standard error
  long pic_memoire_ko = 0;  // the run's peak resident memory
};

// The working directory of the tests' runs, one per test process.
inline std::filesystem::path dossier_de_test() {
  return std::filesystem::temp_directory_path() / ("almanax-cli-" + std::to_string(getpid()));
}

// Runs the program `exe` with the arguments in `dossier` (working directory, created
// when missing), with the locale `langue`, a private settings scope and the variables
// of `environnement` added.
inline sortie_astro executer_programme(const std::string& exe, const std::vector<std::string>& args,
                                       const std::filesystem::path& dossier, const std::string& langue = "C.UTF-8",
                                       const std::vector<std::pair<std::string, std::string>>& environnement = {}) {
  std::filesystem::create_directories(dossier);
  const auto out = dossier / "stdout.txt";
  const auto err = dossier / "stderr.txt";
  sortie_astro r;
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dossier.c_str()) != 0) _exit(127);
    if (!freopen(out.c_str(), "wb", stdout) || !freopen(err.c_str(), "wb", stderr)) _exit(127);
    setenv("XDG_CONFIG_HOME", (dossier / "config").c_str(), 1);
    setenv("HOME", dossier.c_str(), 1);
    setenv("XDG_DATA_HOME", (dossier / "donnees").c_str(), 1);
    setenv("LC_ALL", langue.c_str(), 1);
    for (const auto& [nom, valeur] : environnement) setenv(nom.c_str(), valeur.c_str(), 1);
    std::vector<char*> argv;
    std::string chemin = exe;
    argv.push_back(chemin.data());
    std::vector<std::string> copie = args;
    for (auto& a : copie) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(chemin.c_str(), argv.data());
    _exit(127);
  }
  int statut = 0;
  rusage usage{};
  wait4(pid, &statut, 0, &usage);
  r.pic_memoire_ko = usage.ru_maxrss;
  r.statut = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
  auto lire = [](const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  };
  r.sortie = lire(out);
  r.erreurs = lire(err);
  return r;
}

// Runs ASTRO_EXE with the arguments in `dossier` (working directory, created when
// missing), with the locale `langue` (the C one by default) and a private settings scope.
inline sortie_astro executer_astro(const std::vector<std::string>& args,
                                   const std::filesystem::path& dossier = dossier_de_test(),
                                   const std::string& langue = "C.UTF-8") {
  return executer_programme(ASTRO_EXE, args, dossier, langue);
}

// The document printed by a --json run; an empty object when the output is not one
// JSON object followed by a newline.
inline QJsonObject document_json(const sortie_astro& r) {
  if (r.sortie.empty() || r.sortie.back() != '\n') return {};
  QJsonParseError e{};
  const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(r.sortie), &e);
  return e.error == QJsonParseError::NoError && d.isObject() ? d.object() : QJsonObject{};
}

// The value at a path of keys and array indexes: "resultat/evenements/0/jde".
// Undefined when a step is missing.
inline QJsonValue au_chemin(QJsonValue v, const std::string& chemin) {
  std::size_t debut = 0;
  while (debut <= chemin.size()) {
    const std::size_t fin = std::min(chemin.find('/', debut), chemin.size());
    const std::string pas = chemin.substr(debut, fin - debut);
    if (v.isArray()) {
      const std::size_t i = std::stoul(pas);
      v = i < static_cast<std::size_t>(v.toArray().size()) ? v.toArray().at(static_cast<qsizetype>(i))
                                                           : QJsonValue(QJsonValue::Undefined);
    } else {
      v = v.toObject().value(QString::fromStdString(pas));
    }
    debut = fin + 1;
  }
  return v;
}

// The first object of an array whose `cle` holds the string `valeur`.
inline QJsonObject element_ou(const QJsonValue& tableau, const std::string& cle, const std::string& valeur) {
  for (const QJsonValue& x : tableau.toArray())
    if (au_chemin(x, cle).toString().toStdString() == valeur) return x.toObject();
  return {};
}
