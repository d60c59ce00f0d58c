// The "Péri. et Apogée" page: the Moon's perigees and apogees over a span of years,
// with the parallax and the distance at each. The search is perigees_apogees; the
// list keeps the rows of every search until "&Efface".
#pragma once

#include "ihm/pages/page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace almanax::ihm {

class AnneesRecherche;
class ModeleListe;
class RechercheFond;

class PagePerigeeApogee : public Page {
  Q_OBJECT

 public:
  explicit PagePerigeeApogee(Contexte& contexte, QWidget* parent = nullptr);

  // Start-up: the search runs to its end before returning.
  void calculer() override { chercher(true); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  // Civil time on or off, or another zone: the rows shown again on the new clock (the
  // same passes: the years are those of TT); a search under way starts again.
  void echelle_changee() override;

  ModeleListe* modele() const { return modele_; }
  RechercheFond* recherche() const { return recherche_; }

 public slots:
  // "&OK": the search, off the window's thread.
  void lancer_recherche() { chercher(false); }
  void effacer() override;
  void copier() override;
  // "Expor&ter…": the list's rows, those the copy takes, as a calendar file.
  void exporter();
  void verifier_ordre_annees();
  void valider_annees();

 private:
  void chercher(bool synchrone);
  // The list's clock and the offsets of its rows, as the session's scale says.
  void montrer_echelle();

  AnneesRecherche* annees_ = nullptr;
  QCheckBox* case_perigees_ = nullptr;
  QCheckBox* case_apogees_ = nullptr;
  QPushButton* bouton_recherche_ = nullptr;
  QTreeView* liste_ = nullptr;
  ModeleListe* modele_ = nullptr;
  RechercheFond* recherche_ = nullptr;
  QLabel* mention_ = nullptr;  // civil time: which clock the list's times are on
};

}  // namespace almanax::ihm
