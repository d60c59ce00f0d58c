// Event lists in civil time: the marks of the offsets, and the eclipse contacts on the
// clock in force at each contact when the clocks change during an eclipse.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "calcul/heures_des_listes.h"
#include "calcul/pages/eclipses.h"

using namespace almanax;

namespace {

// A zone whose clock goes from UTC+1 to UTC+2 at one UT instant.
class fuseau_a_changement final : public fuseau_horaire {
 public:
  explicit fuseau_a_changement(long double jd_changement) : changement_(jd_changement) {}
  int decalage_s(long double jd_tu) const override { return jd_tu < changement_ ? 3600 : 7200; }
  std::string nom() const override { return "Essai/Changement"; }

 private:
  long double changement_;
};

// The clock readings "HHh MMm SSs" of an eclipse's contact lines, in seconds of the day,
// with the instant of each (minutes from the maximum, in the text's order).
std::vector<long long> heures_des_contacts(const std::string& texte) {
  std::vector<long long> r;
  for (std::size_t i = texte.find('\t'); i != std::string::npos; i = texte.find('\t', i + 1)) {
    int h = 0, m = 0, s = 0;
    if (std::sscanf(texte.c_str() + i + 1, "%2dh %2dm %2ds", &h, &m, &s) == 3) r.push_back(h * 3600LL + m * 60 + s);
  }
  return r;
}

}  // namespace

TEST(HeuresDesListes, OneMentionThenEachChangeOfOffset) {
  struct cas {
    std::vector<int> decalages;
    std::string mention;
    std::vector<std::string> marques;
  };
  const cas tous[] = {
      {{}, "", {}},  // times as they stand
      {{3600}, "heure légale, UTC+1", {""}},
      {{3600, 3600, 7200, 7200, 3600}, "heure légale, UTC+1", {"", "", "(UTC+2)", "", "(UTC+1)"}},
      {{7200, 3600, 7200}, "heure légale, UTC+2", {"", "(UTC+1)", "(UTC+2)"}},
      {{19800, -10800}, "heure légale, UTC+5:30", {"", "(UTC-3)"}},
  };
  for (const cas& k : tous) {
    const marques_liste m = marquer_decalages(k.decalages);
    EXPECT_EQ(m.mention, k.mention);
    EXPECT_EQ(m.marques, k.marques);
  }
  EXPECT_EQ(titre_avec_mention("Eclipses ", "heure légale, UTC+1"), "Eclipses (heure légale, UTC+1)");
  EXPECT_EQ(titre_avec_mention("Eclipses ", ""), "Eclipses ");
  EXPECT_EQ(avec_marque("03 h 12 m 00 s", "(UTC+2)"), "03 h 12 m 00 s (UTC+2)");
  EXPECT_EQ(avec_marque("03 h 12 m 00 s", ""), "03 h 12 m 00 s");
}

TEST(HeuresDesListes, EclipseContactsOnTheClockOfTheirOwnInstant) {
  // The total lunar eclipse of 2025 March 14: the clocks change an hour before the
  // maximum, between the first contact with the umbra and the totality.
  const resultat_eclipses tel_quel = recherche_eclipses(2025, 2025, astre_eclipse::lune);
  ASSERT_FALSE(tel_quel.eclipses.empty());
  const eclipse_trouvee& e0 = tel_quel.eclipses.front();
  ASSERT_EQ(e0.genre_lune, genre_eclipse_lunaire::totale);
  const long double changement = tu_de_tt(e0.jde) - 1.0L / 24;
  const echelle_temps echelle(std::make_shared<fuseau_a_changement>(changement));
  const resultat_eclipses legale = recherche_eclipses(2025, 2025, astre_eclipse::lune, boite_eclipses{}, ",", echelle);
  ASSERT_EQ(legale.eclipses.size(), tel_quel.eclipses.size());
  const eclipse_trouvee& e1 = legale.eclipses.front();
  EXPECT_EQ(e1.decalage, 7200);

  const std::vector<long long> avant = heures_des_contacts(e0.texte), apres = heures_des_contacts(e1.texte);
  // First penumbra, first umbra, totality begins, maximum, totality ends, last umbra, last penumbra.
  ASSERT_EQ(avant.size(), 7u);
  ASSERT_EQ(apres.size(), 7u);
  const long double minutes[7] = {-e0.demi_duree_penombre, -e0.demi_duree_partielle, -e0.demi_duree_totale, 0,
                                  e0.demi_duree_totale,    e0.demi_duree_partielle,  e0.demi_duree_penombre};
  const double delta_t = static_cast<double>((e0.jde - tu_de_tt(e0.jde)) * 86400);
  for (int c = 0; c < 7; ++c) {
    const bool apres_le_changement = tu_de_tt(e0.jde + minutes[c] / 1440) >= changement;
    const long long ecart = ((apres[c] - avant[c]) % 86400 + 86400) % 86400;
    EXPECT_NEAR(static_cast<double>(ecart), (apres_le_changement ? 7200 : 3600) - delta_t, 1.5) << c;
  }
  // The two contacts before the change are on the first clock.
  EXPECT_LT(tu_de_tt(e0.jde - e0.demi_duree_partielle / 1440), changement);
  EXPECT_GE(tu_de_tt(e0.jde - e0.demi_duree_totale / 1440), changement);
}
