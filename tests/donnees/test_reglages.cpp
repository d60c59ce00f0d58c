#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "donnees/reglages.h"
#include "enfant.h"

using almanax::reglages;

namespace {

class Reglages : public ::testing::Test {
 protected:
  QSettings ouvrir() const { return QSettings(dossier.filePath("almanax.ini"), QSettings::IniFormat); }
  QTemporaryDir dossier;
};

reglages differents() {
  reglages r;
  r.site = 12;
  r.comete = 4;
  r.onglet = true;
  r.onglet2 = false;
  r.menu = false;
  r.menu2 = true;
  r.heure_actuelle = false;
  r.date_du_jour = false;
  r.midi = false;
  r.minuit = true;
  r.gauche = -20;
  r.haut = 35;
  r.hauteur = 600;
  r.largeur = 900;
  r.heure_legale = true;
  r.fuseaux_des_sites = {{"Paris", "Europe/Paris"}, {"Nouméa", "Pacific/Noumea"}};
  return r;
}

}  // namespace

TEST_F(Reglages, WrittenUnderTheirNamesAndReadBack) {
  {
    QSettings s = ouvrir();
    EXPECT_FALSE(almanax::reglages_presents(s));
    almanax::ecrire_reglages(s, differents());
  }
  QSettings s = ouvrir();
  EXPECT_TRUE(almanax::reglages_presents(s));
  QStringList cles = s.allKeys();
  cles.sort();
  QStringList attendues{"Site", "Comète", "Onglet", "Onglet2", "Menu", "Menu2", "Heure actuelle", "Date du jour",
                        "Midi", "Minuit", "Gauche", "Haut", "Hauteur", "Largeur",
                        // civil time, under names of their own
                        "Heure légale", "Fuseaux des sites"};
  attendues.sort();
  EXPECT_EQ(cles, attendues);
  EXPECT_EQ(s.value("Comète").toInt(), 4);
  EXPECT_EQ(almanax::lire_reglages(s, reglages{}), differents());
}

TEST_F(Reglages, MissingOrUnreadableValuesKeepTheDefaults) {
  {
    QSettings s = ouvrir();
    s.setValue("Site", "abc");
    s.setValue("Comète", "7");
    s.setValue("Midi", "peut-être");
    s.setValue("Minuit", "peut-être");
    s.setValue("Heure actuelle", "false");
    s.setValue("Largeur", "99999999999");
    s.setValue("Hauteur", 480);
  }
  QSettings s = ouvrir();
  reglages defauts;
  defauts.largeur = 820;
  defauts.hauteur = 660;
  const reglages r = almanax::lire_reglages(s, defauts);
  EXPECT_EQ(r.site, 172);
  EXPECT_EQ(r.comete, 7);
  EXPECT_TRUE(r.midi);
  EXPECT_FALSE(r.minuit);
  EXPECT_FALSE(r.heure_actuelle);
  EXPECT_TRUE(r.date_du_jour);
  EXPECT_EQ(r.largeur, 820);
  EXPECT_EQ(r.hauteur, 480);
}

TEST_F(Reglages, ExclusivePairsStayExclusive) {
  {
    QSettings s = ouvrir();
    s.setValue("Onglet", true);
    s.setValue("Onglet2", true);  // both on: meaningless
    s.setValue("Menu", false);
    s.setValue("Menu2", false);  // both off: meaningless
    s.setValue("Midi", false);
    s.setValue("Minuit", true);
  }
  QSettings s = ouvrir();
  const reglages r = almanax::lire_reglages(s, reglages{});
  EXPECT_FALSE(r.onglet);
  EXPECT_TRUE(r.onglet2);
  EXPECT_TRUE(r.menu);
  EXPECT_FALSE(r.menu2);
  EXPECT_FALSE(r.midi);
  EXPECT_TRUE(r.minuit);
}

TEST(FichiersReglages, FichierSpecialOuEnormeRefuseSansBloquer) {
  // Private user and system folders, named by the environment as the store reads it.
  QTemporaryDir utilisateur, systeme;
  const QByteArray anciens[2] = {qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_CONFIG_DIRS")};
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(utilisateur.path()));
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(systeme.path()));
  ASSERT_TRUE(QDir(utilisateur.path()).mkdir("Quillory"));
  const QString fichier = utilisateur.filePath("Quillory/Almanax.conf");
  EXPECT_EQ(almanax::ouvrir_reglages().magasin->fileName(), fichier);
  // A FIFO in the user's folder, then in the system's: the store would wait on it.
  for (const QString& c : {fichier, systeme.filePath("Quillory.conf")}) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(c).constData(), 0600), 0);
    const auto issue = almanax::test::dans_un_enfant([] {
      const auto o = almanax::ouvrir_reglages();
      return std::string(o.magasin ? "ouvert" : "refus") + "|" + o.avertissement;
    });
    ASSERT_TRUE(issue.a_temps) << "réglages en FIFO : lecture bloquée";
    EXPECT_EQ(issue.sortie, "refus|Le fichier des réglages « " + c.toStdString() +
                                " » n'est pas lu : ce n'est pas un fichier ordinaire. Les réglages par défaut sont "
                                "utilisés et ne seront pas enregistrés.");
    ASSERT_TRUE(QFile::remove(c));
  }
  {
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(almanax::taille_max_reglages + 1));
  }
  const auto o = almanax::ouvrir_reglages();
  EXPECT_FALSE(o.magasin);
  EXPECT_NE(o.avertissement.find("dépasse la limite"), std::string::npos) << o.avertissement;
  for (int i = 0; i < 2; ++i) {
    const char* nom = i == 0 ? "XDG_CONFIG_HOME" : "XDG_CONFIG_DIRS";
    anciens[i].isNull() ? qunsetenv(nom) : qputenv(nom, anciens[i]);
  }
}
