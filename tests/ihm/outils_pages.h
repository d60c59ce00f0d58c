// What the tests of the computing pages share: finding a control by name, typing into
// a date field through its key filter, leaving a field, running the command line.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include "calcul/site.h"
#include "ihm/controles/edition_spin.h"
#include "outils_ihm.h"

namespace almanax::ihm::test {

template <class T>
T* controle(const QWidget& page, const char* nom) {
  T* t = page.findChild<T*>(QString::fromLatin1(nom));
  EXPECT_NE(t, nullptr) << nom;
  return t;
}

inline QString etiquette(const QWidget& page, const char* nom) {
  const QLabel* l = controle<QLabel>(page, nom);
  return l ? l->text() : QString();
}

// Replaces the text of the edit by typing it (the key filter sees every key).
inline void taper(EditionSpin* e, const QString& texte) {
  e->edition()->selectAll();
  QTest::keyClicks(e, texte);
}

inline QString texte_edition(const QWidget& page, const char* nom) {
  const EditionSpin* e = controle<EditionSpin>(page, nom);
  return e ? e->edition()->text() : QString();
}

// The first and last years of a search page, by their spins' positions.
inline void poser_annees(QWidget& p, const char* debut, const char* fin, int d, int f) {
  controle<EditionSpin>(p, debut)->setPosition(d);
  controle<EditionSpin>(p, fin)->setPosition(f);
}

// A context at a site given by its coordinates, as the command line's --lat and --lon.
inline site_nomme site_essai() {
  site_nomme s;
  s.nom = "Votre site";
  s.latitude = 48.8333L;
  s.longitude = 2.35L;
  return s;
}

inline void placer_site(ContexteTest& c, const site_nomme& s) {
  c.session_.poser_site(site_courant_de(s));
  c.session_.poser_site_affiche(champs_du_site(s));
}

// The locale of the numbers shown, for one test.
class LocaleTemporaire {
 public:
  explicit LocaleTemporaire(const QLocale& l) : avant_(QLocale()) { QLocale::setDefault(l); }
  ~LocaleTemporaire() { QLocale::setDefault(avant_); }

 private:
  QLocale avant_;
};

// Runs the built program with a point as decimal separator; its standard output.
inline QByteArray ligne_de_commande(const QStringList& arguments) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(ASTRO_EXE), arguments);
  if (!p.waitForFinished(60000)) return {};
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  return p.readAllStandardOutput();
}

}  // namespace almanax::ihm::test
