// Heliocentric longitude, latitude and radius vector of the eight planets,
// full and short series, ecliptic and mean equinox of date.
#include <planseries/angle.h>
#include <planseries/planseries.h>

#include <algorithm>
#include <cmath>

#include "termes.h"
#include "vsop87d_termes.h"

namespace planseries {

namespace {

// The arguments phi + omega t of n terms reduced to [-pi, pi], in double.
//
// With FMA, in turns and in double-double arithmetic: omega t from the two parts of
// omega / 2 pi and of t, its whole turns taken off exactly, then phi / 2 pi added;
// the reduced argument is good to about 1e-15 rad even at a few million radians.
#if PLANSERIES_AVX2
__attribute__((target("avx2,fma"))) void arguments_fma(const Terme* terme, std::size_t n, long double t,
                                                       double* angle) {
  const double t_haut = static_cast<double>(t);
  const double t_bas = static_cast<double>(t - t_haut);
  constexpr double deux_pi = 6.283185307179586476925286766559;
  for (std::size_t i = 0; i < n; ++i) {
    const double p = terme[i].omega_tours_haut * t_haut;
    const double erreur = __builtin_fma(terme[i].omega_tours_haut, t_haut, -p);  // exact
    const double reste = terme[i].omega_tours_haut * t_bas + terme[i].omega_tours_bas * t_haut;
    double f = (p - __builtin_nearbyint(p)) + (erreur + reste + terme[i].phi_tours);
    f -= __builtin_nearbyint(f);
    angle[i] = f * deux_pi;
  }
}
#endif

// Without FMA: formed and reduced in extended precision.
void arguments_etendus(const Terme* terme, std::size_t n, long double t, double* angle) {
  for (std::size_t i = 0; i < n; ++i) angle[i] = static_cast<double>(reduire_tour(terme[i].phi + terme[i].omega * t));
}

}  // namespace

// The cosines in double of the reduced arguments, four at a time; the products
// summed in extended precision in table order.
long double somme(SousSerie termes, long double t) {
  constexpr std::size_t bloc = 128;
  double angle[bloc], cosinus[bloc];
  long double s = 0.0L;
  for (std::size_t debut = 0; debut < termes.size(); debut += bloc) {
    const std::size_t n = std::min(bloc, termes.size() - debut);
    const Terme* terme = termes.data() + debut;
#if PLANSERIES_AVX2
    if (detail::avec_avx2()) {
      arguments_fma(terme, n, t, angle);
    } else {
      arguments_etendus(terme, n, t, angle);
    }
#else
    arguments_etendus(terme, n, t, angle);
#endif
    cosinus_reduits(angle, cosinus, n);
    for (std::size_t i = 0; i < n; ++i) s += terme[i].a * cosinus[i];
  }
  return s;
}

long double evaluer(const Serie& serie, long double t) {
  long double total = 0.0L;
  long double puissance = 1.0L;
  for (const SousSerie& sous_serie : serie) {
    total += somme(sous_serie, t) * puissance;
    puissance *= t;
  }
  return total * 1.0e-8L;
}

long double evaluer(const SerieCourte& serie, long double t) {
  return (somme(serie.x0, t) + somme(serie.x1, t) * t) * 1.0e-8L;
}

namespace {

using namespace vsop87d;

// Terms kept by the short series (first terms of X0, first terms of X1): enough
// to draw the planets, not to compute a position.
constexpr SerieCourte mercure_l_courte = courte(mercure.l, 2, 2);
constexpr SerieCourte mercure_b_courte = courte(mercure.b, 5, 4);
constexpr SerieCourte mercure_r_courte = courte(mercure.r, 3, 3);
constexpr SerieCourte venus_l_courte = courte(venus.l, 3, 2);
constexpr SerieCourte venus_b_courte = courte(venus.b, 3, 3);
constexpr SerieCourte venus_r_courte = courte(venus.r, 2, 2);
constexpr SerieCourte terre_l_courte = courte(terre.l, 2, 1);
constexpr SerieCourte terre_r_courte = courte(terre.r, 2, 1);
constexpr SerieCourte mars_l_courte = courte(mars.l, 5, 5);
constexpr SerieCourte mars_b_courte = courte(mars.b, 5, 5);
constexpr SerieCourte mars_r_courte = courte(mars.r, 5, 5);
constexpr SerieCourte jupiter_l_courte = courte(jupiter.l, 4, 3);
constexpr SerieCourte jupiter_b_courte = courte(jupiter.b, 4, 2);
constexpr SerieCourte jupiter_r_courte = courte(jupiter.r, 6, 4);
constexpr SerieCourte saturne_l_courte = courte(saturne.l, 2, 1);
constexpr SerieCourte saturne_b_courte = courte(saturne.b, 10, 10);
constexpr SerieCourte saturne_r_courte = courte(saturne.r, 6, 5);
constexpr SerieCourte uranus_l_courte = courte(uranus.l, 3, 1);
constexpr SerieCourte uranus_b_courte = courte(uranus.b, 10, 10);
constexpr SerieCourte uranus_r_courte = courte(uranus.r, 7, 2);
constexpr SerieCourte neptune_l_courte = courte(neptune.l, 2, 1);
constexpr SerieCourte neptune_b_courte = courte(neptune.b, 7, 3);
constexpr SerieCourte neptune_r_courte = courte(neptune.r, 3, 3);

}  // namespace

// clang-format off
// Full series.
long double mercure_longitude(long double t) { return evaluer(mercure.l, t); }
long double mercure_latitude(long double t) { return evaluer(mercure.b, t); }
long double mercure_rayon(long double t) { return evaluer(mercure.r, t); }
long double venus_longitude(long double t) { return evaluer(venus.l, t); }
long double venus_latitude(long double t) { return evaluer(venus.b, t); }
long double venus_rayon(long double t) { return evaluer(venus.r, t); }
long double terre_longitude(long double t) { return evaluer(terre.l, t); }
long double terre_latitude(long double t) { return evaluer(terre.b, t); }
long double terre_rayon(long double t) { return evaluer(terre.r, t); }
long double mars_longitude(long double t) { return evaluer(mars.l, t); }
long double mars_latitude(long double t) { return evaluer(mars.b, t); }
long double mars_rayon(long double t) { return evaluer(mars.r, t); }
long double jupiter_longitude(long double t) { return evaluer(jupiter.l, t); }
long double jupiter_latitude(long double t) { return evaluer(jupiter.b, t); }
long double jupiter_rayon(long double t) { return evaluer(jupiter.r, t); }
long double saturne_longitude(long double t) { return evaluer(saturne.l, t); }
long double saturne_latitude(long double t) { return evaluer(saturne.b, t); }
long double saturne_rayon(long double t) { return evaluer(saturne.r, t); }
long double uranus_longitude(long double t) { return evaluer(uranus.l, t); }
long double uranus_latitude(long double t) { return evaluer(uranus.b, t); }
long double uranus_rayon(long double t) { return evaluer(uranus.r, t); }
long double neptune_longitude(long double t) { return evaluer(neptune.l, t); }
long double neptune_latitude(long double t) { return evaluer(neptune.b, t); }
long double neptune_rayon(long double t) { return evaluer(neptune.r, t); }

// Short series.
long double mercure_l(long double t) { return evaluer(mercure_l_courte, t); }
long double mercure_b(long double t) { return evaluer(mercure_b_courte, t); }
long double mercure_r(long double t) { return evaluer(mercure_r_courte, t); }
long double venus_l(long double t) { return evaluer(venus_l_courte, t); }
long double venus_b(long double t) { return evaluer(venus_b_courte, t); }
long double venus_r(long double t) { return evaluer(venus_r_courte, t); }
long double terre_l(long double t) { return evaluer(terre_l_courte, t); }
long double terre_r(long double t) { return evaluer(terre_r_courte, t); }
long double mars_l(long double t) { return evaluer(mars_l_courte, t); }
long double mars_b(long double t) { return evaluer(mars_b_courte, t); }
long double mars_r(long double t) { return evaluer(mars_r_courte, t); }
long double jupiter_l(long double t) { return evaluer(jupiter_l_courte, t); }
long double jupiter_b(long double t) { return evaluer(jupiter_b_courte, t); }
long double jupiter_r(long double t) { return evaluer(jupiter_r_courte, t); }
long double saturne_l(long double t) { return evaluer(saturne_l_courte, t); }
long double saturne_b(long double t) { return evaluer(saturne_b_courte, t); }
long double saturne_r(long double t) { return evaluer(saturne_r_courte, t); }
long double uranus_l(long double t) { return evaluer(uranus_l_courte, t); }
long double uranus_b(long double t) { return evaluer(uranus_b_courte, t); }
long double uranus_r(long double t) { return evaluer(uranus_r_courte, t); }
long double neptune_l(long double t) { return evaluer(neptune_l_courte, t); }
long double neptune_b(long double t) { return evaluer(neptune_b_courte, t); }
long double neptune_r(long double t) { return evaluer(neptune_r_courte, t); }
// clang-format on

}  // namespace planseries
