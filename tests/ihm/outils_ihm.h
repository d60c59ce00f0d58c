// What the widget tests share: a context for pages tested alone, a temporary working
// directory, the settings store emptied, and small helpers.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

#include "ihm/contexte.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/fenetre_principale.h"
#include "ihm/messages.h"

namespace almanax::ihm::test {

class ContexteTest : public Contexte {
 public:
  Messages& messages() override { return messages_; }
  Dialogues& dialogues() override { return dialogues_; }
  date_jma date_de_demarrage() const override { return demarrage; }
  options_dates options() const override { return options_; }
  QTime heure_presente() const override { return present; }
  site_courant site() const override { return site_; }
  champs_site site_affiche() const override { return site_affiche_; }
  void borner_dates() override {}
  void valider_annees() override { ++validations_annees; }
  VerificationsDates& verifications() override { return verifications_; }
  void ajouter_rapport(const QString& rapport) override { rapports.push_back(rapport); }

  MessagesEnregistres messages_;
  DialoguesEnregistres dialogues_;
  VerificationsDates verifications_{messages_};
  options_dates options_;
  date_jma demarrage{14, 7, 2024};
  QTime present{21, 4, 5};
  site_courant site_;
  champs_site site_affiche_;
  int validations_annees = 0;
  std::vector<QString> rapports;  // the reports copied, in order
};

// The main window as at start-up, its messages and dialogues recorded by the test.
inline std::unique_ptr<FenetrePrincipale> fenetre_de_test(MessagesEnregistres& messages,
                                                          DialoguesEnregistres& dialogues) {
  FenetrePrincipale::parametres p;
  p.messages = &messages;
  p.dialogues = &dialogues;
  return std::make_unique<FenetrePrincipale>(p);
}

// A temporary working directory for the test's lifetime; the previous one comes back after.
class DossierTravail {
 public:
  DossierTravail() : avant_(QDir::currentPath()) { QDir::setCurrent(dossier_.path()); }
  ~DossierTravail() { QDir::setCurrent(avant_); }
  QString chemin(const QString& fichier) const { return dossier_.filePath(fichier); }
  QString dossier() const { return dossier_.path(); }

 private:
  QTemporaryDir dossier_;
  QString avant_;
};

inline void vider_reglages() {
  QSettings s(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
  s.clear();
  s.sync();
}

inline QByteArray lire_fichier(const QString& chemin) {
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

inline void ecrire_fichier(const QString& chemin, const QByteArray& contenu) {
  QFile f(chemin);
  if (f.open(QIODevice::WriteOnly)) f.write(contenu);
}

// Shows the window and makes it the active one, so keys and focus behave as on screen.
inline bool activer(QWidget& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

}  // namespace almanax::ihm::test
