#include "ihm/pages/page_perihelie.h"

#include <QPushButton>

#include "calcul/pages/perihelie.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

namespace {

PageRecherchePlanetes::trouvees chercher(long long premiere, long long derniere, const std::vector<bool>& planetes,
                                         const std::string& separateur, const echelle_temps& echelle,
                                         const suivi_recherche& suivi) {
  return PageRecherchePlanetes::chercher_planetes<recherche_perihelies>(
      premiere, derniere, planetes,
      [&](const recherche_perihelies& d) { return perihelies_aphelies(d, separateur, suivi, echelle); },
      ligne_du_passage);
}

PageRecherchePlanetes::description description_perihelies() {
  PageRecherchePlanetes::description d{
      "periaphe",
      QStringLiteral("Péri. et Aphélie"),
      "09-perihelie-aphelie",
      {"e_an_helie", "up_an_helie", "e_an_helie2", "up_an_helie2"},
      true,
      "bt_perihelie",
      "perihelie",
      "bt_erase_perihelie",
      "copy_papl",
      {{QStringLiteral("Planètes"), 75, false, QStringLiteral("Saturne")},
       {QStringLiteral("Phénomènes"), 87, false, QStringLiteral("Périhélie")},
       {QStringLiteral("Dates"), 190, false, QStringLiteral(" 30 Septembre -0000 à 00 h ")},
       {QStringLiteral("UA"), 72, true, QStringLiteral("00,000000")}},
      {},
      chercher,
      copie_perihelies_avec_decalages,
      dater_ligne_perihelie};
  const char* const noms[] = {"c_me", "c_v", "c_t", "c_ma", "c_j", "c_s", "c_u", "c_n"};
  for (int p = 0; p < nombre_planetes_perihelie; ++p) {
    const auto pl = static_cast<planete_perihelie>(p);
    d.planetes.push_back({noms[p], image_perihelie(pl), QString::fromUtf8(nom_planete_perihelie(pl))});
  }
  d.premiere_annee = champ_annee::perihelies_debut;
  d.derniere_annee = champ_annee::perihelies_fin;
  return d;
}

}  // namespace

PagePerihelie::PagePerihelie(Contexte& contexte, QWidget* parent)
    : PageRecherchePlanetes(contexte, description_perihelies(), parent) {}

}  // namespace almanax::ihm
