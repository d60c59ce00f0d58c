// `astro --importer-cometes FICHIER [--remplacer|--garder]`: the one command-line path
// that writes. A damaged file or a name clash without a choice: status 2, a French
// message naming the line or the comets, the catalogue not touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "outils.h"

namespace {

namespace fs = std::filesystem;

const std::string hale_bopp =
    "    CJ95O010  1997 03 29.0319  0.925246  0.994897  130.7250  281.8047   89.7360  20260922  -2.0  4.0  "
    "C/1995 O1 (Hale-Bopp)                                    MPC194091";
const std::string nouvelle =
    "    CK23A030  2024 09 27.7405  0.391423  1.000093  308.4925   21.5596  139.1109  20240702   8.0  3.2  "
    "C/2023 A3 (Tsuchinshan-ATLAS)                            MPEC 2024-MB8";

std::string lire(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecrire(const fs::path& p, const std::string& s) {
  std::ofstream(p, std::ios::binary) << s;
}

// A catalogue of two comets, Hale-Bopp among them, in a folder of its own.
fs::path dossier_avec_catalogue(const std::string& nom) {
  const fs::path d = dossier_de_test() / nom;
  fs::remove_all(d);
  fs::create_directories(d);
  ecrire(d / "cometes.dat",
         "C/1995 O1 (Hale-Bopp)\t1997\t3\t30,93785\t0,9174143\t0,9949607\t130,66202\t282,94875\t89,21709\r\n"
         "HALLEY\t1986\t2\t9,5\t0,58\t0,967\t111\t58\t162\r\n");
  return d;
}

std::string avec(std::string ligne, std::size_t colonne, const std::string& texte) {
  ligne.replace(colonne - 1, texte.size(), texte);
  return ligne;
}

}  // namespace

TEST(ImportCli, FichierAbimeRienNEstEcrit) {
  struct cas {
    const char* nom;
    std::string contenu;  // the file; unused for the three below that are not files
    const char* attendu;  // in the message
  };
  const cas liste[] = {
      {"binaire",
       nouvelle + "\n" +
           std::string("\x7f"
                       "ELF\x02\x01\x01\0\0\0\xff\xfe",
                       12) +
           "\n",
       "ligne 2 : caractères de contrôle"},
      {"tronquee", nouvelle + "\n" + hale_bopp.substr(0, 60) + "\n", "ligne 2 : ligne tronquée : 60 caractères"},
      {"lettres", avec(nouvelle, 31, " 0.3x1423") + "\n", "ligne 1 : q (distance au périhélie) (colonnes 31 à 39)"},
      {"e_negatif", "\n" + avec(nouvelle, 42, "-1.00009") + "\n", "ligne 2 : élément e refusé : La donnée 'e'"},
      {"q_nul", avec(nouvelle, 31, " 0.000000") + "\n", "ligne 1 : élément q refusé"},
      {"mois_13", avec(nouvelle, 20, "13") + "\n", "ligne 1 : élément T (mois) refusé : Changez ce mois."},
      {"decalee", " " + nouvelle + "\n", "ligne 1 : colonnes décalées : la colonne 19 devrait être vide"},
      {"sans_nom", nouvelle.substr(0, 102) + "      \n",
       "ligne 1 : pas de désignation ni de nom en colonnes 103 à 158"},
      {"vide", "", "ne contient aucune ligne d'éléments de comète"},
      {"blancs", "\r\n   \r\n", "ne contient aucune ligne d'éléments de comète"},
      {"absent", "", "n'existe pas"},
      {"dossier", "", "ce n'est pas un fichier ordinaire"},
      {"trop_grand", "", "taille"},
  };
  for (const cas& k : liste) {
    const fs::path d = dossier_avec_catalogue(std::string("abime_") + k.nom);
    const std::string avant = lire(d / "cometes.dat");
    const fs::path f = d / "elements.txt";
    if (std::string(k.nom) == "dossier") {
      fs::create_directory(f);
    } else if (std::string(k.nom) == "trop_grand") {
      // 100 MB that take no room: a sparse file, refused by its size before any reading.
      ecrire(f, "");
      fs::resize_file(f, 100ull * 1024 * 1024);
    } else if (std::string(k.nom) != "absent") {
      ecrire(f, k.contenu);
    }
    const sortie_astro r = executer_astro({"--importer-cometes", f.string(), "--remplacer"}, d);
    EXPECT_EQ(r.statut, 2) << k.nom;
    EXPECT_NE(r.erreurs.find(k.attendu), std::string::npos) << k.nom << " : " << r.erreurs;
    EXPECT_NE(r.erreurs.find("Rien n'a été importé."), std::string::npos) << k.nom << " : " << r.erreurs;
    EXPECT_TRUE(r.sortie.empty()) << k.nom;
    EXPECT_EQ(lire(d / "cometes.dat"), avant) << k.nom;
    // No temporary left: cometes.dat, the file (but the missing one) and the run's two outputs.
    const long fichiers = std::distance(fs::directory_iterator(d), fs::directory_iterator());
    EXPECT_EQ(fichiers, std::string(k.nom) == "absent" ? 3 : 4) << k.nom;
  }
}

TEST(ImportCli, ChoixDesDoublonsEtMessage) {
  const fs::path d = dossier_avec_catalogue("choix");
  const std::string avant = lire(d / "cometes.dat");
  ecrire(d / "elements.txt", hale_bopp + "\n" + nouvelle + "\n");
  const std::string f = (d / "elements.txt").string();

  // Without a choice a clash is an error that names the comet; nothing written.
  sortie_astro r = executer_astro({"--importer-cometes", f}, d);
  EXPECT_EQ(r.statut, 2);
  EXPECT_NE(r.erreurs.find("« C/1995 O1 (Hale-Bopp) »"), std::string::npos) << r.erreurs;
  EXPECT_NE(r.erreurs.find("--remplacer"), std::string::npos);
  EXPECT_EQ(lire(d / "cometes.dat"), avant);

  r = executer_astro({"--importer-cometes", f, "--garder"}, d);
  EXPECT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie, "2 comètes importées : 1 ajoutée, 1 gardée avec les éléments du catalogue.\n");
  const std::string garde = lire(d / "cometes.dat");
  EXPECT_NE(garde.find("C/1995 O1 (Hale-Bopp)\t1997\t3\t30,93785\t"), std::string::npos);
  EXPECT_NE(garde.find("C/2023 A3 (Tsuchinshan-ATLAS)\t2024\t9\t27,7405\t0,391423\t1,000093\t308,4925\t21,5596\t"
                       "139,1109\r\n"),
            std::string::npos)
      << garde;

  r = executer_astro({"--importer-cometes=" + f, "--remplacer"}, d);
  EXPECT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie, "2 comètes importées : 1 remplacée, 1 déjà à jour.\n");
  const std::string remplace = lire(d / "cometes.dat");
  EXPECT_NE(remplace.find("C/1995 O1 (Hale-Bopp)\t1997\t3\t29,0319\t0,925246\t"), std::string::npos);
  r = executer_astro({"--importer-cometes", f}, d);  // all up to date: no clash left
  EXPECT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.sortie, "2 comètes importées : 2 déjà à jour.\n");
  EXPECT_EQ(lire(d / "cometes.dat"), remplace);

  // The imported hyperbolic comet is computed by the report.
  r = executer_astro(
      {"--rapport", "comete", "--comete", "C/2023 A3 (Tsuchinshan-ATLAS)", "--date", "12/10/2024", "--heure", "00:00"},
      d);
  EXPECT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_NE(r.sortie.find("Ascension Droite\t13 h 52 m 5"), std::string::npos) << r.sortie;
}

TEST(ImportCli, OptionsRefusees) {
  const fs::path d = dossier_avec_catalogue("options");
  const std::string avant = lire(d / "cometes.dat");
  const std::vector<std::pair<std::vector<std::string>, const char*>> cas = {
      {{"--remplacer"}, "--remplacer ne s'emploie qu'avec --importer-cometes"},
      {{"--rapport", "dates", "--garder"}, "--garder ne s'emploie qu'avec --importer-cometes"},
      {{"--importer-cometes", "x.txt", "--remplacer", "--garder"}, "s'excluent"},
      {{"--importer-cometes", "x.txt", "--json"}, "ne prend pas d'autre option"},
      {{"--importer-cometes", "x.txt", "--rapport", "comete"}, "ne prend pas d'autre option"},
      {{"--importer-cometes"}, "Valeur manquante pour --importer-cometes"},
      {{"--importer-cometes", "x.txt", "y.txt"}, "Argument inattendu"},
  };
  for (const auto& [args, message] : cas) {
    const sortie_astro r = executer_astro(args, d);
    EXPECT_EQ(r.statut, 2) << args.front();
    EXPECT_NE(r.erreurs.find(message), std::string::npos) << r.erreurs;
    EXPECT_EQ(lire(d / "cometes.dat"), avant);
  }
  // The help says it writes.
  const sortie_astro aide = executer_astro({"--help"}, d);
  EXPECT_NE(aide.sortie.find("--importer-cometes FICHIER"), std::string::npos);
  EXPECT_NE(aide.sortie.find("la seule commande qui écrit"), std::string::npos);
}
