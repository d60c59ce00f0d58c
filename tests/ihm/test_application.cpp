#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <memory>

#include "ihm/application.h"

TEST(TraductionsBoiteAOutils, StandardMenusInFrench) {
  const QString fichier = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm";
  if (!QFile::exists(fichier)) GTEST_SKIP() << "traductions absentes : " << fichier.toStdString();
  QTranslator* traducteur = almanax::ihm::installer_traductions_boite_a_outils();
  ASSERT_NE(traducteur, nullptr);
  QLineEdit edition;
  const std::unique_ptr<QMenu> menu(edition.createStandardContextMenu());
  const QString premier = menu->actions().value(0) ? menu->actions().value(0)->text() : QString();
  QCoreApplication::removeTranslator(traducteur);
  delete traducteur;
  EXPECT_TRUE(premier.startsWith("&Annuler")) << premier.toStdString();
}
