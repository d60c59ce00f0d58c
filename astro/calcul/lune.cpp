#include "calcul/lune.h"

#include <planseries/angle.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

#include "calcul/corrections.h"
#include "calcul/formats.h"
#include "calcul/numerique.h"
#include "calcul/table_lune.h"

namespace almanax {

namespace {

// A polynomial in T (degrees), reduced to one turn, in radians.

// The Moon's distance from the Earth's centre in km at 385000.56 km + the sum.
constexpr long double distance_moyenne_km = 385000.56L;
constexpr long double rayon_terre_km = 6378.14L;
// Ratio of the Moon's radius to the Earth's equatorial radius.
constexpr long double rapport_rayon_lune = 0.272481L;
// The fixed Sun distance of the phase computation, km.
constexpr long double distance_soleil_km = 149971520.0L;

}  // namespace

arguments_lunaires arguments_lunaires_de(long double T) {
  const long double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  arguments_lunaires a;
  a.Lp = radians_reduits(218.3164591L + 481267.88134236L * T - 0.0013268L * T2 + T3 / 538841.0L - T4 / 65194000.0L);
  a.D = radians_reduits(297.8502042L + 445267.1115168L * T - 0.00163L * T2 + T3 / 545868.0L - T4 / 113065000.0L);
  a.M = radians_reduits(357.5291092L + 35999.0502909L * T - 0.0001536L * T2 + T3 / 24490000.0L);
  a.Mp = radians_reduits(134.9634114L + 477198.8676313L * T + 0.008997L * T2 + T3 / 69699.0L - T4 / 14712000.0L);
  a.F = radians_reduits(93.2720993L + 483202.0175273L * T - 0.0034029L * T2 - T3 / 3526000.0L + T4 / 86331000.0L);
  a.A1 = radians_reduits(119.75L + 131.849L * T);
  a.A2 = radians_reduits(53.09L + 479264.29L * T);
  a.A3 = radians_reduits(313.45L + 481266.484L * T);
  a.E = 1.0L - 0.002516L * T - 0.0000074L * T2;
  return a;
}

namespace {

// The rows of one table laid out for the loops: the four multipliers as doubles, and
// for each row the power of E it carries.
template <std::size_t N>
struct lignes_lune {
  double d[N], m[N], mp[N], f[N];
  int puissance_e[N];
};

template <std::size_t N, class Terme>
lignes_lune<N> disposer(const std::array<Terme, N>& table) {
  lignes_lune<N> l;
  for (std::size_t i = 0; i < N; ++i) {
    const Terme& t = table[i];
    l.d[i] = t.d;
    l.m[i] = t.m;
    l.mp[i] = t.mp;
    l.f[i] = t.f;
    l.puissance_e[i] = t.m < 0 ? -t.m : t.m;
  }
  return l;
}

// d D + m M + m' M' + f F of every row: the four angles are already within one turn
// and the multipliers small, so the arguments are formed in double (good to a few
// 1e-15 rad).
template <std::size_t N>
void angles(const lignes_lune<N>& l, const arguments_lunaires& a, double (&angle)[N]) {
  const double D = static_cast<double>(a.D), M = static_cast<double>(a.M), Mp = static_cast<double>(a.Mp),
               F = static_cast<double>(a.F);
  for (std::size_t i = 0; i < N; ++i) angle[i] = l.d[i] * D + l.m[i] * M + l.mp[i] * Mp + l.f[i] * F;
}

const auto lignes_lr = disposer(table_lune_lr);
const auto lignes_b = disposer(table_lune_b);
constexpr std::size_t n_lr = table_lune_lr.size(), n_b = table_lune_b.size();
static_assert(n_lr == n_b, "the three sums run in one loop");

// The three periodic sums without their additive terms: coefficient * E^|m| * sine
// (or cosine for the distance) over the rows, each summed in extended precision in
// table order (a row whose coefficient is zero adds an exact zero). The longitude
// and the distance share their arguments; the three sums run in one loop, so their
// additions overlap.
struct sommes_periodiques {
  long double l = 0, r = 0, b = 0;
};

sommes_periodiques sommer(const arguments_lunaires& a, bool avec_l, bool avec_r, bool avec_b) {
  const long double puissances_e[3] = {1.0L, a.E, a.E * a.E};
  double angle_lr[n_lr], angle_b[n_b], sinus_lr[n_lr], cosinus_lr[n_lr], sinus_b[n_b];
  if (avec_l || avec_r) angles(lignes_lr, a, angle_lr);
  if (avec_b) angles(lignes_b, a, angle_b);
  if (avec_l) planseries::sinus_reduits(angle_lr, sinus_lr, n_lr);
  if (avec_r) planseries::cosinus_reduits(angle_lr, cosinus_lr, n_lr);
  if (avec_b) planseries::sinus_reduits(angle_b, sinus_b, n_b);
  auto terme_l = [&](std::size_t i) {
    return table_lune_lr[i].l * puissances_e[lignes_lr.puissance_e[i]] * sinus_lr[i];
  };
  auto terme_r = [&](std::size_t i) {
    return table_lune_lr[i].r * puissances_e[lignes_lr.puissance_e[i]] * cosinus_lr[i];
  };
  auto terme_b = [&](std::size_t i) { return table_lune_b[i].b * puissances_e[lignes_b.puissance_e[i]] * sinus_b[i]; };
  sommes_periodiques s;
  if (avec_l && avec_r && avec_b) {
    for (std::size_t i = 0; i < n_lr; ++i) {
      s.l += terme_l(i);
      s.r += terme_r(i);
      s.b += terme_b(i);
    }
    return s;
  }
  for (std::size_t i = 0; avec_l && i < n_lr; ++i) s.l += terme_l(i);
  for (std::size_t i = 0; avec_r && i < n_lr; ++i) s.r += terme_r(i);
  for (std::size_t i = 0; avec_b && i < n_b; ++i) s.b += terme_b(i);
  return s;
}

// Actions of Venus and Jupiter, and of the flattening of the Earth.
long double additifs_longitude(const arguments_lunaires& a) {
  return 3958.0L * planseries::sin_rapide(a.A1) + 1962.0L * planseries::sin_rapide(a.Lp - a.F) +
         318.0L * planseries::sin_rapide(a.A2);
}

long double additifs_latitude(const arguments_lunaires& a) {
  return -2235.0L * planseries::sin_rapide(a.Lp) + 382.0L * planseries::sin_rapide(a.A3) +
         175.0L * planseries::sin_rapide(a.A1 - a.F) + 175.0L * planseries::sin_rapide(a.A1 + a.F) +
         127.0L * planseries::sin_rapide(a.Lp - a.Mp) - 115.0L * planseries::sin_rapide(a.Lp + a.Mp);
}

}  // namespace

long double sin_long(const arguments_lunaires& a) {
  return sommer(a, true, false, false).l + additifs_longitude(a);
}

long double cos_r(const arguments_lunaires& a) {
  return sommer(a, false, true, false).r;
}

long double sin_lat(const arguments_lunaires& a) {
  return sommer(a, false, false, true).b + additifs_latitude(a);
}

long double distance_lune(long double somme_r) {
  return distance_moyenne_km + somme_r / 1000.0L;
}

long double parallaxe_lune(long double distance_km) {
  // The ratio stays below 1 for any distance the series can give; the clamp only
  // keeps a nonsense distance from turning into a NaN.
  const long double r = std::clamp(rayon_terre_km / distance_km, -1.0L, 1.0L);
  return std::asin(r) * rad_deg;
}

position_lune position_de_la_lune(const arguments_lunaires& a) {
  position_lune p;
  const sommes_periodiques s = sommer(a, true, true, true);
  p.somme_l = s.l + additifs_longitude(a);
  p.somme_r = s.r;
  p.somme_b = s.b + additifs_latitude(a);
  p.lambda = a.Lp * rad_deg + p.somme_l / 1.0e6L;
  p.beta = p.somme_b / 1.0e6L;
  p.distance = distance_lune(p.somme_r);
  p.parallaxe = parallaxe_lune(p.distance);
  return p;
}

position_lune position_de_la_lune(long double T) {
  return position_de_la_lune(arguments_lunaires_de(T));
}

long double diametre_apparent_lune(long double parallaxe) {
  return 2.0L * std::asin(rapport_rayon_lune * planseries::sin_rapide(parallaxe * deg_rad)) * rad_deg;
}

phase_lune phase_de_la_lune(long double T, long double alpha, long double delta, long double distance_km) {
  // A low-precision Sun: mean longitude, mean anomaly and equation of the centre.
  const long double T2 = T * T, T3 = T2 * T;
  const long double L0 = modulo_360(280.46645L + 36000.76983L * T + 0.0003032L * T2);
  const long double M = (357.5291L + 35999.0503L * T - 0.0001559L * T2 - 0.00000048L * T3) * deg_rad;
  const long double C = (1.9146L - 0.004817L * T - 0.000014L * T2) * planseries::sin_rapide(M) +
                        (0.019993L - 0.000101L * T) * planseries::sin_rapide(2.0L * M) +
                        0.00029L * planseries::sin_rapide(3.0L * M);
  phase_lune p;
  p.longitude_soleil = L0 + C;

  const etat_nutation n = nutation_complete(T / 10.0L);
  const coord_equatoriales soleil = ecliptique_vers_equatorial({p.longitude_soleil, 0.0L}, n.epsilon());

  const long double d0 = soleil.delta * deg_rad, d = delta * deg_rad;
  // Rounding can push the cosine a hair past +-1 when the two bodies line up.
  const long double cos_psi =
      std::clamp(std::sin(d0) * std::sin(d) + std::cos(d0) * std::cos(d) * std::cos((soleil.alpha - alpha) * deg_rad),
                 -1.0L, 1.0L);
  const long double psi = std::acos(cos_psi);
  p.elongation = psi * rad_deg;

  const long double denominateur = distance_km - distance_soleil_km * std::cos(psi);
  p.angle_de_phase = std::atan(distance_soleil_km * std::sin(psi) / denominateur) * rad_deg;
  if (denominateur < 0) p.angle_de_phase += 180.0L;
  p.fraction = (1.0L + std::cos(p.angle_de_phase * deg_rad)) / 2.0L * 100.0L;
  return p;
}

std::string texte_dms_lune(long double degres) {
  // The shared angle text, closed by a double quote instead of two apostrophes.
  std::string s = format_dms_abs(degres);
  if (s.ends_with("''")) s.replace(s.size() - 2, 2, "\"");
  return s;
}

std::string texte_hms_lune(long double degres) {
  // The shared hour text, except that a right ascension rounding up to 24 h shows 0 h.
  std::string s = format_hms(degres);
  if (s.starts_with("24 h")) s.replace(0, 2, "0");
  return s;
}

namespace {

struct lieu {
  position_lune p;
  etat_nutation n;
  long double lambda = 0, epsilon = 0;
  coord_equatoriales eq;
};

lieu lieu_a(long double jd) {
  lieu l;
  const long double T = (jd - jd_j2000) / jours_siecle;
  l.p = position_de_la_lune(T);
  l.n = nutation_complete(T / 10.0L);
  // Nutation only: the series already give the Moon's apparent direction
  // apart from it, and no aberration is applied.
  l.lambda = l.p.lambda + l.n.delta_psi;
  l.epsilon = l.n.epsilon();
  l.eq = ecliptique_vers_equatorial({l.lambda, l.p.beta}, l.epsilon);
  return l;
}

}  // namespace

lieu_apparent lieu_de_la_lune(long double jde) {
  const lieu l = lieu_a(jde);
  return {l.eq.alpha, l.eq.delta, hauteur_h0_lune(l.p.parallaxe), l.p.parallaxe};
}

ephemeride_lune ephemeride_de_la_lune(long double jour_julien, const site_courant& site, std::string_view separateur) {
  ephemeride_lune e;
  e.jour_julien = jour_julien;

  // Rising, transit and setting are the calendar day's: from 0 h of the day before,
  // of the day and of the day after (and the parallax of 0 h), whatever the clock time.
  const long double minuit = minuit_du_jour(jour_julien);
  long double parallaxe_minuit = 0;
  std::optional<lieu> a_minuit;
  for (int k = -1; k <= 1; ++k) {
    lieu l = lieu_a(minuit + k);
    e.alpha_3j[k + 1] = l.eq.alpha;
    e.delta_3j[k + 1] = l.eq.delta;
    if (k == 0) {
      parallaxe_minuit = l.p.parallaxe;
      a_minuit = std::move(l);
    }
  }
  const lieu l = jour_julien == minuit ? *a_minuit : lieu_a(jour_julien);
  const long double T = (jour_julien - jd_j2000) / jours_siecle;
  e.geocentrique = l.p;
  // The sums can carry the longitude a few degrees below 0 or past 360: the page
  // shows it within one turn.
  e.lambda = modulo_360(l.lambda);
  e.beta = l.p.beta;
  e.alpha = l.eq.alpha;
  e.delta = l.eq.delta;
  e.distance = l.p.distance;
  e.parallaxe = l.p.parallaxe;
  e.delta_psi = l.n.delta_psi;
  e.epsilon = l.epsilon;
  e.phase = phase_de_la_lune(T, l.eq.alpha, l.eq.delta, l.p.distance);

  e.diametre = diametre_apparent_lune(e.parallaxe);
  e.fraction_arrondie = static_cast<int>(round_i(e.phase.fraction));
  e.croissante = modulo_360(e.lambda - e.phase.longitude_soleil) < 180.0L;

  e.hauteur_h0 = hauteur_h0_lune(parallaxe_minuit);
  entree_lever_coucher lc;
  lc.alpha_3j = e.alpha_3j;
  lc.delta_3j = e.delta_3j;
  lc.hauteur_h0 = e.hauteur_h0;
  lc.jour_julien = minuit;
  lc.site = site;
  e.lever_coucher = lever_meridien_coucher(lc);

  e.textes.longitude = texte_dms_lune(e.lambda);
  e.textes.latitude = texte_dms_lune(e.beta);
  e.textes.ascension_droite = texte_hms_lune(e.alpha);
  e.textes.declinaison = texte_dms_lune(e.delta);
  e.textes.distance_terre = format_float("### ##0.###0", e.distance, separateur);
  e.textes.parallaxe = texte_dms_lune(e.parallaxe);
  e.textes.fraction_illuminee = format_float("#0.##0 ", e.phase.fraction, separateur);
  // Three decimals of a degree, then one space.
  e.textes.diametre_apparent = format_float("#0.##0 ", e.diametre, separateur);
  e.textes.heure_lever = e.lever_coucher.texte_lever;
  e.textes.heure_meridien = e.lever_coucher.texte_meridien;
  e.textes.heure_coucher = e.lever_coucher.texte_coucher;
  return e;
}

}  // namespace almanax
