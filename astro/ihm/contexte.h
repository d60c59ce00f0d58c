// What the main window offers its pages: the message and dialog services, the
// start-up date, the clock, and the session the pages share (the catalogues, the
// current observing site, the options). The pages know nothing else of the window, so
// each can be built and tested alone.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include "calcul/calendrier.h"
#include "donnees/session.h"

namespace almanax::ihm {

class Messages;
class Dialogues;
class VerificationsDates;

using almanax::options_dates;

class Contexte {
 public:
  virtual ~Contexte() = default;

  virtual Messages& messages() = 0;
  virtual Dialogues& dialogues() = 0;

  // The day the program was started (historical year), taken once for the whole run.
  virtual date_jma date_de_demarrage() const = 0;
  // The present clock time.
  virtual QTime heure_presente() const = 0;
  // The present instant (UTC): "Maintenant" in civil time reads it on the zone's clock.
  virtual QDateTime instant_present() const = 0;

  // What the pages share while the program runs: the sites and comets catalogues, the
  // current site (and as the Options page shows it, for the reports' site block), the
  // date and appearance options.
  virtual Session& session() = 0;

  // The shared exit checks of the date fields: the date clamp of the precession and
  // heliocentric pages and the validation of every year field, over the fields every
  // page declares; and the checks themselves, for a page's own day fields.
  virtual void borner_dates() = 0;
  virtual void valider_annees() = 0;
  virtual VerificationsDates& verifications() = 0;

  // Appends a page's report (its "&Copie") at the end of the collecting area of the
  // "Impression" page.
  virtual void ajouter_rapport(const QString& rapport) = 0;
};

}  // namespace almanax::ihm
