#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <functional>

#include "ihm/fenetre_principale.h"
#include "outils_ihm.h"

using namespace almanax::ihm::test;

namespace {

struct sortie {
  int statut = -1;
  QByteArray out, err;
};

sortie astro(const QStringList& arguments, const QString& dossier, bool sans_affichage = false) {
  QProcess p;
  p.setWorkingDirectory(dossier);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");  // --capture chooses the offscreen platform itself
  if (sans_affichage) {
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
  }
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(ASTRO_EXE), arguments);
  if (!p.waitForFinished(60000)) return {};
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace

TEST(Capture, OnePicturePerPage) {
  DossierTravail d;
  vider_reglages();
  const sortie s = astro({"--capture", "images"}, d.dossier());
  ASSERT_EQ(s.statut, 0) << s.err.toStdString();
  const QStringList attendus{"01-ephemerides.png",
                             "02-soleil-lune.png",
                             "02b-ce-soir.png",
                             "03-phases-lune.png",
                             "04-perigee-apogee.png",
                             "05-satellites-joviens.png",
                             "06-equation-du-temps.png",
                             "07-eclipses.png",
                             "08-phenomenes-planetaires.png",
                             "09-perihelie-aphelie.png",
                             "10-planetarium-heliocentrique.png",
                             "11-planetarium-geocentrique.png",
                             "12-cometes.png",
                             "13-precession.png",
                             "14-dates.png",
                             "15-impression.png",
                             "16-options.png"};
  const QDir images(d.chemin("images"));
  EXPECT_EQ(images.entryList(QDir::Files, QDir::Name), attendus);
  QImage premiere, derniere;
  for (const QString& f : attendus) {
    const QImage i(images.filePath(f));
    ASSERT_FALSE(i.isNull()) << f.toStdString();
    EXPECT_EQ(i.size(), QSize(almanax::ihm::largeur_conception, almanax::ihm::hauteur_conception)) << f.toStdString();
    if (premiere.isNull()) premiere = i;
    derniere = i;
  }
  EXPECT_NE(premiere, derniere);  // each picture shows its own page
  // As on a first start, but nothing written: no sites file, no settings.
  EXPECT_FALSE(QFile::exists(d.chemin("villes.dat")));
  const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  ASSERT_FALSE(config.isEmpty());
  EXPECT_FALSE(QDir(config + "/Quillory").exists());
  EXPECT_TRUE(s.out.isEmpty());
}

TEST(Capture, BadFolderIsRefused) {
  DossierTravail d;
  ecrire_fichier(d.chemin("fichier"), "x");
  const sortie s = astro({"--capture", "fichier"}, d.dossier());
  EXPECT_EQ(s.statut, 2);
  EXPECT_TRUE(QString::fromUtf8(s.err).contains("n'est pas un dossier")) << s.err.toStdString();
  EXPECT_TRUE(s.out.isEmpty());
  EXPECT_EQ(lire_fichier(d.chemin("fichier")), "x");

  const sortie sans = astro({"--capture"}, d.dossier());
  EXPECT_EQ(sans.statut, 2);
  EXPECT_TRUE(QString::fromUtf8(sans.err).contains("--capture attend le dossier"));

  const sortie trop = astro({"--capture", "images", "--json"}, d.dossier());
  EXPECT_EQ(trop.statut, 2);
  EXPECT_TRUE(QString::fromUtf8(trop.err).contains("argument inattendu"));
  EXPECT_FALSE(QFile::exists(d.chemin("images")));
}

TEST(Demarrage, NoDisplayToOpenTheWindowOn) {
  DossierTravail d;
  const sortie s = astro({}, d.dossier(), true);
  EXPECT_EQ(s.statut, 2);
  EXPECT_TRUE(QString::fromUtf8(s.err).contains("aucun affichage")) << s.err.toStdString();
  // --capture needs none.
  EXPECT_EQ(astro({"--capture", "images"}, d.dossier(), true).statut, 0);
}

// A disk that fills up during the pictures, and names that are not regular files: no
// truncated picture is left, a picture already there stays whole, and the program
// stops at once with status 2 and a French reason instead of waiting on a FIFO.
TEST(Capture, FullDiskAndOddNamesLeaveNothingHalfWritten) {
  DossierTravail d;
  vider_reglages();
  struct cas {
    const char* nom;
    std::function<void(const QString&)> preparer;  // on the first picture's name
    rlim_t limite;                                 // largest file the program may write
    const char* raison;
  };
  const QByteArray ancien = "ancienne image";
  const std::vector<cas> cas_essayes = {
      {"disque plein", [&](const QString& f) { ecrire_fichier(f, ancien); }, 4096, "dépasse la taille permise"},
      {"FIFO", [](const QString& f) { ::mkfifo(QFile::encodeName(f).constData(), 0600); }, RLIM_INFINITY,
       "n'est pas un fichier ordinaire"},
      {"dossier", [](const QString& f) { QDir().mkpath(f); }, RLIM_INFINITY, "n'est pas un fichier ordinaire"},
  };
  for (const cas& c : cas_essayes) {
    SCOPED_TRACE(c.nom);
    const QString dossier = d.chemin(QString::fromUtf8(c.nom).replace(' ', '-'));
    QDir().mkpath(dossier);
    const QString premiere = dossier + "/01-ephemerides.png";
    c.preparer(premiere);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(d.dossier());
    const rlim_t limite = c.limite;
    p.setChildProcessModifier([limite] {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit r{limite, limite};
      ::setrlimit(RLIMIT_FSIZE, &r);
    });
    p.start(QStringLiteral(ASTRO_EXE), {"--capture", dossier});
    const bool fini = p.waitForFinished(30000);
    if (!fini) p.kill(), p.waitForFinished();
    ASSERT_TRUE(fini) << "the capture waits instead of refusing";
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 2) << err.toStdString();
    EXPECT_TRUE(err.contains(c.raison)) << err.toStdString();
    EXPECT_TRUE(err.contains("01-ephemerides.png")) << err.toStdString();
    // Nothing else was written: no half picture, no file left beside.
    const QStringList restes =
        QDir(dossier).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(restes, QStringList{"01-ephemerides.png"});
    if (c.limite != RLIM_INFINITY) {
      EXPECT_EQ(lire_fichier(premiere), ancien);
    }
  }
}
