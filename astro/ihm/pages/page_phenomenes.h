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
  void copier() override { copy_phplClick(); }
  void effacer() override { phe_eraseClick(); }

 public slots:
  // "&OK": the search, off the window's thread.
  void b_phenoClick() { chercher(false); }
  void phe_eraseClick() { vider(); }
  void copy_phplClick() { copier_liste(); }
  void up_an_pheClick() { verifier_ordre(); }
  void anequiExit() { sortir_annee(); }
};

}  // namespace almanax::ihm
