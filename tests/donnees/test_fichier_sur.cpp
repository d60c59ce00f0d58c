// Safe data-file I/O facing what is not a plain file. (Short writes and a full disk
// are tried through the sites file, in test_villes.cpp.)
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "donnees/fichier_sur.h"
#include "enfant.h"

namespace almanax {
namespace {

TEST(FichierSur, CeQuiNEstPasUnFichierNiLuNiRemplace) {
  QTemporaryDir d;
  const QString fifo = d.filePath("tube.dat");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QDir(d.path()).mkdir("dossier.dat"));
  ASSERT_EQ(ecrire_fichier_sur(d.filePath("simple"), "x"), "");
  // Reading a FIFO with no writer would wait forever: the child must be quick.
  const auto issue = test::dans_un_enfant([&] {
    std::string r;
    for (const QString& c : {fifo, d.filePath("dossier.dat"), QStringLiteral("/dev/zero")})
      r += lire_fichier_sur(c).erreur + "\n";
    return r + (lire_fichier_sur(d.filePath("simple"), 0).erreur);
  });
  ASSERT_TRUE(issue.a_temps) << "lecture bloquée";
  EXPECT_NE(issue.sortie.find("tube.dat » n'est pas lu : ce n'est pas un fichier ordinaire.\n"), std::string::npos);
  EXPECT_EQ(issue.sortie.find("\n\n"), std::string::npos) << issue.sortie;
  EXPECT_NE(issue.sortie.find("sa taille (1 octets) dépasse la limite de 0 octets."), std::string::npos);

  for (const QString& c : {fifo, d.filePath("dossier.dat")})
    EXPECT_NE(ecrire_fichier_sur(c, "y").find("ce n'est pas un fichier ordinaire"), std::string::npos);
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_NE(ecrire_fichier_sur(d.filePath("simple/x.dat"), "y").find("simple » n'est pas un dossier."),
            std::string::npos);
  EXPECT_NE(ecrire_fichier_sur(d.filePath("parti/x.dat"), "y").find("parti » n'existe pas."), std::string::npos);
}

}  // namespace
}  // namespace almanax
