// The long event searches of the pages run off the window's thread: the window keeps
// repainting, a progress bar on the page moves, and the search can be cancelled (its
// button, Échap, a change of the page's inputs). The page's "&OK" is disabled while a
// search runs. A search's result reaches the page only when it ran to its end, so a
// cancelled search leaves the page exactly as it was.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "calcul/recherche.h"

class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
class QWidget;

namespace almanax::ihm {

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
  bool en_cours() const { return fil_ != nullptr; }

  // Runs `travail` on a worker thread (a running search is cancelled first); when it
  // returns without having been cancelled, `fin` gets its result on the window's thread.
  template <class R>
  void lancer(std::function<R(const suivi_recherche&)> travail, std::function<void(R&&)> fin) {
    auto resultat = std::make_shared<std::optional<R>>();
    demarrer([travail = std::move(travail), resultat](const suivi_recherche& s) { *resultat = travail(s); },
             [fin = std::move(fin), resultat] {
               if (*resultat) fin(std::move(**resultat));
             });
  }

  // The same on the calling thread, to its end: the start-up sequence and the pictures
  // of --capture need the page filled when it returns.
  template <class R>
  void executer(const std::function<R(const suivi_recherche&)>& travail, const std::function<void(R&&)>& fin) {
    annuler();
    fin(travail(suivi_recherche{}));
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
