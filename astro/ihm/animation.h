// The stepping of the planetaria: "Manuel" makes one step per click; "Automatique"
// makes a step on every tick of a timer until it is stopped, so the window handles
// its events (the stop button, the date fields, a change of page) between two steps
// and a step never starts inside another one.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace almanax::ihm {

class Animation : public QObject {
  Q_OBJECT

 public:
  // Pause between two steps of an animation: with a step of about 1 ms, some 30
  // pictures a second.
  static constexpr int pause_ms = 30;

  // `pas` makes one step and redraws; false when no step could be made (a year limit).
  explicit Animation(std::function<bool()> pas, QObject* parent = nullptr);

  // One step, or an animation that runs until arreter().
  void demarrer(bool manuel);
  void arreter();
  bool en_cours() const { return minuterie_.isActive(); }

 signals:
  // The animation started (true) or stopped (false).
  void etat(bool en_cours);

 private:
  void tic();

  std::function<bool()> pas_;
  QTimer minuterie_;
};

}  // namespace almanax::ihm
