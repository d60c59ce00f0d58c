// The "Péri. et Apogée" page: the Moon's perigees and apogees over a span of years,
// with the parallax and the distance at each. The search is perigees_apogees; the
// list keeps the rows of every search until "&Efface".
#pragma once

#include "ihm/pages/page.h"

class QCheckBox;
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

  ModeleListe* modele() const { return modele_; }
  RechercheFond* recherche() const { return recherche_; }

 public slots:
  // "&OK": the search, off the window's thread.
  void lancer_recherche() { chercher(false); }
  void effacer() override;
  void copier() override;
  void verifier_ordre_annees();
  void valider_annees();

 private:
  void chercher(bool synchrone);

  AnneesRecherche* annees_ = nullptr;
  QCheckBox* case_perigees_ = nullptr;
  QCheckBox* case_apogees_ = nullptr;
  QPushButton* bouton_recherche_ = nullptr;
  QTreeView* liste_ = nullptr;
  ModeleListe* modele_ = nullptr;
  RechercheFond* recherche_ = nullptr;
};

}  // namespace almanax::ihm
