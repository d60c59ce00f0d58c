// Reading and writing whole files in the data-file tests.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace almanax::essais {

inline QByteArray lire(const QString& chemin) {
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

inline void ecrire(const QString& chemin, const QByteArray& contenu) {
  QFile f(chemin);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(contenu), contenu.size());
}

}  // namespace almanax::essais
