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
  void copier() override { copy_paClick(); }
  void effacer() override { BitBtn2Click(); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;

  ModeleListe* modele() const { return modele_; }
  RechercheFond* recherche() const { return recherche_; }

 public slots:
  // "&OK": the search, off the window's thread.
  void bt_apClick() { chercher(false); }
  void BitBtn2Click();
  void copy_paClick();
  void up_ap_anClick();
  void anequiExit();

 private:
  void chercher(bool synchrone);

  AnneesRecherche* annees_ = nullptr;
  QCheckBox* cplune_ = nullptr;
  QCheckBox* calune_ = nullptr;
  QPushButton* bt_ap_ = nullptr;
  QTreeView* lvpa_ = nullptr;
  ModeleListe* modele_ = nullptr;
  RechercheFond* recherche_ = nullptr;
};

}  // namespace almanax::ihm
