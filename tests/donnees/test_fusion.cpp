// Catalogues edited from two places at once: two windows on one folder, or another
// program writing the file while a window runs. No edit is lost; an entry changed on
// both sides is decided by the user. Also the temporaries an interrupted save leaves.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "donnees/cometes.h"
#include "donnees/fichier_sur.h"
#include "donnees/villes.h"
#include "fichiers_test.h"

namespace almanax {
namespace {

using essais::ecrire;
using essais::lire;

const QByteArray trois_sites = "44.84 0.58 Bordeaux\r\n48.85 -2.35 Paris\r\n43.6 -1.44 Toulouse\r\n";
const QByteArray deux_cometes =
    "BORRELLY\t2001\t9\t14,7\t1,36\t0,62\t353\t75\t30\r\nHALLEY\t1986\t2\t9,5\t0,58\t0,967\t111\t58\t162\r\n";

textes_comete elements(std::string q) {
  textes_comete t;
  t.T_annee = "2020";
  t.T_mois = "7";
  t.T_jour = "3,68";
  t.q = std::move(q);
  t.e = "0,5";
  t.w = "37,3";
  t.W = "61";
  t.i = "128,9";
  return t;
}

// Another program appending a line, as a text editor or a script would.
void ajouter_ligne(const QString& chemin, const QByteArray& ligne) {
  QFile f(chemin);
  ASSERT_TRUE(f.open(QIODevice::Append));
  ASSERT_EQ(f.write(ligne), ligne.size());
}

std::vector<std::string> noms_villes(const QByteArray& contenu) {
  std::vector<std::string> r;
  for (const ville& v : lire_villes(contenu).villes) r.push_back(v.nom);
  return r;
}

std::vector<std::string> noms_cometes(const QByteArray& contenu) {
  std::vector<std::string> r;
  for (const comete& c : lire_cometes(contenu)) r.push_back(c.nom);
  return r;
}

const ville* site(const QByteArray& contenu, const std::string& nom, lecture_villes& l) {
  l = lire_villes(contenu);
  for (const ville& v : l.villes)
    if (v.nom == nom) return &v;
  return nullptr;
}

struct dossier_commun {
  QTemporaryDir dir;
  dossier_commun() {
    ecrire(dir.filePath("villes.dat"), trois_sites);
    ecrire(dir.filePath("cometes.dat"), deux_cometes);
  }
  QString villes() const { return dir.filePath("villes.dat"); }
  QString cometes() const { return dir.filePath("cometes.dat"); }
};

// One window's catalogues.
struct fenetre {
  fichier_villes villes;
  fichier_cometes cometes;
  explicit fenetre(const QString& dossier) : villes(dossier, "."), cometes(dossier) {
    villes.charger();
    cometes.charger();
  }
};

TEST(Fusion, DeuxFenetresSurUnDossierGardentLesQuatreAjouts) {
  dossier_commun d;
  fenetre a(d.dir.path()), b(d.dir.path());
  ASSERT_TRUE(a.villes.ajouter("Agen", 44.2, -0.62).reussie);
  ASSERT_TRUE(a.cometes.ajouter("ENCKE", elements("0,34")).reussie);
  const operation_villes ob = b.villes.ajouter("Zurich", 47.37, -8.54);
  ASSERT_TRUE(ob.reussie);
  EXPECT_TRUE(ob.relue);
  const operation_cometes oc = b.cometes.ajouter("TEMPEL", elements("1,5"));
  ASSERT_TRUE(oc.reussie);
  EXPECT_TRUE(oc.relue);
  const std::vector<std::string> sites{"Agen", "Bordeaux", "Paris", "Toulouse", "Zurich"};
  const std::vector<std::string> cometes{"BORRELLY", "ENCKE", "HALLEY", "TEMPEL"};
  EXPECT_EQ(noms_villes(lire(d.villes())), sites);
  EXPECT_EQ(noms_cometes(lire(d.cometes())), cometes);
  // The second window shows the merged list, at the place of its own site.
  EXPECT_EQ(b.villes.villes()[ob.index].nom, "Zurich");
  EXPECT_EQ(b.villes.taille(), sites.size());
  EXPECT_EQ(b.cometes.cometes()[oc.index].nom, "TEMPEL");
  // And the first window, saving again, keeps the second's edits.
  ASSERT_TRUE(a.villes.supprimer(0).reussie);
  ASSERT_TRUE(a.cometes.supprimer(0).reussie);
  EXPECT_EQ(noms_villes(lire(d.villes())), std::vector<std::string>(sites.begin() + 1, sites.end()));
  EXPECT_EQ(noms_cometes(lire(d.cometes())), (std::vector<std::string>{"ENCKE", "HALLEY", "TEMPEL"}));
}

// Each kind of edit, made after another program appended a line: the line survives and
// the edit is made.
TEST(Fusion, LigneAjouteeParUnAutreProgrammeGardee) {
  enum class geste { ajout, modification, suppression };
  for (const geste g : {geste::ajout, geste::modification, geste::suppression}) {
    SCOPED_TRACE(static_cast<int>(g));
    dossier_commun d;
    fenetre f(d.dir.path());
    ajouter_ligne(d.villes(), "45.75 -4.85 Lyon\r\n");
    ajouter_ligne(d.cometes(), "ENCKE\t2023\t10\t22\t0,34\t0,85\t187\t334\t11,8\r\n");
    std::vector<std::string> sites{"Bordeaux", "Paris", "Toulouse", "Lyon"};
    std::vector<std::string> cometes{"BORRELLY", "HALLEY", "ENCKE"};
    switch (g) {
      case geste::ajout:
        ASSERT_TRUE(f.villes.ajouter("Nantes", 47.22, 1.55).reussie);
        ASSERT_TRUE(f.cometes.ajouter("TEMPEL", elements("1,5")).reussie);
        sites.insert(sites.begin() + 1, "Nantes");  // in order among the lines as they are
        cometes.push_back("TEMPEL");
        break;
      case geste::modification:
        ASSERT_TRUE(f.villes.modifier(1, 48.5, -2.5).reussie);
        ASSERT_TRUE(f.cometes.modifier(1, elements("0,6")).reussie);
        break;
      case geste::suppression:
        ASSERT_TRUE(f.villes.supprimer(0).reussie);
        ASSERT_TRUE(f.cometes.supprimer(0).reussie);
        sites.erase(sites.begin());
        cometes.erase(cometes.begin());
        break;
    }
    EXPECT_EQ(noms_villes(lire(d.villes())), sites);
    EXPECT_EQ(noms_cometes(lire(d.cometes())), cometes);
    std::vector<std::string> en_memoire;
    for (const ville& v : f.villes.villes()) en_memoire.push_back(v.nom);
    EXPECT_EQ(en_memoire, sites);
    if (g == geste::modification) {
      lecture_villes l;
      const ville* paris = site(lire(d.villes()), "Paris", l);
      ASSERT_NE(paris, nullptr);
      EXPECT_EQ(paris->latitude, 48.5L);
      EXPECT_EQ(textes_de(lire_cometes(lire(d.cometes()))[1].donnees).q, "0,6");
    }
  }
}

// A site (or comet) changed here and, since this window read the file, elsewhere too.
TEST(Fusion, ConflitDemandeEtFaitCeQueDitLaReponse) {
  enum class ici { ajout, modification, suppression };
  enum class ailleurs { ajoute, modifie, supprime };
  struct cas {
    ici geste;
    ailleurs autre;
    bool reponse;
    const char* question;        // the start of what is asked
    const char* latitude_paris;  // Paris in the file after the save, or "" when absent
  };
  const cas table[] = {
      {ici::modification, ailleurs::modifie, true, "Le site « Paris » vient d'être modifié dans villes.dat", "48.5"},
      {ici::modification, ailleurs::modifie, false, "Le site « Paris » vient d'être modifié dans villes.dat", "40"},
      {ici::modification, ailleurs::supprime, true, "Le site « Paris » vient d'être supprimé de villes.dat", "48.5"},
      {ici::modification, ailleurs::supprime, false, "Le site « Paris » vient d'être supprimé de villes.dat", ""},
      {ici::suppression, ailleurs::modifie, true, "Le site « Paris » vient d'être modifié dans villes.dat", ""},
      {ici::suppression, ailleurs::modifie, false, "Le site « Paris » vient d'être modifié dans villes.dat", "40"},
      {ici::suppression, ailleurs::supprime, true, nullptr, ""},
      {ici::ajout, ailleurs::ajoute, true, "Le site « Paris » vient d'être ajouté à villes.dat", "48.5"},
      {ici::ajout, ailleurs::ajoute, false, "Le site « Paris » vient d'être ajouté à villes.dat", "40"},
  };
  for (const cas& c : table) {
    SCOPED_TRACE(std::string(c.question ? c.question : "-") + (c.reponse ? " oui" : " non"));
    QTemporaryDir dir;
    const QByteArray base = c.geste == ici::ajout ? QByteArray("44.84 0.58 Bordeaux\r\n") : trois_sites;
    ecrire(dir.filePath("villes.dat"), base);
    fichier_villes f(dir.path(), ".");
    f.charger();
    // The other side's version of the file, with a line of its own that must stay.
    QByteArray autre = "44.84 0.58 Bordeaux\r\n";
    if (c.autre != ailleurs::supprime) autre += "40 -2.35 Paris\r\n";
    autre += "45.75 -4.85 Lyon\r\n";
    ecrire(dir.filePath("villes.dat"), autre);

    std::vector<std::string> questions;
    const arbitre_conflit arbitre = [&](const std::string& q, const std::string& titre) {
      EXPECT_EQ(titre, "Fichier des sites modifié ailleurs");
      questions.push_back(q);
      return c.reponse;
    };
    operation_villes op;
    if (c.geste == ici::ajout) op = f.ajouter("Paris", 48.5, -2.35, arbitre);
    if (c.geste == ici::modification) op = f.modifier(1, 48.5, -2.35, arbitre);
    if (c.geste == ici::suppression) op = f.supprimer(1, arbitre);
    ASSERT_TRUE(op.reussie) << op.message;
    EXPECT_TRUE(op.relue);
    if (c.question) {
      ASSERT_EQ(questions.size(), 1u);
      EXPECT_EQ(questions[0].rfind(c.question, 0), 0u) << questions[0];
      EXPECT_EQ(op.appliquee, c.reponse);
    } else {
      EXPECT_TRUE(questions.empty());
    }
    lecture_villes l;
    const ville* paris = site(lire(dir.filePath("villes.dat")), "Paris", l);
    if (*c.latitude_paris) {
      ASSERT_NE(paris, nullptr);
      EXPECT_EQ(paris->latitude, *lire_nombre(c.latitude_paris));
    } else {
      EXPECT_EQ(paris, nullptr);
    }
    const auto n = noms_villes(lire(dir.filePath("villes.dat")));
    EXPECT_NE(std::find(n.begin(), n.end(), "Lyon"), n.end());
    // The window's list is the file's.
    std::vector<std::string> en_memoire;
    for (const ville& v : f.villes()) en_memoire.push_back(v.nom);
    EXPECT_EQ(en_memoire, n);
  }
}

TEST(Fusion, ConflitSurUneCometeDemandeAvecSesMots) {
  for (const bool reponse : {true, false}) {
    dossier_commun d;
    fichier_cometes f(d.dir.path());
    f.charger();
    QByteArray autre = deux_cometes;
    autre.replace("0,58\t0,967", "0,59\t0,967");  // Halley's q changed elsewhere
    ecrire(d.cometes(), autre);
    std::vector<std::string> questions;
    const operation_cometes op = f.modifier(1, elements("0,6"), [&](const std::string& q, const std::string& t) {
      questions.push_back(t + " : " + q);
      return reponse;
    });
    ASSERT_TRUE(op.reussie);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(
        questions[0],
        "Catalogue des comètes modifié ailleurs : La comète « HALLEY » vient d'être modifiée dans cometes.dat par "
        "un autre programme ou une autre fenêtre. Remplacer ses éléments par ceux que vous avez saisis ?");
    EXPECT_EQ(textes_de(lire_cometes(lire(d.cometes()))[1].donnees).q, reponse ? "0,6" : "0,59");
    EXPECT_EQ(textes_de(f.cometes()[1].donnees).q, reponse ? "0,6" : "0,59");
  }
}

// A Windows-1252 line close to the line limit grows in UTF-8; the site must still be
// read after the program rewrote it.
TEST(Fusion, LigneLongueRelueApresReecritureEnUtf8) {
  struct cas {
    std::string ligne;
    bool gardee;
  };
  const std::string chiffres(400, '5');
  const std::string e_cp1252(200, '\xE9');  // 200 × "é" in the older code page
  std::string e_utf8;
  for (int i = 0; i < 200; ++i) e_utf8 += "é";
  std::string euro;
  for (int i = 0; i < 200; ++i) euro += "€";
  const cas table[] = {
      {"48." + chiffres + " 2." + chiffres + " " + e_cp1252, true},  // 1,007 bytes, 1,207 in UTF-8
      {"48." + chiffres + " 2." + chiffres + " " + e_utf8, true},    // the same, as written
      {"48." + chiffres + " 2." + chiffres + "    " + euro, true},   // 1,010 characters, 1,410 bytes
      {"48." + chiffres + std::string(18, '5') + " 2." + chiffres + " " + e_utf8, false},  // 1,025 characters
  };
  for (const cas& c : table) {
    SCOPED_TRACE(c.ligne.size());
    QTemporaryDir dir;
    ecrire(dir.filePath("villes.dat"), QByteArray::fromStdString("44.84 0.58 Bordeaux\r\n" + c.ligne + "\r\n"));
    fichier_villes f(dir.path(), ".");
    const chargement_villes ch = f.charger();
    ASSERT_EQ(f.taille(), c.gardee ? 2u : 1u);
    if (!c.gardee) {
      ASSERT_EQ(ch.avertissements.size(), 1u);
      EXPECT_EQ(ch.avertissements[0],
                "Ligne 2 de villes.dat ignorée : ligne trop longue (1025 caractères, 1024 au plus).");
    }
    ASSERT_TRUE(f.ajouter("Agen", 44.2, -0.62).reussie);
    const lecture_villes l = lire_villes(lire(dir.filePath("villes.dat")));
    EXPECT_EQ(l.villes.size(), c.gardee ? 3u : 2u);
    EXPECT_EQ(l.avertissements.size(), c.gardee ? 0u : 1u);
  }
}

TEST(Fusion, TemporairesAbandonnesSupprimesEtRienDAutre) {
  QTemporaryDir dir;
  const auto creer = [&](const char* nom, bool ancien) {
    const QString c = dir.filePath(QString::fromLatin1(nom));
    ecrire(c, "48.85 -2.35 Paris\r\n");
    if (ancien) {
      struct utimbuf t {
        1000000000, 1000000000
      };
      ASSERT_EQ(::utime(QFile::encodeName(c).constData(), &t), 0);
    }
  };
  creer("villes.dat", true);
  creer("villes.dat.AbCdEf", true);  // left by a killed save
  creer("villes.dat.qWeRtY", true);
  creer("villes.dat.XyZabc", false);  // a save of another running copy, under way
  creer("villes.dat.backup", true);   // the user's own copies
  creer("villes.dat.ANCIEN", true);
  creer("villes.dat.AbCd1f", true);
  creer("villes.dat.AbCdEfg", true);
  creer("villes.datAbCdEf", true);
  creer("cometes.dat.AbCdEf", true);  // another file's: only when that file is cleaned
  ASSERT_TRUE(QDir(dir.path()).mkdir("villes.dat.DoSsIe"));
  ASSERT_EQ(::symlink("villes.dat", QFile::encodeName(dir.filePath("villes.dat.LiEnSy")).constData()), 0);

  std::vector<QString> supprimes = supprimer_temporaires_abandonnes(dir.filePath("villes.dat"));
  std::sort(supprimes.begin(), supprimes.end());
  EXPECT_EQ(supprimes, (std::vector<QString>{"villes.dat.AbCdEf", "villes.dat.qWeRtY"}));
  QStringList restants = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
  restants.sort();
  EXPECT_EQ(restants, (QStringList{"cometes.dat.AbCdEf", "villes.dat", "villes.dat.ANCIEN", "villes.dat.AbCd1f",
                                   "villes.dat.AbCdEfg", "villes.dat.DoSsIe", "villes.dat.LiEnSy", "villes.dat.XyZabc",
                                   "villes.dat.backup", "villes.datAbCdEf"}));
  EXPECT_EQ(supprimer_temporaires_abandonnes(dir.filePath("cometes.dat")),
            (std::vector<QString>{"cometes.dat.AbCdEf"}));
}

}  // namespace
}  // namespace almanax
