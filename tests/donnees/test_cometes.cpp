// The comet catalogue: reading (lines without TAB, encodings), ordered insertion,
// changes that survive a restart, a killed process and a directory gone, and the
// bundled catalogue's positions against an independent two-body computation.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cmath>

#include "calcul/calendrier.h"
#include "calcul/numerique.h"
#include "calcul/pages/comete.h"
#include "deux_corps.h"
#include "donnees/cometes.h"
#include "donnees/villes.h"
#include "fichiers_test.h"
#include "planseries/planseries.h"

namespace almanax {
namespace {

using essais::ecrire;
using essais::lire;

std::vector<std::string> noms(const fichier_cometes& f) {
  std::vector<std::string> r;
  for (const comete& c : f.cometes()) r.push_back(c.nom);
  return r;
}

textes_comete elements(std::string e = "0,5") {
  textes_comete t;
  t.T_annee = "2020";
  t.T_mois = "7";
  t.T_jour = "3,68";
  t.q = "0,29";
  t.e = std::move(e);
  t.w = "37,3";
  t.W = "61";
  t.i = "128,9";
  return t;
}

const QByteArray deux_cometes =
    "BORRELLY\t2001\t9\t14,7\t1,36\t0,62\t353\t75\t30\r\nHALLEY\t1986\t2\t9,5\t0,58\t0,967\t111\t58\t162\r\n";

}  // namespace

TEST(Cometes, LectureDesLignes) {
  // A line without TAB is a comet with an empty name; blank lines pass; CP-1252 names.
  const QByteArray contenu =
      "ligne sans "
      "tabulation\r\n\r\nCOM\xC8TE\t1989\t8\t20,29104\t1,3245017\t1\t186,27004\t334,72946\t11,94051\nX\t1\t2";
  const std::vector<comete> c = lire_cometes(contenu);
  ASSERT_EQ(c.size(), 3u);
  EXPECT_EQ(c[0], (comete{"", "ligne sans tabulation", true}));
  EXPECT_EQ(c[1].nom, "COMÈTE");
  const textes_comete t = textes_de(c[1].donnees);
  EXPECT_EQ(
      (std::array{t.T_annee, t.T_mois, t.T_jour, t.q, t.e, t.w, t.W, t.i}),
      (std::array<std::string, 8>{"1989", "8", "20,29104", "1,3245017", "1", "186,27004", "334,72946", "11,94051"}));
  EXPECT_EQ(textes_de(c[2].donnees).q, "");  // missing fields are empty
  // Written back: UTF-8, CR LF, the line without TAB as it was.
  EXPECT_EQ(contenu_cometes(c),
            QByteArray("ligne sans tabulation\r\nCOMÈTE\t1989\t8\t20,29104\t1,3245017\t1\t186,27004\t334,72946\t"
                       "11,94051\r\nX\t1\t2\r\n"));
  EXPECT_EQ(donnees_de(t), c[1].donnees);
}

TEST(Cometes, InsertionModificationSuppressionSurvivent) {
  QTemporaryDir dir;
  ecrire(dir.filePath("cometes.dat"), deux_cometes);
  fichier_cometes f(dir.path());
  EXPECT_TRUE(f.charger().erreur.empty());
  ASSERT_EQ(f.taille(), 2u);

  operation_cometes op = f.ajouter("CHURYUMOV", elements());
  ASSERT_TRUE(op.reussie);
  EXPECT_EQ(op.index, 1u);
  op = f.ajouter("ZZ", elements());
  EXPECT_EQ(op.index, 3u);
  op = f.ajouter("AA", elements());
  EXPECT_EQ(op.index, 0u);
  op = f.ajouter("halley", elements());  // letter case alone is no new name
  EXPECT_FALSE(op.reussie);
  EXPECT_TRUE(op.doublon);
  EXPECT_EQ(op.titre, "Comète déjà répertoriée !");  // the comet's own words, not a site's
  EXPECT_EQ(op.message, "Une comète de ce nom est déjà présente dans la liste. Veuillez changer son nom.");
  ASSERT_TRUE(f.modifier(2, elements("0,75")).reussie);
  ASSERT_TRUE(f.supprimer(4).reussie);  // ZZ
  // A TAB pasted into a name would split its line.
  ASSERT_TRUE(f.ajouter("A\tB", elements()).reussie);

  fichier_cometes relu(dir.path());
  relu.charger();
  EXPECT_EQ(noms(relu), (std::vector<std::string>{"A B", "AA", "BORRELLY", "CHURYUMOV", "HALLEY"}));
  EXPECT_EQ(textes_de(relu.cometes()[3].donnees).e, "0,75");
  EXPECT_EQ(textes_de(relu.cometes()[2].donnees).e, "0,62");
  EXPECT_EQ(relu.cometes(), f.cometes());
  EXPECT_FALSE(lire(dir.filePath("cometes.dat")).contains("\n\n"));
}

TEST(Cometes, FichierAbsentOuIllisible) {
  QTemporaryDir dir;
  fichier_cometes f(dir.path());
  const chargement_cometes c = f.charger();
  EXPECT_TRUE(c.fichier_cree);
  EXPECT_EQ(f.taille(), 21u);
  EXPECT_EQ(lire(dir.filePath("cometes.dat")), cometes_par_defaut());

  // A directory under the file's name cannot be read: the bundled list, and the
  // name never written over.
  QTemporaryDir autre;
  ASSERT_TRUE(QDir(autre.path()).mkdir("cometes.dat"));
  fichier_cometes g(autre.path());
  const chargement_cometes d = g.charger();
  EXPECT_NE(d.erreur.find("n'a pas pu être lu"), std::string::npos);
  EXPECT_EQ(g.taille(), 21u);
  const operation_cometes op = g.ajouter("NOUVELLE", elements());
  EXPECT_FALSE(op.reussie);
  EXPECT_EQ(op.titre, "Enregistrement impossible");
  EXPECT_EQ(g.taille(), 21u);
}

// A process killed while it rewrites the catalogue again and again leaves one whole
// catalogue: the one before a change or the one after it.
TEST(Cometes, ProcessusTueSansPerte) {
  QTemporaryDir dir;
  ecrire(dir.filePath("cometes.dat"), deux_cometes);
  const pid_t enfant = fork();
  ASSERT_GE(enfant, 0);
  if (enfant == 0) {
    fichier_cometes f(dir.path());
    f.charger();
    for (;;) {
      f.ajouter("ENCKE", elements());
      f.supprimer(1);
    }
  }
  usleep(150000);
  kill(enfant, SIGKILL);
  int etat = 0;
  waitpid(enfant, &etat, 0);
  const QByteArray apres = lire(dir.filePath("cometes.dat"));
  const QByteArray avec_encke =
      "BORRELLY\t2001\t9\t14,7\t1,36\t0,62\t353\t75\t30\r\nENCKE\t2020\t7\t3,68\t0,29\t0,5\t37,3\t61\t128,9\r\n"
      "HALLEY\t1986\t2\t9,5\t0,58\t0,967\t111\t58\t162\r\n";
  EXPECT_TRUE(apres == deux_cometes || apres == avec_encke) << apres.toStdString();
}

using essais::heliocentrique;
using essais::jour_julien_gregorien;
using essais::soleil;
using essais::vec3;

// Every comet of the bundled catalogue at instants from a year before to a year after
// its perihelion passage, near it in hours: within 1" of the independent computation.
TEST(Cometes, PositionsDuCatalogueIndependantes) {
  const long double decalages[] = {-400, -120, -30, -7, -1, -0.2L, 0, 0.15L, 0.6L, 2, 9, 45, 150, 365};
  int nombre = 0;
  std::string precedent;
  for (const comete& c : lire_cometes(cometes_par_defaut())) {
    EXPECT_LT(comparer_noms(precedent, c.nom), 0) << c.nom;  // sorted by name
    precedent = c.nom;
    const lecture_comete l = lire_elements_comete(textes_de(c.donnees));
    ASSERT_TRUE(l.elements) << c.nom;
    const elements_comete& el = *l.elements;
    const long double T = jour_julien_gregorien(static_cast<int>(el.T_annee), static_cast<int>(el.T_mois), el.T_jour);
    for (long double d : decalages) {
      // The observation at a whole second near T + d, through the calendar.
      date_de_calcul jour;
      jour.jour_julien = std::floor(T + d - 0.5L) + 0.5L;
      date_calendaire(jour);
      const int secondes = static_cast<int>(std::round((T + d - (std::floor(T + d - 0.5L) + 0.5L)) * 86400)) % 86400;
      entree_comete e;
      e.elements = el;
      e.observation.date = {static_cast<int>(jour.jour), static_cast<int>(jour.mois),
                            static_cast<int>(annee_historique(static_cast<long long>(jour.annee)))};
      e.observation.heure = secondes / 3600;
      e.observation.minute = secondes / 60 % 60;
      e.observation.seconde = secondes % 60;
      const resultat_comete r = calcul_comete(e);
      ASSERT_NEAR(r.jour_julien, T + d, 1e-5L) << c.nom;

      // Light time iterated to its end.
      const vec3 s = soleil(r.jour_julien);
      long double tau = 0;
      vec3 g{};
      for (int k = 0; k < 6; ++k) {
        const vec3 h = heliocentrique(el, T, r.jour_julien - tau);
        g = {s[0] + h[0], s[1] + h[1], s[2] + h[2]};
        tau = 0.0057755183L * std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
      }
      const long double delta = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
      const long double produit = (g[0] * std::cos(r.declinaison * deg_rad) * std::cos(r.ascension_droite * deg_rad) +
                                   g[1] * std::cos(r.declinaison * deg_rad) * std::sin(r.ascension_droite * deg_rad) +
                                   g[2] * std::sin(r.declinaison * deg_rad)) /
                                  delta;
      const long double ecart = std::acos(std::fmin(1.0L, produit)) * rad_deg * 3600;
      EXPECT_LT(ecart, 1.0L) << c.nom << " JD " << static_cast<double>(r.jour_julien);
      EXPECT_NEAR(r.distance / delta, 1, 1e-7L) << c.nom;
      ++nombre;
    }
  }
  EXPECT_EQ(nombre, 21 * 14);
}

}  // namespace almanax
