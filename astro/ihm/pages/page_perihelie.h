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

 public slots:
  // "&OK": the search, off the window's thread.
  void lancer_recherche() { chercher(false); }
  void effacer() override { vider(); }
  void copier() override { copier_liste(); }
  void verifier_ordre_annees() { verifier_ordre(); }
  void valider_annees() { sortir_annee(); }
};

}  // namespace almanax::ihm
