#include "ihm/pages/page_phenomenes.h"

#include <QPushButton>

#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/phenomene.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

namespace {

PageRecherchePlanetes::trouvees chercher(long long premiere, long long derniere, const std::vector<bool>& planetes,
                                         const std::string& /*separateur*/, const echelle_temps& echelle,
                                         const suivi_recherche& suivi) {
  return PageRecherchePlanetes::chercher_planetes<recherche_phenomenes>(
      premiere, derniere, planetes,
      [&](const recherche_phenomenes& d) { return phenomenes_planetaires(d, suivi, echelle); }, ligne_du_phenomene,
      [](const phenomene_trouve& p) {
        return ModeleListe::instant_ligne{p.jde, p.decalage, static_cast<std::int16_t>(p.genre),
                                          static_cast<std::int16_t>(p.planete), static_cast<double>(p.k)};
      });
}

// The phenomena as the search gave them, from the rows shown.
std::vector<evenement_calendrier> calendrier(const ModeleListe& modele) {
  std::vector<phenomene_trouve> phenomenes(modele.instants().size());
  for (std::size_t r = 0; r < phenomenes.size(); ++r) {
    const ModeleListe::instant_ligne& i = modele.instants()[r];
    ligne_liste l = modele.ligne(r);
    phenomene_trouve& p = phenomenes[r];
    p.planete = static_cast<planete_phenomene>(i.corps);
    p.genre = static_cast<genre_phenomene>(i.genre);
    p.k = static_cast<long long>(i.k);
    p.jde = i.jde;
    p.decalage = i.decalage;
    p.nom_planete = std::move(l.libelle);
    p.phenomene = std::move(l.colonnes.at(0));
    p.date = std::move(l.colonnes.at(1));
  }
  return calendrier_phenomenes(phenomenes);
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
      "export_phenomenes",
      QStringLiteral("Enregistre les phénomènes de la liste, ceux que « Copie » copie,"),
      QStringLiteral("Exporter les phénomènes planétaires"),
      {{QStringLiteral("Planètes"), 75, false, QStringLiteral("Saturne")},
       {QStringLiteral("Phénomènes"), 147, false, QStringLiteral("Conjonction supérieure")},
       {QStringLiteral("Dates"), 190, false, QStringLiteral(" 30 Septembre -0000 à 00 h ")}},
      {},
      chercher,
      copie_phenomenes_avec_decalages,
      dater_ligne_phenomene,
      calendrier};
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
