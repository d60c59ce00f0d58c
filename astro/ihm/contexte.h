// What the main window offers its pages: the message and dialog services, the
// start-up date, the date options of the Options page, the clock and the current
// observing site. The pages know nothing else of the window, so each can be built
// and tested alone.
#pragma once

#include <QString>
#include <QTime>

#include "calcul/calendrier.h"
#include "calcul/site.h"

namespace almanax::ihm {

class Messages;
class Dialogues;
class VerificationsDates;

// The "Dates et heures" options: the time and date the "Maintenant" buttons set.
struct options_dates {
  bool heure_actuelle = true;  // "Maintenant heure": the present time wins
  bool date_du_jour = true;    // "Maintenant date": the date spins get the start-up date
  bool midi = true;            // "Midi": 12:00:00
  bool minuit = false;         // "Minuit": 00:00:00
};

class Contexte {
 public:
  virtual ~Contexte() = default;

  virtual Messages& messages() = 0;
  virtual Dialogues& dialogues() = 0;

  // The day the program was started (historical year), taken once for the whole run.
  virtual date_jma date_de_demarrage() const = 0;
  virtual options_dates options() const = 0;
  // The present clock time.
  virtual QTime heure_presente() const = 0;

  // The current observing site, and the site as the Options page shows it (name,
  // degrees, minutes, seconds and letters) for the reports' site block.
  virtual site_courant site() const = 0;
  virtual champs_site site_affiche() const = 0;

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
