// The "Péri. et Aphélie" page: the passages of the planets through perihelion and
// aphelion over a span of years, with the distance to the Sun. The search is
// perihelies_aphelies.
#pragma once

#include <vector>

#include "ihm/pages/page_recherche_planetes.h"

namespace almanax::ihm {

class PagePerihelie : public PageRecherchePlanetes {
  Q_OBJECT

 public:
  explicit PagePerihelie(Contexte& contexte, QWidget* parent = nullptr);
  std::vector<annee_a_valider> annees_a_valider() const override;

  // Start-up: the search runs to its end before returning.
  void calculer() override { chercher(true); }
  void copier() override { copy_paplClick(); }
  void effacer() override { bt_erase_perihelieClick(); }

 public slots:
  // "&OK": the search, off the window's thread.
  void bt_perihelieClick() { chercher(false); }
  void bt_erase_perihelieClick() { vider(); }
  void copy_paplClick() { copier_liste(); }
  void up_an_helieClick() { verifier_ordre(); }
  void anequiExit() { sortir_annee(); }
};

}  // namespace almanax::ihm
