// What the widget tests share: a context for pages tested alone, a temporary working
// directory, the settings store emptied, and small helpers.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
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
  ContexteTest() = default;
  // Another window's context, with a session of its own, whose messages are recorded
  // with those of `meme_messages`.
  explicit ContexteTest(ContexteTest& meme_messages)
      : verifications_(meme_messages.messages_), autre_(&meme_messages) {}

  Messages& messages() override { return autre_ ? autre_->messages_ : messages_; }
  Dialogues& dialogues() override { return dialogues_; }
  date_jma date_de_demarrage() const override { return demarrage; }
  QTime heure_presente() const override { return present; }
  QDateTime instant_present() const override { return instant; }
  Session& session() override { return session_; }
  void borner_dates() override {}
  void valider_annees() override { ++validations_annees; }
  VerificationsDates& verifications() override { return verifications_; }
  void ajouter_rapport(const QString& rapport) override { rapports.push_back(rapport); }

  MessagesEnregistres messages_;
  DialoguesEnregistres dialogues_;
  Session session_;
  VerificationsDates verifications_{messages_};
  date_jma demarrage{14, 7, 2024};
  QTime present{21, 4, 5};
  QDateTime instant{QDate(2024, 7, 14), QTime(19, 4, 5), QTimeZone::utc()};
  int validations_annees = 0;
  std::vector<QString> rapports;  // the reports copied, in order

 private:
  ContexteTest* autre_ = nullptr;
};

// The lists of sites and comets, shown by views on the session's models.
inline int lignes(const QListView* l) {
  return l->model()->rowCount();
}
inline QString texte_ligne(const QListView* l, int ligne) {
  return l->model()->index(ligne, 0).data().toString();
}
inline int ligne_courante(const QListView* l) {
  return l->currentIndex().isValid() ? l->currentIndex().row() : -1;
}
inline void choisir_ligne(QListView* l, int ligne) {
  l->setCurrentIndex(l->model()->index(ligne, 0));
}
// The rows of that text.
inline std::vector<int> lignes_de(const QListView* l, const QString& texte) {
  std::vector<int> r;
  for (int i = 0; i < lignes(l); ++i)
    if (texte_ligne(l, i) == texte) r.push_back(i);
  return r;
}

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
  // The data files the window creates land there too, as in a working directory that
  // holds them.
  DossierTravail() : avant_(QDir::currentPath()), donnees_avant_(qgetenv("ALMANAX_DONNEES")) {
    QDir::setCurrent(dossier_.path());
    qputenv("ALMANAX_DONNEES", dossier_.path().toLocal8Bit());
  }
  ~DossierTravail() {
    QDir::setCurrent(avant_);
    if (donnees_avant_.isNull())
      qunsetenv("ALMANAX_DONNEES");
    else
      qputenv("ALMANAX_DONNEES", donnees_avant_);
  }
  QString chemin(const QString& fichier) const { return dossier_.filePath(fichier); }
  QString dossier() const { return dossier_.path(); }

 private:
  QTemporaryDir dossier_;
  QString avant_;
  QByteArray donnees_avant_;
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
