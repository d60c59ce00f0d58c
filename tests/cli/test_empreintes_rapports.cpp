// Every report's text for several hundred fixed inputs, against fingerprints recorded
// from a known-good build: a change in how the series are evaluated must not move a
// single printed digit. To record anew after a deliberate change of a text:
// ALMANAX_EMPREINTES_ECRIRE=1 tests_cli --gtest_filter='Empreintes.*'
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace {

std::vector<std::vector<std::string>> cas_des_rapports() {
  std::vector<std::vector<std::string>> cas;
  const char* planetes[] = {"Mercure", "Vénus", "Terre", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune", "Pluton"};
  const std::vector<std::vector<std::string>> sites = {
      {"--site", "Paris"}, {"--lat", "64.1", "--lon", "21.9"}, {"--lat", "-33.9", "--lon", "-151.2"}};
  unsigned graine = 12345;
  const auto tirer = [&](unsigned n) {
    graine = graine * 1103515245u + 12345u;
    return (graine >> 8) % n;
  };
  for (int i = 0; i < 300; ++i) {
    int annee = -4700 + static_cast<int>(tirer(14690));
    if (annee == 0) annee = 1;
    const std::string date =
        std::to_string(1 + tirer(28)) + "/" + std::to_string(1 + tirer(12)) + "/" + std::to_string(annee);
    const std::string heure = std::to_string(tirer(24)) + ":" + std::to_string(tirer(60));
    const auto& site = sites[i % sites.size()];
    std::vector<std::string> e = {"--rapport", "ephemerides", "--planete", planetes[i % 9],
                                  "--date",    date,          "--heure",   heure};
    e.insert(e.end(), site.begin(), site.end());
    cas.push_back(e);
    std::vector<std::string> sl = {"--rapport", "soleil-lune", "--date", date, "--heure", heure};
    sl.insert(sl.end(), site.begin(), site.end());
    cas.push_back(sl);
    cas.push_back({"--rapport", "phases", "--mois", std::to_string(1 + tirer(12)), "--annee", std::to_string(annee)});
    const int annee_paques = annee >= -1000 && annee <= 3000 ? annee : 1 + (annee + 5000) % 3000;
    cas.push_back({"--rapport", "dates", "--date1", date, "--heure1", heure, "--annee", std::to_string(annee_paques)});
    if (i % 6 == 0) {
      const std::string debut = std::to_string(annee), fin = std::to_string(annee == -1 ? 1 : annee + 1);
      cas.push_back({"--rapport", "perigees", "--debut", debut, "--fin", fin});
      cas.push_back({"--rapport", "eclipses", "--type", "solaire", "--debut", debut, "--fin", fin});
      cas.push_back({"--rapport", "eclipses", "--type", "lunaire", "--debut", debut, "--fin", fin});
      cas.push_back({"--rapport", "phenomenes", "--debut", debut, "--fin", fin});
      cas.push_back({"--rapport", "perihelies", "--debut", debut, "--fin", fin});
    }
  }
  return cas;
}

std::string cle(const std::vector<std::string>& args) {
  std::string k;
  for (const auto& a : args) k += (k.empty() ? "" : " ") + a;
  return k;
}

TEST(Empreintes, TextesDesRapportsInchanges) {
  const std::string chemin = std::string(ALMANAX_SOURCE_DIR) + "/tests/cli/empreintes_rapports.tsv";
  const bool ecrire = std::getenv("ALMANAX_EMPREINTES_ECRIRE") != nullptr;
  std::map<std::string, std::string> attendues;
  if (!ecrire) {
    std::ifstream f(chemin);
    ASSERT_TRUE(f) << chemin;
    std::string ligne;
    while (std::getline(f, ligne)) {
      const auto tab = ligne.find('\t');
      if (tab != std::string::npos) attendues[ligne.substr(0, tab)] = ligne.substr(tab + 1);
    }
  }
  std::ostringstream nouvelles;
  int differences = 0, compares = 0;
  for (auto args : cas_des_rapports()) {
    const std::string k = cle(args);
    args.insert(args.begin(), "astro");
    std::vector<char*> argv;
    for (auto& s : args) argv.push_back(s.data());
    std::ostringstream out, err;
    const int statut = almanax::cli::principal(static_cast<int>(argv.size()), argv.data(), out, err);
    ASSERT_EQ(statut, 0) << k << "\n" << err.str();
    const std::string texte = out.str();
    const std::string empreinte =
        QCryptographicHash::hash(QByteArray::fromStdString(texte), QCryptographicHash::Sha256).toHex().toStdString();
    nouvelles << k << '\t' << empreinte << '\n';
    if (ecrire) continue;
    ++compares;
    const auto it = attendues.find(k);
    if (it == attendues.end() || it->second != empreinte) {
      if (++differences <= 10) ADD_FAILURE() << "texte changé : " << k << "\n" << texte;
    }
  }
  if (ecrire) {
    std::ofstream(chemin, std::ios::binary) << nouvelles.str();
    GTEST_SKIP() << "empreintes écrites dans " << chemin;
  }
  EXPECT_EQ(differences, 0) << "sur " << compares;
  EXPECT_GT(compares, 1400);
}

}  // namespace
