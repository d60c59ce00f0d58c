// The "Phénomènes Planétaires" page: conjunctions and oppositions of the planets over a
// span of years. The search is phenomenes_planetaires.
#pragma once

#include <vector>

#include "ihm/pages/page_recherche_planetes.h"

namespace almanax::ihm {

class PagePhenomenes : public PageRecherchePlanetes {
  Q_OBJECT

 public:
  explicit PagePhenomenes(Contexte& contexte, QWidget* parent = nullptr);
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
