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
  void dessiner() override;
  void pas_date(almanax::sens_pas sens);
  void cliquer(QPoint p) override;

 protected:
  bool faire_pas(sens_pas sens) override;

 private:
  void afficher_panneau();

  QFrame* panneau_planete_ = nullptr;
  QLabel* nom_planete_ = nullptr;
  QLabel* longitude_ = nullptr;
  QLabel* rayon_ = nullptr;
  resultat_helio resultat_;
  std::optional<int> choisie_;
};

}  // namespace almanax::ihm
