#include "ihm/animation.h"

namespace almanax::ihm {

Animation::Animation(std::function<bool()> pas, QObject* parent) : QObject(parent), pas_(std::move(pas)) {
  minuterie_.setInterval(pause_ms);
  connect(&minuterie_, &QTimer::timeout, this, &Animation::tic);
}

void Animation::demarrer(bool manuel) {
  if (en_cours()) return;
  if (manuel) {
    pas_();
    return;
  }
  minuterie_.start();
  emit etat(true);
}

void Animation::arreter() {
  if (!en_cours()) return;
  minuterie_.stop();
  emit etat(false);
}

void Animation::tic() {
  if (!pas_()) arreter();
}

}  // namespace almanax::ihm
