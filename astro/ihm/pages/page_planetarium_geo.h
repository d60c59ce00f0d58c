// The "Plan. géocentrique" page: the Sun, the Moon and the planets on a strip map of
// right ascension and declination, with stepping and animation.
#pragma once

#include <optional>

#include "calcul/pages/planetarium.h"
#include "ihm/pages/page_planetarium.h"

namespace almanax::ihm {

class PagePlanetariumGeo : public PagePlanetarium {
  Q_OBJECT

 public:
  explicit PagePlanetariumGeo(Contexte& contexte, QWidget* parent = nullptr);

  // The last drawing and the body selected (index 0..9), if any.
  const resultat_geo& resultat() const { return resultat_; }
  std::optional<int> corps_choisi() const { return choisi_; }

 public slots:
  void dessiner() override;
  void pas_date(almanax::sens_pas sens);
  void cliquer(QPoint p) override;

 protected:
  bool faire_pas(sens_pas sens) override;

 private:
  void afficher_panneau();

  QLabel* nom_corps_ = nullptr;
  QLabel* legende_alpha_ = nullptr;
  QLabel* legende_delta_ = nullptr;
  QLabel* ascension_droite_ = nullptr;
  QLabel* declinaison_ = nullptr;
  QLabel* jour_julien_ = nullptr;
  resultat_geo resultat_;
  std::optional<int> choisi_ = static_cast<int>(corps_geo::mars);
};

}  // namespace almanax::ihm
