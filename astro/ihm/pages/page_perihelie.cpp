#include "ihm/pages/page_perihelie.h"

#include <QPushButton>

#include "calcul/pages/calendrier_evenements.h"
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
      ligne_du_passage,
      [](const passage_perihelie& p) {
        return ModeleListe::instant_ligne{p.jde, p.decalage, static_cast<std::int16_t>(p.aphelie),
                                          static_cast<std::int16_t>(p.planete), static_cast<double>(p.k)};
      });
}

// The passages as the search gave them, from the rows shown.
std::vector<evenement_calendrier> calendrier(const ModeleListe& modele) {
  std::vector<passage_perihelie> passages(modele.instants().size());
  for (std::size_t r = 0; r < passages.size(); ++r) {
    const ModeleListe::instant_ligne& i = modele.instants()[r];
    ligne_liste l = modele.ligne(r);
    passage_perihelie& p = passages[r];
    p.planete = static_cast<planete_perihelie>(i.corps);
    p.aphelie = i.genre != 0;
    p.k = i.k;
    p.jde = i.jde;
    p.decalage = i.decalage;
    p.nom_planete = std::move(l.libelle);
    p.passage = std::move(l.colonnes.at(0));
    p.date = std::move(l.colonnes.at(1));
    p.texte_rayon = std::move(l.colonnes.at(2));
  }
  return calendrier_perihelies(passages);
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
      "export_perihelies",
      QStringLiteral("Enregistre les passages de la liste, ceux que « Copie » copie,"),
      QStringLiteral("Exporter les périhélies et aphélies"),
      {{QStringLiteral("Planètes"), 75, false, QStringLiteral("Saturne")},
       {QStringLiteral("Phénomènes"), 87, false, QStringLiteral("Périhélie")},
       {QStringLiteral("Dates"), 190, false, QStringLiteral(" 30 Septembre -0000 à 00 h ")},
       {QStringLiteral("UA"), 72, true, QStringLiteral("00,000000")}},
      {},
      chercher,
      copie_perihelies_avec_decalages,
      dater_ligne_perihelie,
      calendrier};
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
