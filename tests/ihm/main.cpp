// The widget tests run on the offscreen platform, in a French locale, with the
// settings store and the working directory in temporary folders: never the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir maison;
  if (!maison.isValid()) return 1;
  qputenv("HOME", maison.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (maison.path() + "/config").toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", maison.path().toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
