// The long event searches of the pages run off the window's thread: the window keeps
// repainting, a progress bar on the page moves, and the search can be cancelled (its
// button, Échap, a change of the page's inputs). The page's "&OK" is disabled while a
// search runs. A search's result reaches the page only when it ran to its end, so a
// cancelled search leaves the page exactly as it was.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "calcul/recherche.h"

class QLayout;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
class QWidget;

namespace almanax::ihm {

class AnneesRecherche;

// The layout the search pages share: the years, the page's choices, "&OK" and the
// progress bar on top; an optional row below them; the results; an optional text at
// the bottom left, "&Efface", "&Copie" and "Expor&ter…" at the bottom right.
struct disposition_recherche {
  AnneesRecherche* annees = nullptr;
  QString legende_fin = QStringLiteral("A :");
  std::vector<QWidget*> choix;
  QLayout* sous_les_annees = nullptr;
  QWidget* resultats = nullptr;
  QPushButton* efface = nullptr;
  QPushButton* copie = nullptr;
  QPushButton* exporter = nullptr;
  QWidget* mention = nullptr;  // bottom left: which clock the results are on, when it says
};

class RechercheFond : public QObject {
  Q_OBJECT

 public:
  // page: the page whose Échap cancels; ok: its compute button.
  RechercheFond(QWidget* page, QPushButton* ok);
  // A search still running is cancelled and its thread joined (window closed).
  ~RechercheFond() override;

  // The progress bar with its "Annuler" button, shown only while a search runs; the
  // page puts it in its layout.
  QWidget* barre() const { return barre_; }
  QProgressBar* progression() const { return progression_; }
  // Lays the page out (see disposition_recherche), with this search's bar.
  void disposer(const disposition_recherche& d);
  bool en_cours() const { return fil_ != nullptr; }

  // Runs `travail` on a worker thread (a running search is cancelled first); when it
  // returns without having been cancelled, `fin` gets its result on the window's thread.
  // With `attendre`, both run on the calling thread before lancer returns: the start-up
  // sequence and the pictures of --capture need the page filled.
  template <class R>
  void lancer(std::function<R(const suivi_recherche&)> travail, std::function<void(R&&)> fin, bool attendre = false) {
    if (attendre) {
      annuler();
      fin(travail(suivi_recherche{}));
      return;
    }
    auto resultat = std::make_shared<std::optional<R>>();
    demarrer([travail = std::move(travail), resultat](const suivi_recherche& s) { *resultat = travail(s); },
             [fin = std::move(fin), resultat] {
               if (*resultat) fin(std::move(**resultat));
             });
  }

 public slots:
  // Stops the running search, if any, and waits for its thread (a few milliseconds:
  // the searches look at the flag between candidates).
  void annuler();

 signals:
  void demarree();
  // The search ended, completed or cancelled; the page's controls are enabled again.
  void arretee();

 private:
  void demarrer(std::function<void(const suivi_recherche&)> travail, std::function<void()> fin);
  void terminer(unsigned generation);
  void liberer();
  void montrer_avance();

  QPushButton* ok_;
  QWidget* barre_;
  QProgressBar* progression_;
  QPushButton* annuler_;
  QTimer* minuterie_;
  QThread* fil_ = nullptr;
  std::function<void()> fin_;
  // Shared with the worker thread.
  std::shared_ptr<std::atomic<bool>> annulee_;
  std::shared_ptr<std::atomic<int>> avance_;  // thousandths
  unsigned generation_ = 0;                   // a finished signal of an older search is ignored
};

}  // namespace almanax::ihm
