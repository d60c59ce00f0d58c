// Heliocentric longitude, latitude and radius vector of the eight planets,
// full and short series, ecliptic and mean equinox of date.
#include <planseries/angle.h>
#include <planseries/planseries.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "colonnes.h"
#include "vsop87d_termes.h"

namespace planseries {

namespace {

// Without a vector unit: the same arithmetic one term at a time.
void cosinus_termes_scalaires(const VueColonnes& v, std::size_t i0, std::size_t i1, double t_haut, double t_bas,
                              double* c) {
  constexpr double deux_pi = 6.283185307179586476925286766559;
  for (std::size_t i = i0; i < i1; ++i) {
    const double p = v.omega_haut[i] * t_haut;
    const double erreur = std::fma(v.omega_haut[i], t_haut, -p);
    const double reste = v.omega_haut[i] * t_bas + v.omega_bas[i] * t_haut;
    double f = (p - std::nearbyint(p)) + (erreur + reste + v.phi[i]);
    f -= std::nearbyint(f);
    c[i - i0] = std::cos(f * deux_pi);
  }
}

// The widest kernel the processor runs; PLANSERIES_NOYAU=avx2 or =generique in the
// environment asks for a narrower one (to compare them on one machine).
const noyau::Noyau& noyau_choisi() {
  static const noyau::Noyau choisi = [] {
    const noyau::Noyau generique{"generique", cosinus_termes_scalaires};
#if PLANSERIES_AVX2
    const char* demande = std::getenv("PLANSERIES_NOYAU");
    const bool sans_avx512 = demande && (std::strcmp(demande, "avx2") == 0 || std::strcmp(demande, "generique") == 0);
    const bool sans_avx2 = demande && std::strcmp(demande, "generique") == 0;
    if (!sans_avx512 && detail::avec_avx512()) return noyau::avx512();
    if (!sans_avx2 && detail::avec_avx2()) return noyau::avx2();
#endif
    return generique;
  }();
  return choisi;
}

// The most terms one call evaluates (all three coordinates of the largest table),
// and room for the kernels' last whole vector.
constexpr std::size_t termes_max = 1024;

// t split into two doubles for the kernels.
struct TempsDouble {
  double haut, bas;
  explicit TempsDouble(long double t) : haut(static_cast<double>(t)), bas(static_cast<double>(t - haut)) {}
};

// Runs program p over the cosines c (c[0] is term i0's): see colonnes.h. The lanes'
// pointers and sums stay in registers; at each chain's end its sum is stored and the
// lane moves to its next chain.
void executer(const Programme& p, const VueColonnes& v, const double* c, std::size_t i0, std::size_t premiere,
              long double* somme) {
  const double *a0 = nullptr, *a1 = nullptr, *a2 = nullptr, *a3 = nullptr;
  const double *c0 = nullptr, *c1 = nullptr, *c2 = nullptr, *c3 = nullptr;
  auto placer = [&](std::size_t voie, std::uint8_t s) {
    if (s == aucune) return;
    const double* a = v.a + v.debut[s];
    const double* x = c + (v.debut[s] - i0);
    switch (voie) {
      case 0:
        a0 = a, c0 = x;
        break;
      case 1:
        a1 = a, c1 = x;
        break;
      case 2:
        a2 = a, c2 = x;
        break;
      default:
        a3 = a, c3 = x;
        break;
    }
  };
  for (std::size_t voie = 0; voie < voies; ++voie) placer(voie, p.premiere[voie]);

  long double s0 = 0.0L, s1 = 0.0L, s2 = 0.0L, s3 = 0.0L;
  std::size_t fait = 0;
  for (std::size_t f = 0; f < p.nombre_fins; ++f) {
    const Programme::Fin& fin = p.fins[f];
    const std::size_t n = fin.pas - fait;
    fait = fin.pas;
    switch (fin.actives) {
      case 4:
        for (std::size_t i = 0; i < n; ++i) {
          s0 += static_cast<long double>(a0[i]) * c0[i];
          s1 += static_cast<long double>(a1[i]) * c1[i];
          s2 += static_cast<long double>(a2[i]) * c2[i];
          s3 += static_cast<long double>(a3[i]) * c3[i];
        }
        a3 += n, c3 += n;
        [[fallthrough]];
      case 3:
        if (fin.actives == 3)
          for (std::size_t i = 0; i < n; ++i) {
            s0 += static_cast<long double>(a0[i]) * c0[i];
            s1 += static_cast<long double>(a1[i]) * c1[i];
            s2 += static_cast<long double>(a2[i]) * c2[i];
          }
        a2 += n, c2 += n;
        [[fallthrough]];
      case 2:
        if (fin.actives == 2)
          for (std::size_t i = 0; i < n; ++i) {
            s0 += static_cast<long double>(a0[i]) * c0[i];
            s1 += static_cast<long double>(a1[i]) * c1[i];
          }
        a1 += n, c1 += n;
        [[fallthrough]];
      default:
        if (fin.actives == 1)
          for (std::size_t i = 0; i < n; ++i) s0 += static_cast<long double>(a0[i]) * c0[i];
        a0 += n, c0 += n;
    }
    // No reference to a sum: it would leave the registers.
    long double* const vers = somme + (fin.sous_serie - premiere);
    switch (fin.voie) {
      case 0:
        *vers = s0, s0 = 0.0L;
        break;
      case 1:
        *vers = s1, s1 = 0.0L;
        break;
      case 2:
        *vers = s2, s2 = 0.0L;
        break;
      default:
        *vers = s3, s3 = 0.0L;
        break;
    }
    placer(fin.voie, p.suivante[fin.sous_serie]);
  }
}

}  // namespace

void sommes(const VueColonnes& v, const Programme& p, std::size_t premiere, std::size_t fin, long double t,
            long double* somme) {
  const std::size_t i0 = v.debut[premiere], i1 = v.debut[fin];
  alignas(64) double c[termes_max + marge_colonnes];
  const TempsDouble td(t);
  noyau_choisi().cosinus(v, i0, i1, td.haut, td.bas, c);
  for (std::size_t s = premiere; s < fin; ++s) somme[s - premiere] = 0.0L;
  executer(p, v, c, i0, premiere, somme);
}

long double somme_debut(const VueColonnes& v, std::size_t s, std::size_t n, long double t) {
  alignas(64) double c[termes_max + marge_colonnes];
  const TempsDouble td(t);
  noyau_choisi().cosinus(v, v.debut[s], v.debut[s] + n, td.haut, td.bas, c);
  long double somme = 0.0L;
  for (std::size_t i = 0; i < n; ++i) somme += static_cast<long double>(v.a[v.debut[s] + i]) * c[i];
  return somme;
}

const char* noyau_vectoriel() {
  return noyau_choisi().nom;
}

long double polynome(const long double* x, long double t) {
  long double total = 0.0L;
  long double puissance = 1.0L;
  for (std::size_t k = 0; k < puissances; ++k) {
    total += x[k] * puissance;
    puissance *= t;
  }
  return total * 1.0e-8L;
}

long double evaluer(const VueColonnes& v, std::size_t coordonnee, long double t) {
  long double x[puissances];
  sommes(v, v.programme_coordonnee[coordonnee], coordonnee * puissances, (coordonnee + 1) * puissances, t, x);
  return polynome(x, t);
}

lbr evaluer_lbr(const VueColonnes& v, long double t) {
  long double x[3 * puissances];
  sommes(v, *v.programme_tout, 0, 3 * puissances, t, x);
  return {polynome(x, t), polynome(x + puissances, t), polynome(x + 2 * puissances, t)};
}

long double evaluer_courte(const VueColonnes& v, std::size_t coordonnee, std::size_t n0, std::size_t n1,
                           long double t) {
  const std::size_t s = coordonnee * puissances;
  return (somme_debut(v, s, n0, t) + somme_debut(v, s + 1, n1, t) * t) * 1.0e-8L;
}

namespace {

using namespace vsop87d;

// Each planet's three series as columns.
template <const Planete& p>
struct Colonnes3 {
  static constexpr Serie series[] = {p.l, p.b, p.r};
  static constexpr std::size_t n = nombre_termes(series);
  static_assert(n <= termes_max);
  static constexpr auto colonnes = en_colonnes<n>(series);
  static constexpr VueColonnes vue = colonnes.vue();
};

constexpr VueColonnes mercure_v = Colonnes3<mercure>::vue;
constexpr VueColonnes venus_v = Colonnes3<venus>::vue;
constexpr VueColonnes terre_v = Colonnes3<terre>::vue;
constexpr VueColonnes mars_v = Colonnes3<mars>::vue;
constexpr VueColonnes jupiter_v = Colonnes3<jupiter>::vue;
constexpr VueColonnes saturne_v = Colonnes3<saturne>::vue;
constexpr VueColonnes uranus_v = Colonnes3<uranus>::vue;
constexpr VueColonnes neptune_v = Colonnes3<neptune>::vue;

constexpr std::size_t L = 0, B = 1, R = 2;

// The short series: the first terms of X0 and X1 (checked against the tables at
// compile time), enough to draw the planets, not to compute a position.
struct Courte {
  const VueColonnes& v;
  std::size_t coordonnee, n0, n1;
  consteval Courte(const VueColonnes& v_, const Serie& serie, std::size_t c, std::size_t n0_, std::size_t n1_)
      : v(v_), coordonnee(c), n0(n0_), n1(n1_) {
    if (n0 > serie[0].size() || n1 > serie[1].size()) throw "serie courte plus longue que la serie complete";
  }
  long double operator()(long double t) const { return evaluer_courte(v, coordonnee, n0, n1, t); }
};

constexpr Courte mercure_l_courte{mercure_v, mercure.l, L, 2, 2};
constexpr Courte mercure_b_courte{mercure_v, mercure.b, B, 5, 4};
constexpr Courte mercure_r_courte{mercure_v, mercure.r, R, 3, 3};
constexpr Courte venus_l_courte{venus_v, venus.l, L, 3, 2};
constexpr Courte venus_b_courte{venus_v, venus.b, B, 3, 3};
constexpr Courte venus_r_courte{venus_v, venus.r, R, 2, 2};
constexpr Courte terre_l_courte{terre_v, terre.l, L, 2, 1};
constexpr Courte terre_r_courte{terre_v, terre.r, R, 2, 1};
constexpr Courte mars_l_courte{mars_v, mars.l, L, 5, 5};
constexpr Courte mars_b_courte{mars_v, mars.b, B, 5, 5};
constexpr Courte mars_r_courte{mars_v, mars.r, R, 5, 5};
constexpr Courte jupiter_l_courte{jupiter_v, jupiter.l, L, 4, 3};
constexpr Courte jupiter_b_courte{jupiter_v, jupiter.b, B, 4, 2};
constexpr Courte jupiter_r_courte{jupiter_v, jupiter.r, R, 6, 4};
constexpr Courte saturne_l_courte{saturne_v, saturne.l, L, 2, 1};
constexpr Courte saturne_b_courte{saturne_v, saturne.b, B, 10, 10};
constexpr Courte saturne_r_courte{saturne_v, saturne.r, R, 6, 5};
constexpr Courte uranus_l_courte{uranus_v, uranus.l, L, 3, 1};
constexpr Courte uranus_b_courte{uranus_v, uranus.b, B, 10, 10};
constexpr Courte uranus_r_courte{uranus_v, uranus.r, R, 7, 2};
constexpr Courte neptune_l_courte{neptune_v, neptune.l, L, 2, 1};
constexpr Courte neptune_b_courte{neptune_v, neptune.b, B, 7, 3};
constexpr Courte neptune_r_courte{neptune_v, neptune.r, R, 3, 3};

}  // namespace

// clang-format off
// Full series.
long double mercure_longitude(long double t) { return evaluer(mercure_v, L, t); }
long double mercure_latitude(long double t) { return evaluer(mercure_v, B, t); }
long double mercure_rayon(long double t) { return evaluer(mercure_v, R, t); }
long double venus_longitude(long double t) { return evaluer(venus_v, L, t); }
long double venus_latitude(long double t) { return evaluer(venus_v, B, t); }
long double venus_rayon(long double t) { return evaluer(venus_v, R, t); }
long double terre_longitude(long double t) { return evaluer(terre_v, L, t); }
long double terre_latitude(long double t) { return evaluer(terre_v, B, t); }
long double terre_rayon(long double t) { return evaluer(terre_v, R, t); }
long double mars_longitude(long double t) { return evaluer(mars_v, L, t); }
long double mars_latitude(long double t) { return evaluer(mars_v, B, t); }
long double mars_rayon(long double t) { return evaluer(mars_v, R, t); }
long double jupiter_longitude(long double t) { return evaluer(jupiter_v, L, t); }
long double jupiter_latitude(long double t) { return evaluer(jupiter_v, B, t); }
long double jupiter_rayon(long double t) { return evaluer(jupiter_v, R, t); }
long double saturne_longitude(long double t) { return evaluer(saturne_v, L, t); }
long double saturne_latitude(long double t) { return evaluer(saturne_v, B, t); }
long double saturne_rayon(long double t) { return evaluer(saturne_v, R, t); }
long double uranus_longitude(long double t) { return evaluer(uranus_v, L, t); }
long double uranus_latitude(long double t) { return evaluer(uranus_v, B, t); }
long double uranus_rayon(long double t) { return evaluer(uranus_v, R, t); }
long double neptune_longitude(long double t) { return evaluer(neptune_v, L, t); }
long double neptune_latitude(long double t) { return evaluer(neptune_v, B, t); }
long double neptune_rayon(long double t) { return evaluer(neptune_v, R, t); }

// All three coordinates at once.
lbr mercure_lbr(long double t) { return evaluer_lbr(mercure_v, t); }
lbr venus_lbr(long double t) { return evaluer_lbr(venus_v, t); }
lbr terre_lbr(long double t) { return evaluer_lbr(terre_v, t); }
lbr mars_lbr(long double t) { return evaluer_lbr(mars_v, t); }
lbr jupiter_lbr(long double t) { return evaluer_lbr(jupiter_v, t); }
lbr saturne_lbr(long double t) { return evaluer_lbr(saturne_v, t); }
lbr uranus_lbr(long double t) { return evaluer_lbr(uranus_v, t); }
lbr neptune_lbr(long double t) { return evaluer_lbr(neptune_v, t); }

// Short series.
long double mercure_l(long double t) { return mercure_l_courte(t); }
long double mercure_b(long double t) { return mercure_b_courte(t); }
long double mercure_r(long double t) { return mercure_r_courte(t); }
long double venus_l(long double t) { return venus_l_courte(t); }
long double venus_b(long double t) { return venus_b_courte(t); }
long double venus_r(long double t) { return venus_r_courte(t); }
long double terre_l(long double t) { return terre_l_courte(t); }
long double terre_r(long double t) { return terre_r_courte(t); }
long double mars_l(long double t) { return mars_l_courte(t); }
long double mars_b(long double t) { return mars_b_courte(t); }
long double mars_r(long double t) { return mars_r_courte(t); }
long double jupiter_l(long double t) { return jupiter_l_courte(t); }
long double jupiter_b(long double t) { return jupiter_b_courte(t); }
long double jupiter_r(long double t) { return jupiter_r_courte(t); }
long double saturne_l(long double t) { return saturne_l_courte(t); }
long double saturne_b(long double t) { return saturne_b_courte(t); }
long double saturne_r(long double t) { return saturne_r_courte(t); }
long double uranus_l(long double t) { return uranus_l_courte(t); }
long double uranus_b(long double t) { return uranus_b_courte(t); }
long double uranus_r(long double t) { return uranus_r_courte(t); }
long double neptune_l(long double t) { return neptune_l_courte(t); }
long double neptune_b(long double t) { return neptune_b_courte(t); }
long double neptune_r(long double t) { return neptune_r_courte(t); }
// clang-format on

}  // namespace planseries
