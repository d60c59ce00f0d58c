// How the series are evaluated: the lanes that run the sums, and sums that are those
// of a plain loop over the terms, bit for bit, whatever the vector kernel.
#include <gtest/gtest.h>
#include <planseries/planseries.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "colonnes.h"
#include "fichier_termes.h"

namespace {

using planseries::Programme;

// Sub-series lengths as a table's `debut` (the Earth's longitude, latitude and radius
// vector, which have the longest chain of all and empty sub-series).
constexpr std::uint16_t debut_terre[] = {0,   64,  98,  118, 125, 128, 129, 134, 136, 136,
                                         136, 136, 136, 176, 186, 192, 194, 195, 195};

// What any program must satisfy: each non-empty sub-series ends once, in the lane that
// runs it, after the steps of the chains before it in that lane; the ends come in step
// order; the lanes counted active are exactly those with work left.
void verifier(const Programme& p, const std::uint16_t* debut, std::size_t premiere, std::size_t fin) {
  std::vector<int> vues(fin, 0);
  std::size_t pas_voie[planseries::voies] = {}, charge[planseries::voies] = {};
  for (std::size_t v = 0; v < planseries::voies; ++v)
    for (std::uint8_t s = p.premiere[v]; s != planseries::aucune; s = p.suivante[s])
      charge[v] += debut[s + 1] - debut[s];
  for (std::size_t v = 1; v < planseries::voies; ++v) EXPECT_GE(charge[v - 1], charge[v]) << "voies rangees";
  std::uint8_t courante[planseries::voies];
  std::memcpy(courante, p.premiere, sizeof courante);
  std::size_t avant = 0;
  for (std::size_t f = 0; f < p.nombre_fins; ++f) {
    const Programme::Fin& e = p.fins[f];
    ASSERT_LT(e.voie, planseries::voies);
    ASSERT_EQ(e.sous_serie, courante[e.voie]) << "fin " << f;
    ASSERT_GE(e.sous_serie, premiere);
    ASSERT_LT(e.sous_serie, fin);
    ++vues[e.sous_serie];
    pas_voie[e.voie] += debut[e.sous_serie + 1] - debut[e.sous_serie];
    EXPECT_EQ(e.pas, pas_voie[e.voie]);
    EXPECT_GE(e.pas, avant);
    std::size_t actives = 0;
    for (std::size_t v = 0; v < planseries::voies; ++v) actives += charge[v] > avant;
    EXPECT_EQ(e.actives, actives) << "fin " << f;
    courante[e.voie] = p.suivante[e.sous_serie];
    avant = e.pas;
  }
  for (std::size_t s = premiere; s < fin; ++s) EXPECT_EQ(vues[s], debut[s + 1] > debut[s] ? 1 : 0) << s;
}

TEST(Programme, ChaqueSousSerieUneFoisDansSaVoieEtDansLOrdreDesPas) {
  constexpr Programme tout = planseries::programmer(debut_terre, 0, 18);
  verifier(tout, debut_terre, 0, 18);
  // The longest chain alone sets the steps: 64 for 195 terms on four lanes.
  EXPECT_EQ(tout.fins[tout.nombre_fins - 1].pas, 64);
  constexpr Programme rayon = planseries::programmer(debut_terre, 12, 18);
  verifier(rayon, debut_terre, 12, 18);
  constexpr Programme latitude = planseries::programmer(debut_terre, 6, 12);
  verifier(latitude, debut_terre, 6, 12);
  EXPECT_EQ(latitude.nombre_fins, 2);
  constexpr std::uint16_t vide[] = {0, 0, 0, 0, 0, 0, 0};
  constexpr Programme rien = planseries::programmer(vide, 0, 6);
  EXPECT_EQ(rien.nombre_fins, 0);
}

// The scalar kernel's arithmetic, term by term, then the plain sum in extended
// precision in table order: what the library must give bit for bit.
long double somme_simple(const std::vector<fichier_termes::TermeLu>& termes, long double t) {
  const double t_haut = static_cast<double>(t), t_bas = static_cast<double>(t - t_haut);
  long double s = 0;
  for (const auto& lu : termes) {
    const planseries::Terme k(lu.a, lu.phi, lu.omega);
    const double p = k.omega_tours_haut * t_haut;
    const double erreur = std::fma(k.omega_tours_haut, t_haut, -p);
    const double reste = k.omega_tours_haut * t_bas + k.omega_tours_bas * t_haut;
    double f = (p - std::nearbyint(p)) + (erreur + reste + k.phi_tours);
    f -= std::nearbyint(f);
    s += static_cast<long double>(static_cast<double>(lu.a)) * std::cos(f * 6.283185307179586476925286766559);
  }
  return s;
}

long double coordonnee_simple(const std::string& planete, char c, long double t) {
  long double total = 0, puissance = 1;
  for (int k = 0; k < 6; ++k) {
    total += somme_simple(fichier_termes::termes(planete, c, k), t) * puissance;
    puissance *= t;
  }
  return total * 1.0e-8L;
}

struct Planete {
  const char* nom;
  planseries::lbr (*lbr)(long double);
  long double (*l)(long double);
  long double (*b)(long double);
  long double (*r)(long double);
};

const Planete planetes[] = {
    {"mercure", planseries::mercure_lbr, planseries::mercure_longitude, planseries::mercure_latitude,
     planseries::mercure_rayon},
    {"venus", planseries::venus_lbr, planseries::venus_longitude, planseries::venus_latitude, planseries::venus_rayon},
    {"terre", planseries::terre_lbr, planseries::terre_longitude, planseries::terre_latitude, planseries::terre_rayon},
    {"mars", planseries::mars_lbr, planseries::mars_longitude, planseries::mars_latitude, planseries::mars_rayon},
    {"jupiter", planseries::jupiter_lbr, planseries::jupiter_longitude, planseries::jupiter_latitude,
     planseries::jupiter_rayon},
    {"saturne", planseries::saturne_lbr, planseries::saturne_longitude, planseries::saturne_latitude,
     planseries::saturne_rayon},
    {"uranus", planseries::uranus_lbr, planseries::uranus_longitude, planseries::uranus_latitude,
     planseries::uranus_rayon},
    {"neptune", planseries::neptune_lbr, planseries::neptune_longitude, planseries::neptune_latitude,
     planseries::neptune_rayon},
};

// The three coordinates at once and one at a time run different lanes: the same
// bits. Under the scalar kernel (PLANSERIES_NOYAU=generique, as CTest also runs this
// suite), the same bits as the plain loop: the lanes change no addition's order.
TEST(Evaluation, SommesDeLaBoucleSimpleBitABit) {
  const bool scalaire = std::string(planseries::noyau_vectoriel()) == "generique";
  for (int i = 0; i <= 40; ++i) {
    const long double t = -6.7L + 14.7L * i / 40.0L + 0.000731L * i;
    for (const Planete& p : planetes) {
      const planseries::lbr x = p.lbr(t);
      EXPECT_EQ(x.l, p.l(t)) << p.nom << " t=" << double(t);
      EXPECT_EQ(x.b, p.b(t)) << p.nom << " t=" << double(t);
      EXPECT_EQ(x.r, p.r(t)) << p.nom << " t=" << double(t);
      if (!scalaire) continue;
      EXPECT_EQ(x.l, coordonnee_simple(p.nom, 'L', t)) << p.nom << " t=" << double(t);
      EXPECT_EQ(x.b, coordonnee_simple(p.nom, 'B', t)) << p.nom << " t=" << double(t);
      EXPECT_EQ(x.r, coordonnee_simple(p.nom, 'R', t)) << p.nom << " t=" << double(t);
    }
  }
}

// The kernel in use is the one asked for, never one the processor lacks.
TEST(Evaluation, NoyauDemande) {
  const char* demande = std::getenv("PLANSERIES_NOYAU");
  const std::string noyau = planseries::noyau_vectoriel();
  EXPECT_TRUE(noyau == "avx512" || noyau == "avx2" || noyau == "generique") << noyau;
  const std::string voulu = demande ? demande : "";
  if (voulu == "generique") {
    EXPECT_EQ(noyau, "generique");
  } else if (voulu == "avx2") {
    EXPECT_NE(noyau, "avx512");
  }
}

}  // namespace
