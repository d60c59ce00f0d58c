#include "calcul/planete.h"

#include <planseries/angle.h>
#include <planseries/planseries.h>

#include <cmath>

#include "calcul/lever_coucher.h"

namespace almanax {

namespace {

// Mercury to Neptune, by index (Pluto has its own completed sums): the three series
// of a planet in one pass.
constexpr planseries::lbr (*series[])(long double) = {
    planseries::mercure_lbr, planseries::venus_lbr,   planseries::terre_lbr,  planseries::mars_lbr,
    planseries::jupiter_lbr, planseries::saturne_lbr, planseries::uranus_lbr, planseries::neptune_lbr,
};

// The Earth's three series at t into the state.
void prendre_terre(etat_position& e) {
  const coord_heliocentriques terre = heliocentrique(planete::terre, e.t);
  e.L0 = terre.L;
  e.B0 = terre.B;
  e.R0 = terre.R;
}

// Heliocentric ecliptic rectangular coordinates.
vecteur3 rectangulaire(const coord_heliocentriques& h) {
  return {h.R * planseries::cos_rapide(h.B) * planseries::cos_rapide(h.L),
          h.R * planseries::cos_rapide(h.B) * planseries::sin_rapide(h.L), h.R * planseries::sin_rapide(h.B)};
}

// Geocentric ecliptic vector of the planet from the state's heliocentric values and
// the Earth's vector (the state's L0, B0, R0 turned by rectangulaire).
void vecteur_geocentrique(etat_position& e, const vecteur3& terre) {
  const vecteur3 p = rectangulaire({e.L, e.B, e.R});
  e.x = p.x - terre.x;
  e.y = p.y - terre.y;
  e.z = p.z - terre.z;
  e.Delta = std::sqrt(e.x * e.x + e.y * e.y + e.z * e.z);
}

void vecteur_geocentrique(etat_position& e) {
  vecteur_geocentrique(e, rectangulaire({e.L0, e.B0, e.R0}));
}

// Pluto's heliocentric vector, ecliptic J2000 turned to the equator J2000.
void vecteur_pluton(etat_position& e) {
  const vecteur3 v = ecliptique_j2000_vers_equateur_j2000(
      {e.R * planseries::cos_rapide(e.B) * planseries::cos_rapide(e.L),
       e.R * planseries::cos_rapide(e.B) * planseries::sin_rapide(e.L), e.R * planseries::sin_rapide(e.B)});
  e.x = v.x;
  e.y = v.y;
  e.z = v.z;
}

void prendre_heliocentrique(planete p, etat_position& e) {
  const coord_heliocentriques h = heliocentrique(p, e.t);
  e.L = h.L;
  e.B = h.B;
  e.R = h.R;
}

}  // namespace

std::optional<planete> planete_de_index(int index) {
  if (index < 0 || index >= nombre_planetes) return std::nullopt;
  return static_cast<planete>(index);
}

coord_heliocentriques heliocentrique(planete p, long double t) {
  if (p == planete::pluton) {
    const long double T = 10.0L * t;
    return {(238.956785L + 144.96L * T + planseries::pluton_longitude(deg_rad, t) * 1e-6L) * deg_rad,
            (planseries::pluton_latitude(deg_rad, t) * 1e-6L - 3.908202L) * deg_rad,
            40.7247248L + planseries::pluton_rayon(deg_rad, t) * 1e-7L};
  }
  const planseries::lbr c = series[static_cast<int>(p)](t);
  return {c.l, c.b, c.r};
}

vecteur3 geocentrique(const coord_heliocentriques& p, const coord_heliocentriques& t) {
  const vecteur3 a = rectangulaire(p), b = rectangulaire(t);
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

namespace {

// The aberration step after the geocentric vector: see aberation.
void apres_vecteur(etat_position& e, long double jd) {
  // The Earth again, at the instant the light left the planet.
  e.t = temps_t(jd - temps_lumiere(e.Delta));
  prendre_terre(e);

  coord_ecliptiques c;
  // The direction in double, as the equatorial conversion after it: some 1e-16 of a
  // turn, far below what any page shows.
  const double x = static_cast<double>(e.x), y = static_cast<double>(e.y), z = static_cast<double>(e.z);
  c.lambda = modulo_360(std::atan2(y, x) * rad_deg);
  c.beta = std::atan2(z, std::sqrt(x * x + y * y)) * rad_deg;

  const long double T = 10.0L * e.t;
  c = aberration(c, longitude_soleil_vraie(e.L0), T);

  e.nutation = nutation_complete(e.t);
  c.lambda += e.nutation.delta_psi;
  e.lambda = c.lambda;
  e.beta = c.beta;

  const coord_equatoriales q = ecliptique_vers_equatorial(c, e.nutation.epsilon());
  e.alpha = q.alpha;
  e.delta = q.delta;
  e.alpha_3j[e.instant + 1] = e.alpha;
  e.delta_3j[e.instant + 1] = e.delta;
  e.apparent = true;
}

}  // namespace

void aberation(etat_position& e, long double jd) {
  vecteur_geocentrique(e);
  apres_vecteur(e, jd);
}

void kepler(etat_position& e) {
  e.r_pluton = e.R;

  // Obliquity polynomial applied to t in millennia, as the Pluto place has always used.
  const long double t = e.t;
  const long double eps =
      (23.4392911111L - 0.0130041666667L * t - 0.0000001638888889L * t * t + 0.00000050361111111L * t * t * t) *
      deg_rad;
  const long double cl = planseries::cos_rapide(e.L), sl = planseries::sin_rapide(e.L),
                    cb = planseries::cos_rapide(e.B), sb = planseries::sin_rapide(e.B);
  e.x = e.R * cb * cl;
  e.y = e.R * (planseries::cos_rapide(eps) * cb * sl - planseries::sin_rapide(eps) * sb);
  e.z = e.R * (planseries::sin_rapide(eps) * cb * sl + planseries::cos_rapide(eps) * sb);

  // The Sun seen from the Earth, ecliptic J2000, then the FK5 equator.
  const long double theta = (modulo_360(planseries::terre2_longitude(t) * rad_deg) + 180.0L) * deg_rad;
  const long double beta_s = -planseries::terre2_latitude(t);
  const long double r_s = planseries::terre_rayon(t);
  const vecteur3 soleil = ecliptique_j2000_vers_fk5(
      {r_s * planseries::cos_rapide(beta_s) * planseries::cos_rapide(theta),
       r_s * planseries::cos_rapide(beta_s) * planseries::sin_rapide(theta), r_s * planseries::sin_rapide(beta_s)});

  const direction d = direction_de({e.x + soleil.x, e.y + soleil.y, e.z + soleil.z});
  e.Delta = d.distance;
  e.alpha = d.alpha;
  e.delta = d.delta;
  e.alpha_3j[e.instant + 1] = e.alpha;
  e.delta_3j[e.instant + 1] = e.delta;
  e.apparent = true;
}

void position_instant(planete p, long double jd, int k, etat_position& e) {
  e.instant = k;
  e.apparent = false;
  e.t = temps_t(jd + k);
  prendre_heliocentrique(p, e);
  e.longitude_helio = modulo_360(e.L * rad_deg);
  e.latitude_helio = e.B * rad_deg;
  vecteur3 terre;  // the Earth's vector at the instant, for both steps
  if (p == planete::pluton) {
    e.R0 = planseries::terre_rayon(e.t);
    e.L0 = planseries::terre2_longitude(e.t);
    e.B0 = planseries::terre2_latitude(e.t);
    vecteur_pluton(e);
    kepler(e);
  } else {
    prendre_terre(e);
    terre = rectangulaire({e.L0, e.B0, e.R0});
    vecteur_geocentrique(e, terre);
  }
  e.Delta_geometrique = e.Delta;

  // One light-time step; the Earth stays at the instant itself.
  e.t = temps_t(jd + k - temps_lumiere(e.Delta));
  prendre_heliocentrique(p, e);

  if (p == planete::pluton) {
    vecteur_pluton(e);  // kepler's distance and direction stand
  } else {
    vecteur_geocentrique(e, terre);
    if (p != planete::terre) apres_vecteur(e, jd);
  }
}

etat_position trois_instants(planete p, long double jd, const std::function<void(etat_position&)>& etape_zero) {
  // Rising, transit and setting are the calendar day's: the three places are taken at
  // 0 h of the day before, of the day and of the day after, whatever the clock time;
  // everything else at the instant itself.
  const long double minuit = minuit_du_jour(jd);
  etat_position courant, zero;
  for (int k = -1; k <= 1; ++k) {
    position_instant(p, minuit, k, courant);
    if (k == 0 && jd == minuit) {
      if (etape_zero) etape_zero(courant);
      zero = courant;
    }
  }
  if (jd != minuit) {
    position_instant(p, jd, 0, zero);
    if (etape_zero) etape_zero(zero);
  }
  zero.alpha_3j = courant.alpha_3j;
  zero.delta_3j = courant.delta_3j;
  return zero;
}

}  // namespace almanax
