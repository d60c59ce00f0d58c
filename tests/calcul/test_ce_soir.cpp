// "Ce soir": the Sun's setting, rising and twilights against an independent low-precision
// Sun, the polar cases said plainly, and the altitude and azimuth table against the
// other pages' places converted with an independent sidereal time.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calcul/delta_t.h"
#include "calcul/lune.h"
#include "calcul/pages/ce_soir.h"
#include "calcul/pages/ephemerides.h"
#include "ciel_approche.h"

namespace almanax {
namespace {

using essais::hauteur_approchee;
using essais::soleil_approche;

site_courant site(long double lat, long double lon_est) {
  site_courant s;
  s.latitude = std::fabs(lat);
  s.sens_latitude = lat < 0 ? -1 : 1;
  s.longitude = std::fabs(lon_est);
  s.sens_longitude = lon_est < 0 ? 1 : -1;
  return s;
}

entree_ce_soir soiree(int jour, int mois, int annee, long double lat, long double lon_est, int decalage_h) {
  entree_ce_soir e;
  e.instant.date = {jour, mois, annee};
  e.instant.heure = 22;
  e.site = site(lat, lon_est);
  e.echelle = echelle_temps(std::make_shared<fuseau_fixe>(decalage_h * 3600, "Essai"));
  return e;
}

// The civil hours (from 0 h of the evening's date) where the independent Sun crosses a
// level, going down after noon or up before the next noon.
std::vector<long double> croisements(long double jd0_civil, int decalage_h, long double lat, long double lon_est,
                                     long double niveau, bool montant) {
  std::vector<long double> r;
  const long double pas = 1.0L / 1440.0L;
  const auto h = [&](long double civil) {
    const long double tu = civil - decalage_h / 24.0L;
    return hauteur_approchee(soleil_approche(tu + delta_t_s(tu) / 86400.0L), tu, lat, -lon_est) - niveau;
  };
  long double a = jd0_civil + 0.5L, ha = h(a);
  for (long double b = a + pas; b <= jd0_civil + 1.5L; b += pas) {
    const long double hb = h(b);
    if ((ha < 0) != (hb < 0) && (ha < 0) == montant) r.push_back((a + pas * ha / (ha - hb) - jd0_civil) * 24.0L);
    a = b;
    ha = hb;
  }
  return r;
}

TEST(CeSoir, CoucherLeverEtCrepusculesAParis) {
  // Paris, the solstices of 2026 on the clock of France (summer and winter time), every
  // level within 2 minutes of the independent Sun.
  struct cas {
    int jour, mois, decalage;
    long double jd0;  // 0 h of the date, as a civil Julian day
    const char* coucher;
    const char* lever;
  };
  for (const cas c :
       {cas{21, 6, 2, 2461212.5L, "21 h 58 m", "5 h 47 m"}, cas{21, 12, 1, 2461395.5L, "16 h 56 m", "8 h 42 m"}}) {
    SCOPED_TRACE(c.mois);
    const resultat_ce_soir r = calcul_ce_soir(soiree(c.jour, c.mois, 2026, 48.8567L, 2.3508L, c.decalage));
    EXPECT_EQ(r.soleil[0].texte_soir, c.coucher);
    EXPECT_EQ(r.soleil[0].texte_matin, c.lever);
    EXPECT_EQ(r.mention_echelle, c.decalage == 2 ? "heure légale, UTC+2" : "heure légale, UTC+1");
    for (const niveau_soleil& n : r.soleil) {
      SCOPED_TRACE(static_cast<double>(n.hauteur));
      for (const bool montant : {false, true}) {
        const auto vrais = croisements(c.jd0, c.decalage, 48.8567L, 2.3508L, n.hauteur, montant);
        const std::optional<instant_nuit>& x = montant ? n.matin : n.soir;
        ASSERT_EQ(vrais.size(), x ? 1u : 0u);  // Paris in June: the Sun never reaches -18°
        if (!x) continue;
        long double heures =
            (heures_du_jour(x->jde, echelle_temps(std::make_shared<fuseau_fixe>(c.decalage * 3600, "Essai"))));
        if (montant) heures += 24;
        EXPECT_NEAR(heures, vrais[0], 2.0L / 60.0L);
      }
    }
  }
}

TEST(CeSoir, NuitsPolairesEtJoursSansNuit) {
  struct cas {
    int mois;
    long double lat;
    const char* debut_nuit;
  };
  for (const cas c :
       {cas{6, 48.8567L, "Pas de nuit astronomique"}, cas{6, 68.0L, "Jour polaire"}, cas{12, 78.0L, "Nuit polaire"},
        cas{12, -78.0L, "Jour polaire"}, cas{12, 48.8567L, "Nuit astronomique de "}}) {
    SCOPED_TRACE(static_cast<double>(c.lat));
    const resultat_ce_soir r = calcul_ce_soir(soiree(21, c.mois, 2026, c.lat, 15.0L, 1));
    EXPECT_TRUE(r.nuit.starts_with(c.debut_nuit)) << r.nuit;
    if (r.nuit.starts_with("Jour polaire")) {
      EXPECT_NE(r.nuit.find("pas de nuit astronomique"), std::string::npos) << r.nuit;
      EXPECT_EQ(r.soleil[0].texte_soir, "jour polaire");
      EXPECT_EQ(r.soleil[3].texte_soir, "ne finit pas");
    }
    if (r.nuit.starts_with("Nuit polaire")) {
      EXPECT_EQ(r.soleil[0].texte_matin, "nuit polaire");
      EXPECT_FALSE(r.soleil[0].soir);
    }
  }
}

TEST(CeSoir, HauteurEtAzimutCommeLesAutresPages) {
  // Paris, 21 December 2026 at 22 h (21 h UT): each body's place from the other pages'
  // computations, turned to the horizon with an independent sidereal time, within 1'.
  const entree_ce_soir e = soiree(21, 12, 2026, 48.8567L, 2.3508L, 1);
  const resultat_ce_soir r = calcul_ce_soir(e);
  const long double tu = 2461395.5L + 21.0L / 24;
  EXPECT_NEAR(r.jde_heure, tu + delta_t_s(tu) / 86400, 1e-5L);
  const auto comparer = [&](corps_ce_soir corps, long double alpha, long double delta, long double parallaxe) {
    SCOPED_TRACE(nom_corps_ce_soir(corps));
    const long double h = hauteur_approchee({alpha, delta}, tu, 48.8567L, -2.3508L);
    const astre_ce_soir& a = r.astres[static_cast<int>(corps)];
    // The independent sidereal time is the mean one: the equation of the equinoxes
    // (about 1 s of time) stays within the tolerance.
    EXPECT_NEAR(a.a_l_heure.altitude, h - parallaxe * std::cos(essais::rad(h)), 1.0L / 60);
    const long double H = essais::rad(essais::tsmg(tu) + 2.3508L - alpha);
    const long double phi = essais::rad(48.8567L);
    const long double az =
        std::fmod(essais::deg(std::atan2(std::sin(H),
                                         std::cos(H) * std::sin(phi) - std::tan(essais::rad(delta)) * std::cos(phi))) +
                      540.0L,
                  360.0L);
    EXPECT_NEAR(std::remainder(a.a_l_heure.azimut - az, 360.0L), 0, 1.0L / 60);
  };
  for (const corps_ce_soir corps : {corps_ce_soir::venus, corps_ce_soir::jupiter}) {
    entree_ephemerides p;
    p.p = corps == corps_ce_soir::venus ? planete::venus : planete::jupiter;
    p.instant = e.instant;
    p.instant.heure = 21;  // the page without civil time takes UT (= TT for it); the offset
                           // of ΔT (69 s) moves a planet by far less than 1'
    const resultat_ephemerides x = calcul_ephemerides(p);
    comparer(corps, *x.alpha, *x.delta, 0);
  }
  const ephemeride_lune lune = ephemeride_de_la_lune(r.jde_heure, e.site, ",");
  comparer(corps_ce_soir::lune, lune.alpha, lune.delta, lune.parallaxe);
  // Every body has its row of texts.
  for (const astre_ce_soir& a : r.astres) {
    EXPECT_FALSE(a.textes.lever.empty());
    EXPECT_FALSE(a.textes.observable.empty());
  }
  EXPECT_FALSE(r.texte_lune.empty());
  EXPECT_EQ(r.instants.size(), 145u);
}

}  // namespace
}  // namespace almanax
