// One tab page of the main window. Each page owns its controls and handlers; the
// window only calls the hooks below: its compute, copy and clear buttons (start-up
// sequence, "Maintenant"), the start-up date and time, and the animation stop.
#pragma once

#include <QTime>
#include <QWidget>
#include <initializer_list>
#include <vector>

#include "ihm/contexte.h"
#include "ihm/controles/controles_dates.h"

class QTimeEdit;

namespace almanax::ihm {

// The time a "Maintenant" button sets: noon or midnight as chosen, or the present
// time when "Maintenant heure" is checked (that wins); with neither option, the time
// the picker holds.
QTime heure_du_bouton_maintenant(const options_dates& o, QTime presente, QTime actuelle);

class Page : public QWidget {
  Q_OBJECT

 public:
  // nom: the page's object name ("ephemeride"); legende: the tab's caption; capture:
  // the picture's file name without extension ("01-ephemerides").
  Page(Contexte& contexte, const QString& nom, const QString& legende, const QString& capture,
       QWidget* parent = nullptr);

  const QString& legende() const { return legende_; }
  const QString& nom_capture() const { return capture_; }

  // The page's compute button ("OK"): recomputes the page from its fields.
  virtual void calculer() {}
  // Its "&Copie" and "&Efface" buttons, for the start-up sequence.
  virtual void copier() {}
  virtual void effacer() {}
  // The button that gets the focus when the page is shown; none on pages without one.
  virtual QWidget* bouton_calcul() const { return nullptr; }
  // Stops a running animation (change of page, window deactivated).
  virtual void arreter_animation() {}
  // The current observing site changed (chosen, stored, modified or deleted on the
  // "Options" page): a page whose results depend on the site recomputes here.
  virtual void site_change() {}
  // Civil time was switched on or off, or its zone changed (Session::echelle): a page
  // that reads typed times or shows instants recomputes here.
  virtual void echelle_changee() {}
  // Start-up: the date spins take the start-up date (historical year), whatever the
  // options; when "Maintenant heure" is checked, the time pickers take the present time.
  virtual void poser_date_de_demarrage(const date_jma& /*date*/) {}
  virtual void poser_heure_de_demarrage(const QTime& /*heure*/) {}
  // The page's year fields that the window's year check reads, and the dates its
  // clamp keeps in range: which year or date each field is.
  virtual std::vector<annee_a_valider> annees_a_valider() const { return {}; }
  virtual std::vector<date_a_borner> dates_a_borner() const { return {}; }

 protected:
  // The "Maintenant" button of the page: the time picker gets noon, midnight or the
  // present time as the options say; with "Maintenant date" the date spins get the
  // start-up date; then the page recomputes, unless `recalculer` is false (the Dates
  // page only sets its fields).
  void maintenant(QTimeEdit* heure, bool recalculer = true);

  // The Tab key's order over the page's controls, in reading order: a page that builds
  // its controls in another order (the date fields first, a column built after its
  // neighbour) lists them here once its layout is made.
  static void ordre_tabulation(std::initializer_list<QWidget*> ordre);

  // A year field of this page as the year check takes it; `libelle` names it in the
  // messages ("Année de départ").
  annee_a_valider annee(champ_annee role, QWidget* champ, const QString& libelle) const;

  Contexte& contexte_;

 private:
  QString legende_;
  QString capture_;
};

}  // namespace almanax::ihm
