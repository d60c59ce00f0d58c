// The search pages' events as calendar events: names as the pages say them, stable
// identities, spans and descriptions, checked on real searches.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calcul/delta_t.h"
#include "calcul/pages/calendrier_evenements.h"

namespace almanax {
namespace {

TEST(CalendrierEvenements, PhasesEtUidStables) {
  const resultat_phases r = phases_de_la_lune(1, 2027);
  std::vector<const phase_trouvee*> toutes;
  for (const liste_phases& l : r.listes)
    for (const phase_trouvee& p : l.phases) toutes.push_back(&p);
  const auto e = calendrier_phases(toutes);
  ASSERT_EQ(e.size(), toutes.size());
  EXPECT_GE(e.size(), 24u);
  std::set<std::string> uids;
  for (std::size_t i = 0; i < e.size(); ++i) {
    uids.insert(e[i].uid);
    EXPECT_EQ(e[i].jde_debut, toutes[i]->jde);
    EXPECT_EQ(e[i].jde_fin, e[i].jde_debut);
    EXPECT_EQ(e[i].categorie, "Phases de la Lune");
    EXPECT_TRUE(e[i].description.starts_with("Le ")) << e[i].description;
  }
  EXPECT_EQ(uids.size(), e.size());
  // The same phases from a search started a month later: the same identities.
  const resultat_phases decale = phases_de_la_lune(2, 2027);
  std::vector<const phase_trouvee*> autres;
  for (const phase_trouvee& p : decale.listes[0].phases) autres.push_back(&p);
  for (const auto& x : calendrier_phases(autres)) EXPECT_TRUE(uids.count(x.uid)) << x.uid;
  const std::set<std::string> noms = {"Nouvelle Lune", "Premier Quartier", "Pleine Lune", "Dernier Quartier"};
  for (const auto& x : e) EXPECT_TRUE(noms.count(x.resume)) << x.resume;
}

TEST(CalendrierEvenements, EclipsesDuPremierAuDernierContact) {
  const auto lunaires = calendrier_eclipses(recherche_eclipses(2026, 2027, astre_eclipse::lune).eclipses);
  const auto solaires = calendrier_eclipses(recherche_eclipses(2026, 2027, astre_eclipse::soleil).eclipses);
  ASSERT_GE(lunaires.size(), 3u);
  ASSERT_GE(solaires.size(), 3u);
  // The total lunar eclipse of 3 March 2026: about 5 h 40 min from the first to the last
  // penumbral contact, its circumstances in the description.
  const auto totale = std::find_if(lunaires.begin(), lunaires.end(),
                                   [](const evenement_calendrier& x) { return x.resume == "Éclipse de Lune totale"; });
  ASSERT_NE(totale, lunaires.end());
  EXPECT_NEAR((totale->jde_fin - totale->jde_debut) * 24, 5.65, 0.2);
  EXPECT_NE(totale->description.find("Premier contact avec la pénombre"), std::string::npos) << totale->description;
  EXPECT_NE(totale->description.find("Magnitude"), std::string::npos);
  EXPECT_NE(totale->description.find("Le 3 Mars 2026"), std::string::npos) << totale->description;
  for (const auto& x : lunaires) EXPECT_GT(x.jde_fin, x.jde_debut) << x.resume;
  for (const auto& x : solaires) {
    EXPECT_TRUE(x.resume.starts_with("Éclipse de Soleil ")) << x.resume;
    EXPECT_NE(x.description.find("éclipse de Soleil"), std::string::npos) << x.description;
  }
  EXPECT_EQ(solaires.front().resume, "Éclipse de Soleil annulaire");  // 17 February 2026
}

TEST(CalendrierEvenements, NomsDesPlanetesEtDates) {
  EXPECT_EQ(evenement_de("Opposition", "Mars"), "Opposition de Mars");
  EXPECT_EQ(evenement_de("Opposition", "Uranus"), "Opposition d'Uranus");
  EXPECT_EQ(evenement_de("Périhélie", "Terre"), "Périhélie de la Terre");
  EXPECT_EQ(evenement_de("Conjonction inférieure", "Vénus"), "Conjonction inférieure de Vénus");

  recherche_perihelies rp;
  rp.premiere_annee = 2026;
  rp.derniere_annee = 2027;
  const auto per = calendrier_perihelies(perihelies_aphelies(rp).lignes);
  const auto terre = std::find_if(per.begin(), per.end(),
                                  [](const evenement_calendrier& x) { return x.resume == "Périhélie de la Terre"; });
  ASSERT_NE(terre, per.end());
  EXPECT_NE(terre->description.find("Distance au Soleil : 0"), std::string::npos) << terre->description;

  const resultat_dates d = calculer_dates({}, {}, 2026);
  const auto e = calendrier_dates(d);
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(e[0].resume, "Équinoxe de printemps");
  EXPECT_EQ(e[3].resume, "Solstice d'hiver");
  EXPECT_EQ(e[4].resume, "Pâques");
  ASSERT_TRUE(e[4].jour_entier);
  EXPECT_EQ(e[4].jour_entier->mois, 4);
  EXPECT_EQ(e[4].jour_entier->jour, 5);
  EXPECT_EQ(e[4].uid, "paques-2026");
}

}  // namespace
}  // namespace almanax
