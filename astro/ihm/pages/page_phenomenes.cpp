#include "ihm/pages/page_phenomenes.h"

#include <QPushButton>

#include "calcul/pages/phenomene.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

namespace {

PageRecherchePlanetes::trouvees chercher(long long premiere, long long derniere, const std::vector<bool>& planetes,
                                         const std::string& /*separateur*/, const echelle_temps& echelle,
                                         const suivi_recherche& suivi) {
  return PageRecherchePlanetes::chercher_planetes<recherche_phenomenes>(
      premiere, derniere, planetes,
      [&](const recherche_phenomenes& d) { return phenomenes_planetaires(d, suivi, echelle); }, ligne_du_phenomene);
}

PageRecherchePlanetes::description description_phenomenes() {
  PageRecherchePlanetes::description d{
      "phepla",
      QStringLiteral("Phénomènes Planétaires"),
      "08-phenomenes-planetaires",
      {"an_phe", "up_an_phe", "an_phe2", "up_an_phe2"},
      false,
      "b_pheno",
      "pheno",
      "phe_erase",
      "copy_phpl",
      {{QStringLiteral("Planètes"), 75, false, QStringLiteral("Saturne")},
       {QStringLiteral("Phénomènes"), 147, false, QStringLiteral("Conjonction supérieure")},
       {QStringLiteral("Dates"), 190, false, QStringLiteral(" 30 Septembre -0000 à 00 h ")}},
      {},
      chercher,
      copie_phenomenes_avec_decalages,
      dater_ligne_phenomene};
  const char* const noms[] = {"ph_me", "ph_v", "ph_ma", "ph_j", "ph_s", "ph_u", "ph_n"};
  for (int p = 0; p < nombre_planetes_phenomene; ++p) {
    const auto pl = static_cast<planete_phenomene>(p);
    d.planetes.push_back({noms[p], image_phenomene(pl), QString::fromUtf8(nom_planete_phenomene(pl))});
  }
  d.premiere_annee = champ_annee::phenomenes_debut;
  d.derniere_annee = champ_annee::phenomenes_fin;
  return d;
}

}  // namespace

PagePhenomenes::PagePhenomenes(Contexte& contexte, QWidget* parent)
    : PageRecherchePlanetes(contexte, description_phenomenes(), parent) {}

}  // namespace almanax::ihm
