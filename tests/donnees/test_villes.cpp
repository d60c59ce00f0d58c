// The sites file: reading (encodings, separators, broken lines), the ordered list,
// atomic rewrites that never lose anything, and the bundled list.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <random>

#include "calcul/site.h"
#include "donnees/villes.h"
#include "enfant.h"
#include "fichiers_test.h"

namespace almanax {
namespace {

QByteArray octets(std::string_view s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

using essais::ecrire;
using essais::lire;

std::vector<std::string> noms(const std::vector<ville>& v) {
  std::vector<std::string> r;
  for (const ville& x : v) r.push_back(x.nom);
  return r;
}

// A directory holding a villes.dat with the given content, loaded.
struct dossier_villes {
  QTemporaryDir dir;
  std::unique_ptr<fichier_villes> f;
  chargement_villes chargement;
  explicit dossier_villes(std::string_view contenu, std::string separateur = ".") {
    QFile fichier(dir.filePath("villes.dat"));
    if (fichier.open(QIODevice::WriteOnly)) fichier.write(octets(contenu));
    fichier.close();
    f = std::make_unique<fichier_villes>(dir.path(), std::move(separateur));
    chargement = f->charger();
  }
  QByteArray contenu() const { return lire(dir.filePath("villes.dat")); }
};

const char* const trois_sites = "44.84 0.58 Bordeaux\r\n48.85 -2.35 Paris\r\n43.6 -1.44 Toulouse\r\n";

TEST(Villes, ComparaisonDesNoms) {
  EXPECT_EQ(comparer_noms("Paris", "paris"), 0);
  EXPECT_EQ(comparer_noms("PARIS", "paris"), 0);
  EXPECT_LT(comparer_noms("agen", "Albi"), 0);
  EXPECT_GT(comparer_noms("Albi", "agen"), 0);
  EXPECT_LT(comparer_noms("Le", "Le Mans"), 0);
  EXPECT_LT(comparer_noms("Le Mans", "Le-Mans"), 0);  // space before hyphen, by code
  // Accented letters are compared by code: after every ASCII letter, whatever the case.
  EXPECT_GT(comparer_noms("Évry", "zurich"), 0);
  EXPECT_NE(comparer_noms("évry", "Évry"), 0);
  EXPECT_GT(comparer_noms("Mâcon", "Moulins"), 0);
}

TEST(Villes, LectureDesNombres) {
  EXPECT_NEAR(static_cast<double>(*lire_nombre("48.85")), 48.85, 1e-12);
  EXPECT_NEAR(static_cast<double>(*lire_nombre("48,85")), 48.85, 1e-12);
  EXPECT_NEAR(static_cast<double>(*lire_nombre("-2,35")), -2.35, 1e-12);
  EXPECT_NEAR(static_cast<double>(*lire_nombre("+3")), 3.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(*lire_nombre("-0.5")), -0.5, 1e-12);
  for (const char* faux : {"", "-", ".", "4 8", "48.8.5", "48,8.5", "1e3", "abc", "48.85x", "--2", "0x10"})
    EXPECT_FALSE(lire_nombre(faux).has_value()) << faux;
}

// Every number reads to the correctly rounded long double, the value from_chars gives:
// short ones (the quick division) and long ones alike, to the last bit.
TEST(Villes, NombresArrondisCommeFromChars) {
  std::mt19937_64 hasard(20261210);
  for (int essai = 0; essai < 20000; ++essai) {
    const int chiffres = 1 + static_cast<int>(hasard() % 30);
    const int separateur = static_cast<int>(hasard() % (chiffres + 1));  // chiffres: none
    std::string texte = hasard() % 3 == 0 ? "-" : "";
    for (int k = 0; k < chiffres; ++k) {
      if (k == separateur && k > 0) texte += hasard() % 2 ? "." : ",";
      texte += static_cast<char>('0' + hasard() % 10);
    }
    std::string point = texte;
    std::replace(point.begin(), point.end(), ',', '.');
    const bool negatif = point[0] == '-';
    long double attendu = 0;
    const char* debut = point.data() + (negatif ? 1 : 0);
    std::from_chars(debut, point.data() + point.size(), attendu, std::chars_format::fixed);
    if (negatif) attendu = -attendu;
    const auto lu = lire_nombre(texte);
    ASSERT_TRUE(lu.has_value()) << texte;
    ASSERT_EQ(*lu, attendu) << texte;
  }
}

TEST(Villes, SaisieEnDegresMinutesSecondesCoupeeAuCentieme) {
  // 48° 50' 59" is 48.8497...: cut, not rounded.
  EXPECT_NEAR(static_cast<double>(valeur_dms(48, 50, 59, 1)), 48.84, 1e-12);
  EXPECT_EQ(texte_coordonnees(valeur_dms(48, 50, 59, 1), valeur_dms(2, 19, 48, -1), "."), "48.84 -2.33 ");
  // Exact hundredths stay whole despite binary arithmetic: 2° 21' 00" is 2.35, not 2.34.
  EXPECT_EQ(texte_coordonnees(valeur_dms(2, 21, 0, -1), valeur_dms(1, 3, 0, 1), "."), "-2.35 1.05 ");
  for (int d = 0; d < 90; d += 7)
    for (int m = 0; m < 60; m += 3) {
      const long double v = valeur_dms(d, m, 0, 1);
      const long double exact = d + m / 60.0L;
      EXPECT_LE(v, exact + 1e-12L) << d << " " << m;
      EXPECT_GT(v, exact - 0.01L) << d << " " << m;
    }
  EXPECT_EQ(texte_coordonnees(-33.46L, 0, ","), "-33,46 0,0 ");
}

TEST(Villes, LignesEtSeparateursAcceptes) {
  // CR LF, LF and CR alone, comma or point, blanks around the fields, spaces in names.
  const auto l =
      lire_villes(octets("48,85 -2,35 Paris\r\n48.0 -0.2 Le Mans\n"
                         "  45.75\t-4.85   Lyon  \r"
                         "\r\n"
                         "-22.27 -166.45 Nouméa\r\n"));
  EXPECT_TRUE(l.avertissements.empty());
  ASSERT_EQ(noms(l.villes), (std::vector<std::string>{"Paris", "Le Mans", "Lyon", "Nouméa"}));
  EXPECT_NEAR(static_cast<double>(l.villes[0].latitude), 48.85, 1e-12);
  EXPECT_NEAR(static_cast<double>(l.villes[0].longitude), -2.35, 1e-12);
  EXPECT_EQ(l.villes[0].coordonnees, "48,85 -2,35 ");
  EXPECT_EQ(l.villes[2].coordonnees, "45.75 -4.85 ");
  EXPECT_NEAR(static_cast<double>(l.villes[3].latitude), -22.27, 1e-12);
  EXPECT_NEAR(static_cast<double>(l.villes[3].longitude), -166.45, 1e-12);
}

TEST(Villes, LigneMalFormeeSignaleeEtIgnoree) {
  const auto l =
      lire_villes(octets("44.84 0.58 Bordeaux\r\n"
                         "Paris\t48.84\t-2.35\r\n"
                         "48.85 -2.35\r\n"
                         "95 1 Nulle part\r\n"
                         "43.6 abc Toulouse\r\n"
                         "43.3 -5.38 Marseille\r\n"));
  EXPECT_EQ(noms(l.villes), (std::vector<std::string>{"Bordeaux", "Marseille"}));
  ASSERT_EQ(l.avertissements.size(), 4u);
  EXPECT_EQ(l.avertissements[0], "Ligne 2 de villes.dat ignorée : latitude illisible « Paris ».");
  EXPECT_EQ(l.avertissements[1], "Ligne 3 de villes.dat ignorée : nom du site absent.");
  EXPECT_NE(l.avertissements[2].find("Ligne 4 "), std::string::npos);
  EXPECT_NE(l.avertissements[2].find("latitude hors"), std::string::npos);
  EXPECT_EQ(l.avertissements[3], "Ligne 5 de villes.dat ignorée : longitude illisible « abc ».");
  EXPECT_EQ(l.lignes_ignorees.size(), 4u);
  EXPECT_EQ(l.lignes_ignorees[0], "Paris\t48.84\t-2.35");
}

TEST(Villes, FichierAncienEnCodageWindows) {
  // "Épinal" and "Œuf" in the single-byte code page, with a point and a comma.
  const auto l =
      lire_villes(QByteArray("48.17 -6.45 \xC9pinal\r\n10,5 -1,25 \x8C"
                             "uf\r\n"));
  ASSERT_EQ(l.villes.size(), 2u);
  EXPECT_EQ(l.villes[0].nom, "Épinal");
  EXPECT_EQ(l.villes[1].nom, "Œuf");
  EXPECT_NEAR(static_cast<double>(l.villes[1].longitude), -1.25, 1e-12);
  // UTF-8 with a byte-order mark: the mark is not part of the first latitude.
  const auto u =
      lire_villes(QByteArray("\xEF\xBB\xBF"
                             "48.17 -6.45 Épinal\r\n"));
  ASSERT_EQ(u.villes.size(), 1u);
  EXPECT_EQ(u.villes[0].nom, "Épinal");
}

TEST(Villes, ListeFournieTrieeAvecParisAuRang172) {
  const QByteArray brut = villes_par_defaut();
  const auto l = lire_villes(brut);
  EXPECT_TRUE(l.avertissements.empty()) << l.avertissements.front();
  ASSERT_GE(l.villes.size(), 250u);
  for (std::size_t i = 1; i < l.villes.size(); ++i)
    EXPECT_LT(comparer_noms(l.villes[i - 1].nom, l.villes[i].nom), 0)
        << l.villes[i - 1].nom << " / " << l.villes[i].nom;
  ASSERT_GT(l.villes.size(), 172u);
  EXPECT_EQ(l.villes[172].nom, "Paris");
  EXPECT_EQ(l.villes[172].coordonnees, "48.85 -2.35 ");
  EXPECT_EQ(*index_par_defaut(index_site_initial, l.villes.size()), 172u);
  // CR LF everywhere, UTF-8, the program's own number pattern.
  EXPECT_EQ(brut.count("\r\n"), brut.count('\n'));
  EXPECT_EQ(brut.count("\r\n"), static_cast<qsizetype>(l.villes.size()));
  for (const ville& v : l.villes) {
    EXPECT_EQ(v.coordonnees, texte_coordonnees(v.latitude, v.longitude, ".")) << v.nom;
    EXPECT_LE(std::fabs(v.latitude), 90.0L);
    EXPECT_LE(std::fabs(v.longitude), 180.0L);
  }
  // Sign conventions on well-known places: north and west positive.
  auto chercher = [&](std::string_view nom) -> const ville* {
    for (const ville& v : l.villes)
      if (v.nom == nom) return &v;
    return nullptr;
  };
  struct repere {
    const char* nom;
    double lat, lon;
  };
  for (const repere& r :
       {repere{"Londres", 51.51, 0.13}, repere{"Montréal", 45.51, 73.59}, repere{"Tokyo", 35.69, -139.69},
        repere{"Buenos Aires", -34.61, 58.38}, repere{"Le Mans", 48.00, -0.20}, repere{"Brest", 48.39, 4.49},
        repere{"Strasbourg", 48.58, -7.75}, repere{"Ajaccio", 41.92, -8.74},
        repere{"Saint-Denis (La Réunion)", -20.88, -55.45}, repere{"Dakar", 14.69, 17.44}}) {
    const ville* v = chercher(r.nom);
    ASSERT_NE(v, nullptr) << r.nom;
    EXPECT_NEAR(static_cast<double>(v->latitude), r.lat, 0.02) << r.nom;
    EXPECT_NEAR(static_cast<double>(v->longitude), r.lon, 0.02) << r.nom;
  }
}

TEST(Villes, FichierAbsentRemplaceParLaListeFournie) {
  QTemporaryDir dir;
  fichier_villes f(dir.path(), ".");
  const auto c = f.charger();
  EXPECT_TRUE(c.fichier_cree);
  EXPECT_TRUE(c.erreur.empty());
  EXPECT_EQ(lire(dir.filePath("villes.dat")), villes_par_defaut());
  ASSERT_GT(f.taille(), 172u);
  EXPECT_EQ(f.villes()[*f.index_courant_par_defaut()].nom, "Paris");

  // Without writing (the command line): the list is read, nothing appears on disk.
  QTemporaryDir vide;
  fichier_villes g(vide.path(), ".");
  const auto d = g.charger(false);
  EXPECT_FALSE(d.fichier_cree);
  EXPECT_EQ(g.taille(), f.taille());
  EXPECT_FALSE(QFileInfo::exists(vide.filePath("villes.dat")));
}

TEST(Villes, InsertionALaPlaceDuNomEtFichierRecrit) {
  dossier_villes d(trois_sites);
  auto r = d.f->ajouter("Nantes", 47.22L, 1.55L);
  ASSERT_TRUE(r.reussie) << r.message;
  EXPECT_EQ(r.index, 1u);
  r = d.f->ajouter("agen", 44.2L, -0.62L);
  EXPECT_EQ(r.index, 0u);
  r = d.f->ajouter("Vannes", 47.66L, 2.76L);
  EXPECT_EQ(r.index, 5u);
  EXPECT_EQ(noms(d.f->villes()),
            (std::vector<std::string>{"agen", "Bordeaux", "Nantes", "Paris", "Toulouse", "Vannes"}));
  EXPECT_EQ(d.contenu(), QByteArray("44.2 -0.62 agen\r\n44.84 0.58 Bordeaux\r\n47.22 1.55 Nantes\r\n"
                                    "48.85 -2.35 Paris\r\n43.6 -1.44 Toulouse\r\n47.66 2.76 Vannes\r\n"));
  // Written atomically: nothing is left beside the file.
  EXPECT_EQ(QDir(d.dir.path()).entryList(QDir::Files), QStringList{"villes.dat"});
}

TEST(Villes, DoublonRefuseSansRienChanger) {
  dossier_villes d(trois_sites);
  const QByteArray avant = d.contenu();
  const auto r = d.f->ajouter("paris", 1, 1);
  EXPECT_FALSE(r.reussie);
  EXPECT_EQ(r.titre, "Site déjà répertorié !");
  EXPECT_EQ(r.message, "Un site de ce nom est déjà présent dans la liste. Veuillez le changer");
  EXPECT_EQ(d.f->taille(), 3u);
  EXPECT_EQ(d.contenu(), avant);
  // A hand-edited file out of order: the name further down is still found.
  dossier_villes desordre("43.6 -1.44 Toulouse\r\n44.84 0.58 Bordeaux\r\n");
  EXPECT_FALSE(desordre.f->ajouter("BORDEAUX", 1, 1).reussie);
  EXPECT_EQ(desordre.f->taille(), 2u);
  // Empty names and names that would break the line.
  EXPECT_FALSE(d.f->ajouter("   ", 1, 1).reussie);
  EXPECT_FALSE(d.f->ajouter("Nulle part", 91, 1).reussie);
  const auto s = d.f->ajouter(" Saint\r\nMalo ", 48.65L, 2.01L);
  ASSERT_TRUE(s.reussie);
  EXPECT_EQ(d.f->villes()[s.index].nom, "Saint  Malo");
  EXPECT_EQ(lire_villes(d.contenu()).villes.size(), 4u);
}

TEST(Villes, SiteSaisiEnDmsRelu) {
  dossier_villes d(trois_sites);
  // 48° 50' 59" N, 2° 19' 48" E.
  const auto r = d.f->ajouter("Le Mans", valeur_dms(48, 50, 59, 1), valeur_dms(2, 19, 48, -1));
  ASSERT_TRUE(r.reussie);
  EXPECT_NE(d.contenu().indexOf("48.84 -2.33 Le Mans\r\n"), -1);
  fichier_villes relu(d.dir.path(), ".");
  relu.charger();
  const ville& v = relu.villes()[r.index];
  EXPECT_EQ(v.nom, "Le Mans");
  const champs_site c = champs_du_site(v.site());
  EXPECT_EQ(c.lat_deg, 48);
  EXPECT_EQ(c.lat_min, 50);
  EXPECT_EQ(c.lat_sec, 24);
  EXPECT_EQ(c.lat_lettre, "N");
  EXPECT_EQ(c.lon_deg, 2);
  EXPECT_EQ(c.lon_min, 19);
  EXPECT_EQ(c.lon_lettre, "E");
  const site_courant s = site_courant_de(v.site());
  EXPECT_EQ(s.sens_longitude, -1);
  EXPECT_NEAR(static_cast<double>(s.longitude), 2.33, 1e-12);
  EXPECT_NEAR(static_cast<double>(s.latitude), 48.84, 1e-12);
}

TEST(Villes, SeparateurVirguleLuEtEcrit) {
  dossier_villes d("44,84 0,58 Bordeaux\r\n48,85 -2,35 Paris\r\n", ",");
  ASSERT_EQ(d.f->taille(), 2u);
  EXPECT_NEAR(static_cast<double>(d.f->villes()[1].longitude), -2.35, 1e-12);
  ASSERT_TRUE(d.f->ajouter("Lyon", 45.75L, -4.85L).reussie);
  EXPECT_EQ(d.contenu(), QByteArray("44,84 0,58 Bordeaux\r\n45,75 -4,85 Lyon\r\n48,85 -2,35 Paris\r\n"));
  // Read back the same with a point locale.
  fichier_villes point(d.dir.path(), ".");
  point.charger();
  ASSERT_EQ(point.taille(), 3u);
  EXPECT_NEAR(static_cast<double>(point.villes()[1].latitude), 45.75, 1e-12);
}

TEST(Villes, LigneCasseeConserveeALaReecriture) {
  dossier_villes d("44.84 0.58 Bordeaux\r\nParis 48.85 -2.35\r\n43.6 -1.44 Toulouse\r\n");
  ASSERT_EQ(d.chargement.avertissements.size(), 1u);
  EXPECT_EQ(d.chargement.avertissements[0], "Ligne 2 de villes.dat ignorée : latitude illisible « Paris ».");
  EXPECT_EQ(noms(d.f->villes()), (std::vector<std::string>{"Bordeaux", "Toulouse"}));
  ASSERT_TRUE(d.f->supprimer(0).reussie);
  // The good site left and the broken line are both still in the file.
  EXPECT_EQ(d.contenu(), QByteArray("43.6 -1.44 Toulouse\r\nParis 48.85 -2.35\r\n"));
}

TEST(Villes, ModificationEtTexteDesAutresSitesIntact) {
  dossier_villes d("48.8566 -2.3522 Paris\r\n43.6 -1.44 Toulouse\r\n");
  ASSERT_TRUE(d.f->modifier(1, 43.61L, -1.45L).reussie);
  EXPECT_EQ(d.f->villes()[1].nom, "Toulouse");
  EXPECT_NEAR(static_cast<double>(d.f->villes()[1].latitude), 43.61, 1e-12);
  // Paris keeps its four decimals: a rewrite never rounds a site it did not touch.
  EXPECT_EQ(d.contenu(), QByteArray("48.8566 -2.3522 Paris\r\n43.61 -1.45 Toulouse\r\n"));
  EXPECT_FALSE(d.f->modifier(2, 0, 0).reussie);
  EXPECT_FALSE(d.f->supprimer(7).reussie);
}

TEST(Villes, SuppressionSansToucherAuRangParDefaut) {
  dossier_villes d("1 1 A\r\n2 2 B\r\n3 3 C\r\n4 4 D\r\n5 5 E\r\n6 6 F\r\n7 7 G\r\n");
  d.f->memoriser_index(5);
  ASSERT_EQ(d.f->villes()[5].nom, "F");
  ASSERT_TRUE(d.f->supprimer(0).reussie);
  EXPECT_EQ(d.f->index_memorise(), 5);
  EXPECT_EQ(*d.f->index_courant_par_defaut(), 5u);
  EXPECT_EQ(d.f->villes()[5].nom, "G");
  // Beyond the end: the first site; nothing left: no site.
  ASSERT_TRUE(d.f->supprimer(5).reussie);
  EXPECT_EQ(*d.f->index_courant_par_defaut(), 0u);
  while (d.f->taille() > 0) ASSERT_TRUE(d.f->supprimer(0).reussie);
  EXPECT_FALSE(d.f->index_courant_par_defaut().has_value());
  EXPECT_EQ(d.contenu(), QByteArray());
  // The first site of an empty list.
  const auto r = d.f->ajouter("Paris", 48.85L, -2.35L);
  ASSERT_TRUE(r.reussie);
  EXPECT_EQ(r.index, 0u);
  EXPECT_EQ(*index_par_defaut(-3, 1), 0u);
  EXPECT_EQ(*index_par_defaut(index_site_initial, 3), 0u);
}

TEST(Villes, DossierEnLectureSeule) {
  // In a child that cannot write in the folder: the folder made read-only, and for the
  // superuser (who writes anyway) the child also becomes an ordinary user.
  dossier_villes d(trois_sites);
  QTemporaryDir vide;
  const QByteArray avant = d.contenu();
  const auto lecture_seule = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                             QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
  for (const QString& dossier : {d.dir.path(), vide.path()}) QFile::setPermissions(dossier, lecture_seule);
  // The file itself stays writable by whoever runs the child: only the folder is shut.
  const QByteArray villes = QFile::encodeName(d.dir.filePath("villes.dat"));
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(villes.constData(), 65534, 65534), 0);
  }
  const auto issue = test::dans_un_enfant([&] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return std::string("setuid");
    fichier_villes f(d.dir.path(), ".");
    f.charger();
    const auto r = f.ajouter("Lyon", 45.75L, -4.85L);
    // A missing file in a read-only directory: the bundled list, in memory only.
    fichier_villes g(vide.path(), ".");
    const auto c = g.charger();
    return std::string(r.reussie ? "reussie" : "refus") + "|" + r.titre + "|" + r.message + "|" +
           std::to_string(f.taille()) + "|" + c.erreur + "|" + (c.fichier_cree ? "cree" : "") + "|" +
           std::to_string(g.taille() > 250);
  });
  for (const QString& dossier : {d.dir.path(), vide.path()})
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_TRUE(issue.a_temps);
  const std::string& m = issue.sortie;
  EXPECT_EQ(m.rfind("refus|Erreur d'écriture|Le fichier « ", 0), 0u) << m;
  EXPECT_NE(m.find("villes.dat » n'a pas été écrit : impossible de créer un fichier dans son dossier (l'accès est "
                   "refusé). La liste des sites n'a pas été modifiée.|3|"),
            std::string::npos)
      << m;
  EXPECT_NE(m.find("|Le fichier des sites est absent et n'a pas pu être créé. "), std::string::npos) << m;
  EXPECT_EQ(m.substr(m.size() - 3), "||1") << m;
  EXPECT_EQ(d.contenu(), avant);
  EXPECT_FALSE(QFileInfo::exists(vide.filePath("villes.dat")));
}

TEST(Villes, EcritureImpossibleListeIntacte) {
  // The directory disappears after loading (a removed drive, a deleted folder): this
  // fails for every user, the superuser included.
  QTemporaryDir racine;
  const QString sous = racine.filePath("sites");
  ASSERT_TRUE(QDir().mkdir(sous));
  ecrire(QDir(sous).filePath("villes.dat"), trois_sites);
  fichier_villes f(sous, ".");
  f.charger();
  ASSERT_TRUE(QDir(sous).removeRecursively());
  const auto r = f.ajouter("Lyon", 45.75L, -4.85L);
  EXPECT_FALSE(r.reussie);
  EXPECT_EQ(r.titre, "Erreur d'écriture");
  EXPECT_EQ(noms(f.villes()), (std::vector<std::string>{"Bordeaux", "Paris", "Toulouse"}));
  EXPECT_FALSE(f.supprimer(0).reussie);
  EXPECT_EQ(f.taille(), 3u);
}

TEST(Villes, FichierIlliblePasEcrase) {
  // villes.dat exists but cannot be read (here: a directory of that name).
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("villes.dat"));
  fichier_villes f(dir.path(), ".");
  const auto c = f.charger();
  EXPECT_FALSE(c.erreur.empty());
  EXPECT_NE(c.erreur.find("ne sera pas modifié"), std::string::npos);
  EXPECT_GT(f.taille(), 250u);
  const auto r = f.ajouter("Nulle part", 1, 1);
  EXPECT_FALSE(r.reussie);
  EXPECT_EQ(r.titre, "Enregistrement impossible");
  EXPECT_TRUE(QFileInfo(dir.filePath("villes.dat")).isDir());
}

TEST(Villes, EncodageDecideLigneParLigne) {
  struct cas {
    QByteArray contenu;
    std::vector<std::string> attendus;
  };
  for (const cas& c : {
           // Windows-1252 ending in an accented letter; UTF-8 with one Windows-1252 line;
           // two files joined (the second one's byte-order mark after a line end or not).
           cas{"47.9 -1.9 Orl\xE9"
               "ans\r\n6.13 -1.22 Lom\xE9",
               {"Orléans", "Lomé"}},
           cas{"47.9 -1.9 Orléans\r\n47.24 -6.02 Besan\xE7"
               "on\r\n43.6 -1.44 Évry\r\n",
               {"Orléans", "Besançon", "Évry"}},
           cas{"\xEF\xBB\xBF"
               "47.9 -1.9 Orléans\r\n\xEF\xBB\xBF"
               "6.13 -1.22 Lomé\r\n",
               {"Orléans", "Lomé"}},
           cas{"47.9 -1.9 Orléans\xEF\xBB\xBF"
               "6.13 -1.22 Lom\xE9\r\n",
               {"Orléans", "Lomé"}},
       }) {
    const auto l = lire_villes(c.contenu);
    EXPECT_TRUE(l.avertissements.empty()) << c.contenu.toStdString();
    EXPECT_EQ(noms(l.villes), c.attendus);
    EXPECT_NEAR(static_cast<double>(l.villes.back().latitude), c.attendus.back() == "Lomé" ? 6.13 : 43.6, 1e-12);
    // Rewritten: every name intact, in UTF-8.
    dossier_villes d(c.contenu.toStdString());
    const auto r = d.f->ajouter("Zurich", 47.37L, -8.54L);
    ASSERT_TRUE(r.reussie);
    const std::string ecrit = d.contenu().toStdString();
    EXPECT_TRUE(utf8_valide(ecrit)) << ecrit;
    std::vector<std::string> apres = c.attendus;
    apres.insert(apres.begin() + static_cast<std::ptrdiff_t>(r.index), "Zurich");
    EXPECT_EQ(noms(lire_villes(d.contenu()).villes), apres);
  }
  for (const char* bon : {"", "Orléans", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) EXPECT_TRUE(utf8_valide(bon)) << bon;
  for (const char* faux :
       {"Lom\xE9", "\xC3", "\xE2\x82", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
    EXPECT_FALSE(utf8_valide(faux)) << faux;
}

TEST(Villes, LignesEtNomsTropLongsRefusesEtGardes) {
  const std::string enorme = "10 20 " + std::string(1 << 20, 'x');
  const std::string nom200 = "1 2 " + std::string(199, 'a') + "é";
  const std::string nom201 = "3 4 " + std::string(200, 'b') + "é";
  std::string casse;
  for (int i = 0; i < 10; ++i) casse += "x y\r\n";
  dossier_villes d("44.84 0.58 Bordeaux\r\n" + enorme + "\r\n" + nom200 + "\r\n" + nom201 + "\r\n" + casse);
  ASSERT_EQ(d.f->taille(), 2u);
  ASSERT_EQ(d.chargement.avertissements.size(), avertissements_max + 1);
  EXPECT_EQ(d.chargement.avertissements[0],
            "Ligne 2 de villes.dat ignorée : ligne trop longue (1048582 caractères, 1024 au plus).");
  EXPECT_EQ(d.chargement.avertissements[1],
            "Ligne 4 de villes.dat ignorée : nom trop long (201 caractères, 200 au plus).");
  EXPECT_EQ(d.chargement.avertissements[10], "… et 2 autres lignes ignorées, gardées telles quelles dans villes.dat.");
  // Kept, byte for byte, through a rewrite.
  ASSERT_TRUE(d.f->supprimer(0).reussie);
  EXPECT_EQ(d.contenu().toStdString(), nom200 + "\r\n" + enorme + "\r\n" + nom201 + "\r\n" + casse);
  // The program never writes a name it would refuse to read.
  EXPECT_EQ(d.f->ajouter(std::string(201, 'c'), 1, 1).message, "Le nom du site ne doit pas dépasser 200 caractères.");
  EXPECT_TRUE(d.f->ajouter(std::string(200, 'c'), 1, 1).reussie);
}

TEST(Villes, FifoNiLueNiEcrasee) {
  QTemporaryDir d;
  const QString c = d.filePath("villes.dat");
  ASSERT_EQ(::mkfifo(QFile::encodeName(c).constData(), 0600), 0);
  const auto issue = test::dans_un_enfant([&] {
    fichier_villes f(d.path(), ".");
    const auto ch = f.charger();
    return std::to_string(ch.illisible) + "|" + ch.cause + "|" + std::to_string(f.taille() > 250) + "|" +
           f.ajouter("Nulle part", 1, 1).titre;
  });
  ASSERT_TRUE(issue.a_temps) << "villes.dat en FIFO : lecture bloquée";
  EXPECT_EQ(issue.sortie, "1|Le fichier « " + c.toStdString() +
                              " » n'est pas lu : ce n'est pas un fichier ordinaire.|1|Enregistrement impossible");
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(c).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(Villes, EcritureCourteLeFichierIntactEtLaRaisonDonnee) {
  // The new file may not grow past `limite` bytes in the child, as on a nearly full disk.
  dossier_villes d(trois_sites);
  const QByteArray avant = d.contenu();
  for (const rlim_t limite : {rlim_t{0}, rlim_t{70}}) {
    const auto issue = test::dans_un_enfant([&] {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit r{limite, limite};
      if (::setrlimit(RLIMIT_FSIZE, &r) != 0) return std::string("setrlimit");
      const auto op = d.f->ajouter("Lyon", 45.75L, -4.85L);
      return std::string(op.reussie ? "reussie" : "refus") + "|" + op.titre + "|" + op.message + "|" +
             std::to_string(d.f->taille());
    });
    ASSERT_TRUE(issue.a_temps);
    EXPECT_EQ(issue.sortie, "refus|Erreur d'écriture|Le fichier « " + d.dir.filePath("villes.dat").toStdString() +
                                " » n'a pas été écrit, l'ancien est intact : le fichier dépasse la taille permise. "
                                "La liste des sites n'a pas été modifiée.|3");
    EXPECT_EQ(d.contenu(), avant);
    EXPECT_EQ(QDir(d.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"villes.dat"});
  }
}

TEST(Villes, DisquePleinReelRienNEstPerdu) {
  if (::geteuid() != 0) GTEST_SKIP() << "monter un tmpfs demande d'être root";
  QTemporaryDir d;
  const QByteArray point = QFile::encodeName(d.path());
  if (::mount("tmpfs", point.constData(), "tmpfs", 0, "size=8k") != 0) GTEST_SKIP() << "montage d'un tmpfs refusé ici";
  ecrire(d.filePath("villes.dat"), trois_sites);
  ASSERT_TRUE(QDir(d.path()).mkdir("vide"));
  fichier_villes f(d.path(), ".");
  f.charger();
  {  // What is left of the disk is taken by another file.
    QFile plein(d.filePath("plein"));
    ASSERT_TRUE(plein.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (plein.write(QByteArray(512, 'x')) == 512) {
    }
  }
  const auto r = f.ajouter("Lyon", 45.75L, -4.85L);
  EXPECT_NE(r.message.find("l'ancien est intact : le disque est plein. La liste des sites n'a pas été modifiée."),
            std::string::npos)
      << r.message;
  EXPECT_EQ(lire(d.filePath("villes.dat")), QByteArray(trois_sites));
  EXPECT_EQ(f.taille(), 3u);
  // No file to create on that disk: the bundled list, in memory, and no empty file left.
  fichier_villes g(d.filePath("vide"), ".");
  const auto c = g.charger();
  EXPECT_NE(c.erreur.find("vide/villes.dat » n'a pas été écrit : le disque est plein."), std::string::npos) << c.erreur;
  EXPECT_FALSE(QFileInfo::exists(d.filePath("vide/villes.dat")));
  EXPECT_GT(g.taille(), 250u);
  QFile::remove(d.filePath("plein"));
  EXPECT_TRUE(f.ajouter("Lyon", 45.75L, -4.85L).reussie);
  EXPECT_EQ(lire_villes(lire(d.filePath("villes.dat"))).villes.size(), 4u);
  ::umount2(point.constData(), MNT_DETACH);
}

}  // namespace
}  // namespace almanax
