// The "Plan. héliocentrique" page: the map of the planets around the Sun, with stepping and animation.
#pragma once

#include <optional>
#include <vector>

#include "calcul/pages/planetarium.h"
#include "ihm/pages/page_planetarium.h"

class QFrame;

namespace almanax::ihm {

class PagePlanetariumHelio : public PagePlanetarium {
  Q_OBJECT

 public:
  explicit PagePlanetariumHelio(Contexte& contexte, QWidget* parent = nullptr);
  std::vector<annee_a_valider> annees_a_valider() const override;
  std::vector<date_a_borner> dates_a_borner() const override;

  // The last drawing and the planet selected (index 0..8), if any.
  const resultat_helio& resultat() const { return resultat_; }
  std::optional<int> planete_choisie() const { return choisie_; }

 public slots:
  void b_helioClick();
  void up_an_helioClick(almanax::sens_pas sens);
  void h_jourExit();
  void anequiExit();
  void pb_helioMouseDown(QPoint p);

 protected:
  void dessiner() override { b_helioClick(); }
  bool faire_pas(sens_pas sens) override;
  void cliquer(QPoint p) override { pb_helioMouseDown(p); }

 private:
  void afficher_panneau();

  QFrame* pinfoh_ = nullptr;
  QLabel* lbnomh_ = nullptr;
  QLabel* llh_ = nullptr;
  QLabel* lrh_ = nullptr;
  resultat_helio resultat_;
  std::optional<int> choisie_;
};

}  // namespace almanax::ihm
