// The observing site of the command-line reports: by name, by coordinates, or the
// window's default site, read from the working directory without writing there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "cli/cli.h"

namespace almanax::cli {
namespace {

// Runs each test in a fresh working directory with a private settings store.
class SiteCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier_.isValid());
    ancien_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dossier_.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, reglages_.path());
  }
  void TearDown() override {
    QDir::setCurrent(ancien_);
    const QString normal = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, normal);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, normal);
  }
  void villes(const char* contenu) {
    QFile f(dossier_.filePath("villes.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
  }
  void site_par_defaut(long long i) {
    QSettings s(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
    s.setValue(QStringLiteral("Site"), i);
    s.sync();
  }
  static site_nomme site(std::map<std::string, std::string> options) {
    arguments a(std::move(options));
    site_nomme s = a.site();
    a.verifier_tout_lu();
    return s;
  }
  static std::string erreur(std::map<std::string, std::string> options) {
    arguments a(std::move(options));
    try {
      a.site();
    } catch (const erreur_option& e) {
      return e.what();
    }
    return "(aucune erreur)";
  }

  QTemporaryDir dossier_;
  QTemporaryDir reglages_;
  QString ancien_;
};

TEST_F(SiteCli, ParNomSansFichierLaListeFournieSansRienEcrire) {
  const site_nomme s = site({{"site", "paris"}});
  EXPECT_EQ(s.nom, "Paris");
  EXPECT_NEAR(static_cast<double>(s.latitude), 48.85, 1e-12);
  EXPECT_NEAR(static_cast<double>(s.longitude), -2.35, 1e-12);
  EXPECT_FALSE(QFileInfo::exists(dossier_.filePath("villes.dat")));
  EXPECT_EQ(site({{"site", "LE MANS"}}).nom, "Le Mans");
}

TEST_F(SiteCli, ParNomDansLeFichierDuDossier) {
  villes("1,5 2,5 Le Mans\r\n10 -20 Nulle part\r\n");
  const site_nomme s = site({{"site", "le mans"}});
  EXPECT_NEAR(static_cast<double>(s.latitude), 1.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(s.longitude), 2.5, 1e-12);
  EXPECT_EQ(erreur({{"site", "Paris"}}), "Site inconnu : Paris");
  EXPECT_EQ(erreur({{"site", "Atlantide"}}), "Site inconnu : Atlantide");
}

TEST_F(SiteCli, ParCoordonnees) {
  const site_nomme s = site({{"lat", "45,5"}, {"lon", "-73.6"}});
  EXPECT_EQ(s.nom, "Votre site");
  EXPECT_NEAR(static_cast<double>(s.latitude), 45.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(s.longitude), -73.6, 1e-12);
  EXPECT_NE(erreur({{"lat", "91"}, {"lon", "0"}}).find("--lat"), std::string::npos);
  EXPECT_NE(erreur({{"lat", "0"}, {"lon", "-180.5"}}).find("--lon"), std::string::npos);
  EXPECT_NE(erreur({{"lat", "nord"}, {"lon", "0"}}).find("--lat"), std::string::npos);
  EXPECT_NE(erreur({{"lat", "45"}}).find("vont ensemble"), std::string::npos);
  EXPECT_NE(erreur({{"site", "Paris"}, {"lon", "2"}}).find("s'excluent"), std::string::npos);
}

TEST_F(SiteCli, SiteParDefautDesReglages) {
  // No settings: the first-start index, Paris in the bundled list.
  EXPECT_EQ(site({}).nom, "Paris");
  villes("1 1 A\r\n2 2 B\r\n3 3 C\r\n");
  site_par_defaut(2);
  EXPECT_EQ(site({}).nom, "C");
  // An index past the end of the list: the first site.
  site_par_defaut(172);
  EXPECT_EQ(site({}).nom, "A");
  villes("");
  EXPECT_NE(erreur({}).find("Aucun site"), std::string::npos);
}

}  // namespace
}  // namespace almanax::cli
