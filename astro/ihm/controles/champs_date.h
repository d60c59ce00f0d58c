// The date fields of a computing page: day, month and year edits, each with its
// up-down, built and filtered the same way on every page. The page connects the
// arrows (EditionSpin::clic) to its spin handler, which calls normaliser() and then
// recomputes, the day's exit to verifier_jour() and the year's exit to the window's
// year validation.
#pragma once

#include <QString>
#include <functional>

#include "calcul/calendrier.h"
#include "calcul/pages/dates.h"

class QGridLayout;
class QObject;
class QTimeEdit;
class QWidget;

namespace almanax::ihm {

class EditionSpin;
class VerificationsDates;

// The names of the three edits and of their up-downs ("e_jour", "up_jour", ...).
struct noms_champs_date {
  const char* jour;
  const char* fleches_jour;
  const char* mois;
  const char* fleches_mois;
  const char* an;
  const char* fleches_an;
};

class ChampsDate {
 public:
  // Day 0..32, month 0..13 (one past each end, for the arrows' carries), year
  // -4713..9999 (historical, going round at the ends when annee_en_boucle).
  ChampsDate(const noms_champs_date& noms, const date_jma& defaut, bool annee_en_boucle, QWidget* parent);

  EditionSpin* jour() const { return jour_; }
  EditionSpin* mois() const { return mois_; }
  EditionSpin* an() const { return an_; }

  // The three positions (historical year).
  date_jma date() const;
  // Shows a date in the three fields.
  void poser(const date_jma& d);

  // After an arrow moved one field: month and year carried, year 0 and the days
  // 5..14 October 1582 skipped in the direction of the click, the day brought into
  // its month; the date is shown again. The arrows stop at 1/1/-4713 and 31/12/9999.
  void normaliser(sens_pas sens);

  // The date a computation takes. A date the calendar lacks (typed day past the
  // month's end, month 0 or 13, year 0) is normalised forward first and shown, so the
  // fields always show the date computed; a day dropped in October 1582 is taken as
  // the 4th (5..9) or the 15th (10..14).
  date_jma date_a_calculer();
  // That date with the time of the picker `heure` (milliseconds included).
  instant_saisi instant_a_calculer(const QTimeEdit* heure);

  // On leaving the day field: the day limited to its month, a French message when a
  // field holds no whole number.
  void verifier_jour(VerificationsDates& verifications);

  // The handlers of a page's date: an arrow of any field steps the date (`pas`), leaving
  // the day checks it; with `valider_annees`, leaving the year runs the window's year check.
  void relier(QObject* page, const std::function<void(sens_pas)>& pas, VerificationsDates& verifications,
              const std::function<void()>& valider_annees = {});

  // "Jour" [day] "Mois" [month] "Année" [year] "Heure" [time] on one row of `grille`.
  void disposer(QGridLayout* grille, int ligne, QTimeEdit* heure) const;

 private:
  EditionSpin* jour_;
  EditionSpin* mois_;
  EditionSpin* an_;
};

// A time picker showing hours, minutes and seconds.
QTimeEdit* selecteur_heure(const char* nom, QWidget* parent);

}  // namespace almanax::ihm
