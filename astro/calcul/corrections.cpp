#include "calcul/corrections.h"

#include <planseries/angle.h>
#include <planseries/planseries.h>

#include <algorithm>
#include <cmath>

#include "calcul/table_nutation.h"

namespace almanax {

namespace {

constexpr std::size_t nombre_termes = std::size(table_nutation);
// The terms and one of zero multipliers and coefficients, for whole groups of four.
constexpr std::size_t places = nombre_termes + 1;

// The table as columns of doubles, for the loops over the terms: the multipliers of
// the five arguments and the four coefficients.
struct colonnes_nutation {
  double d[places] = {}, m[places] = {}, mp[places] = {}, f[places] = {}, omega[places] = {};
  double s[places] = {}, s_t[places] = {}, c[places] = {}, c_t[places] = {};
};

const colonnes_nutation& colonnes() {
  static const colonnes_nutation col = [] {
    colonnes_nutation k;
    for (std::size_t i = 0; i < nombre_termes; ++i) {
      const terme_nutation& t = table_nutation[i];
      k.d[i] = t.d;
      k.m[i] = t.m;
      k.mp[i] = t.mp;
      k.f[i] = t.f;
      k.omega[i] = t.omega;
      k.s[i] = static_cast<double>(t.s);
      k.s_t[i] = static_cast<double>(t.s_t);
      k.c[i] = static_cast<double>(t.c);
      k.c_t[i] = static_cast<double>(t.c_t);
    }
    return k;
  }();
  return col;
}

// The five fundamental arguments of n.t, reduced to one turn in extended precision.
void arguments_fondamentaux(etat_nutation& n) {
  const long double T = 10.0L * n.t;
  const long double T2 = T * T, T3 = T2 * T;
  n.D = radians_reduits(297.85036L + 445267.111480L * T - 0.0019142L * T2 + T3 / 189474.0L);
  n.M = radians_reduits(357.52772L + 35999.050340L * T - 0.0001603L * T2 - T3 / 300000.0L);
  n.Mp = radians_reduits(134.96298L + 477198.867398L * T + 0.0086972L * T2 + T3 / 56250.0L);
  n.F = radians_reduits(93.27191L + 483202.017538L * T - 0.0036825L * T2 + T3 / 327270.0L);
  n.Omega = radians_reduits(125.04452L - 1934.136261L * T + 0.0020708L * T2 + T3 / 450000.0L);
}

// Every term's argument in double, brought back to [-pi, pi]: the fundamental
// arguments are already reduced and the multipliers small whole numbers, so the
// argument is good to some 1e-14 rad, a few 1e-13" of nutation.
void arguments(const etat_nutation& n, double (&a)[places]) {
  const colonnes_nutation& k = colonnes();
  const double D = static_cast<double>(n.D), M = static_cast<double>(n.M), Mp = static_cast<double>(n.Mp),
               F = static_cast<double>(n.F), Omega = static_cast<double>(n.Omega);
  constexpr double deux_pi = 6.283185307179586476925286766559, inverse_deux_pi = 0.15915494309189533576888376337251;
  for (std::size_t i = 0; i < places; ++i) {
    const double x = k.d[i] * D + k.m[i] * M + k.mp[i] * Mp + k.f[i] * F + k.omega[i] * Omega;
    a[i] = x - planseries::entier_proche_double(x * inverse_deux_pi) * deux_pi;
  }
}

// Sums are in 0.0001"; to degrees.
constexpr long double unite_nutation = 0.0001L / 3600.0L;

// sum of (x + x_t T) y over the terms, in double, four partial sums so that the
// additions overlap (the padding term adds zero).
double somme(const double* x, const double* x_t, const double (&y)[places], double T) {
  static_assert(places % 4 == 0);
  double s[4] = {0, 0, 0, 0};
  for (std::size_t i = 0; i < places; i += 4)
    for (std::size_t j = 0; j < 4; ++j) s[j] += (x[i + j] + x_t[i + j] * T) * y[i + j];
  return (s[0] + s[1]) + (s[2] + s[3]);
}

}  // namespace

void nutation_obliquite(etat_nutation& n) {
  arguments_fondamentaux(n);
  double a[places], c[places];
  arguments(n, a);
  planseries::cosinus_reduits(a, c, places);
  n.delta_epsilon = somme(colonnes().c, colonnes().c_t, c, static_cast<double>(10.0L * n.t)) * unite_nutation;
}

void nutation_longitude(etat_nutation& n) {
  double a[places], sinus[places];
  arguments(n, a);
  planseries::sinus_reduits(a, sinus, places);
  n.delta_psi = somme(colonnes().s, colonnes().s_t, sinus, static_cast<double>(10.0L * n.t)) * unite_nutation;
}

void obliquite_moyenne(etat_nutation& n) {
  // Powers of U, in units of 10000 Julian years; coefficients in degrees.
  static constexpr long double c[] = {23.43929111L,  -1.3002583333L, -0.00043055556L, 0.55534722L,
                                      -0.014272222L, -0.069352778L,  -0.010847222L,   0.0019777778L,
                                      0.0077416667L, 0.0016083333L,  0.00068055556L};
  const long double U = n.t / 10.0L;
  long double e = 0;
  for (int i = 10; i >= 0; --i) e = e * U + c[i];
  n.epsilon0 = e;
}

etat_nutation nutation_complete(long double t) {
  // The pages ask for the same instant several times (the Sun and the Moon of one
  // page, a rising's places): the last one of this thread is kept.
  thread_local etat_nutation derniere;
  thread_local bool connue = false;
  if (connue && derniere.t == t) return derniere;

  etat_nutation n;
  n.t = t;
  arguments_fondamentaux(n);
  double a[places], c[places], sinus[places];
  arguments(n, a);
  planseries::cosinus_reduits(a, c, places);
  planseries::sinus_reduits(a, sinus, places);
  const colonnes_nutation& k = colonnes();
  const double T = static_cast<double>(10.0L * t);
  n.delta_epsilon = somme(k.c, k.c_t, c, T) * unite_nutation;
  n.delta_psi = somme(k.s, k.s_t, sinus, T) * unite_nutation;
  obliquite_moyenne(n);
  derniere = n;
  connue = true;
  return n;
}

long double Log10(long double x) {
  return std::log(x) / std::log(10.0L);
}

long double longitude_soleil_vraie(long double terre_longitude_rad) {
  const long double l = modulo_360(terre_longitude_rad * rad_deg);
  const long double theta = l + 180.0L;
  return theta > 360.0L ? l - 180.0L : theta;
}

coord_ecliptiques aberration(coord_ecliptiques c, long double theta, long double T) {
  const long double e = 0.016708617L - 0.000042037L * T - 0.0000001236L * T * T;
  const long double pi_terre = (102.93735L + 1.71953L * T + 0.00046L * T * T) * deg_rad;
  const long double k = constante_aberration;
  const long double l = c.lambda * deg_rad, b = c.beta * deg_rad, th = theta * deg_rad;
  const long double d_lambda =
      (-k * planseries::cos_rapide(th - l) + e * k * planseries::cos_rapide(pi_terre - l)) / planseries::cos_rapide(b);
  const long double d_beta =
      -k * planseries::sin_rapide(b) * (planseries::sin_rapide(th - l) - e * planseries::sin_rapide(pi_terre - l));
  return {c.lambda + d_lambda, c.beta + d_beta};
}

coord_equatoriales ecliptique_vers_equatorial(coord_ecliptiques c, long double epsilon) {
  const long double l = c.lambda * deg_rad, b = c.beta * deg_rad, e = epsilon * deg_rad;
  // atan2 is atan(num / cos l) with 180° added when cos l < 0, without the
  // division (a body exactly at 90° or 270° of longitude stays well defined).
  // In double: the angles come out good to some 1e-16 of a turn, far below what any
  // page shows, at a fraction of the extended functions' cost.
  const double sl = planseries::sin_rapide(l), cl = planseries::cos_rapide(l);
  const double sb = planseries::sin_rapide(b), cb = planseries::cos_rapide(b);
  const double se = planseries::sin_rapide(e), ce = planseries::cos_rapide(e);
  const double num = sl * ce - (sb / cb) * se;
  coord_equatoriales q;
  q.alpha = modulo_360(std::atan2(num, cl) * rad_deg);
  const double s = sb * ce + cb * se * sl;
  q.delta = std::asin(std::clamp(s, -1.0, 1.0)) * rad_deg;
  return q;
}

coord_ecliptiques equatorial_vers_ecliptique(coord_equatoriales q, long double epsilon) {
  const long double a = q.alpha * deg_rad, d = q.delta * deg_rad, e = epsilon * deg_rad;
  coord_ecliptiques c;
  c.lambda = modulo_360(
      std::atan2(std::sin(a) * std::cos(e) * std::cos(d) + std::sin(d) * std::sin(e), std::cos(a) * std::cos(d)) *
      rad_deg);
  const long double s = std::sin(d) * std::cos(e) - std::cos(d) * std::sin(e) * std::sin(a);
  c.beta = std::asin(std::clamp(s, -1.0L, 1.0L)) * rad_deg;
  return c;
}

vecteur3 ecliptique_j2000_vers_equateur_j2000(vecteur3 v) {
  constexpr long double c = 0.917482062L, s = 0.397777156L;  // cos, sin 23.4392911°
  return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}

vecteur3 ecliptique_j2000_vers_fk5(vecteur3 v) {
  return {v.x + 0.000000440360L * v.y - 0.000000190919L * v.z,
          -0.000000479966L * v.x + 0.917482137087L * v.y - 0.397776982902L * v.z,
          0.397776982902L * v.y + 0.917482137087L * v.z};
}

direction direction_de(vecteur3 v) {
  direction d;
  d.distance = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (d.distance == 0) return d;  // no direction: leave 0, 0
  d.alpha = modulo_360(std::atan2(v.y, v.x) * rad_deg);
  d.delta = std::asin(std::clamp(v.z / d.distance, -1.0L, 1.0L)) * rad_deg;
  return d;
}

}  // namespace almanax
