#include "ihm/page_perihelie.h"

#include <QPushButton>

#include "calcul/perihelie.h"
#include "ihm/edition_spin.h"

namespace almanax::ihm {

namespace {

PageRecherchePlanetes::trouvees chercher(long long premiere, long long derniere, const std::vector<bool>& planetes,
                                          const std::string& separateur, const suivi_recherche& suivi) {
  recherche_perihelies r;
  r.premiere_annee = premiere;
  r.derniere_annee = derniere;
  for (std::size_t p = 0; p < r.planetes.size() && p < planetes.size(); ++p) r.planetes[p] = planetes[p];
  const resultat_perihelies res = perihelies_aphelies(r, separateur, suivi);
  PageRecherchePlanetes::trouvees t;
  t.message = res.message;
  if (res.interrompue) return t;
  t.lignes.reserve(res.lignes.size());
  for (const passage_perihelie& p : res.lignes) t.lignes.push_back(ModeleListe::compacter(ligne_du_passage(p)));
  return t;
}

PageRecherchePlanetes::description description_perihelies() {
  PageRecherchePlanetes::description d{"periaphe",
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
                                        {QStringLiteral("Dates"), 190, false,
                                         QStringLiteral(" 30 Septembre -0000 à 00 h ")},
                                        {QStringLiteral("UA"), 72, true, QStringLiteral("00,000000")}},
                                       {},
                                       chercher,
                                       copie_perihelies};
  const char* const noms[] = {"c_me", "c_v", "c_t", "c_ma", "c_j", "c_s", "c_u", "c_n"};
  for (int p = 0; p < nombre_planetes_perihelie; ++p) {
    const auto pl = static_cast<planete_perihelie>(p);
    d.planetes.push_back({noms[p], image_perihelie(pl), QString::fromUtf8(nom_planete_perihelie(pl))});
  }
  return d;
}

}  // namespace

PagePerihelie::PagePerihelie(Contexte& contexte, QWidget* parent)
    : PageRecherchePlanetes(contexte, description_perihelies(), parent) {
  for (EditionSpin* e : {annees()->debut(), annees()->fin()}) {
    connect(e, &EditionSpin::clic, this, &PagePerihelie::up_an_helieClick);
    connect(e, &EditionSpin::quitte, this, &PagePerihelie::anequiExit);
  }
  connect(ok(), &QPushButton::clicked, this, &PagePerihelie::bt_perihelieClick);
  connect(efface(), &QPushButton::clicked, this, &PagePerihelie::bt_erase_perihelieClick);
  connect(copie_bouton(), &QPushButton::clicked, this, &PagePerihelie::copy_paplClick);
}


}  // namespace almanax::ihm
