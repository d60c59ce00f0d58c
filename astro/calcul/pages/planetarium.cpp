#include "calcul/pages/planetarium.h"

#include <planseries/planseries.h>

#include <algorithm>
#include <cmath>

#include "calcul/corrections.h"
#include "calcul/formats.h"
#include "calcul/lune.h"
#include "calcul/pages/precessions.h"
#include "calcul/rapport.h"
#include "calcul/soleil.h"

namespace almanax {

namespace {

using serie = long double (*)(long double);

// The short longitude and radius series of the heliocentric map, Mercury to Neptune.
struct series_courtes {
  serie l, r;
};
constexpr series_courtes courtes[] = {
    {planseries::mercure_l, planseries::mercure_r}, {planseries::venus_l, planseries::venus_r},
    {planseries::terre_l, planseries::terre_r},     {planseries::mars_l, planseries::mars_r},
    {planseries::jupiter_l, planseries::jupiter_r}, {planseries::saturne_l, planseries::saturne_r},
    {planseries::uranus_l, planseries::uranus_r},   {planseries::neptune_l, planseries::neptune_r},
};

// Heliocentric longitude (radians) and radius (AU) on the map: short series, or
// Pluto's completed sums carried to the date.
coord_heliocentriques place_courte(planete p, long double tau) {
  if (p == planete::pluton) return pluton_de_la_date(tau);
  const series_courtes& s = courtes[static_cast<int>(p)];
  return {s.l(tau), 0, s.r(tau)};
}

// Calendar date (astronomical year) n days after d.
date_jma decaler_jours(const date_jma& d, long long n) {
  date_de_calcul c;
  c.jour = d.jour;
  c.mois = d.mois;
  c.annee = d.annee;
  c.heure = 12;
  julien(c);
  c.jour_julien += static_cast<long double>(n);
  date_calendaire(c);
  return {entier_sature<int>(c.jour), entier_sature<int>(c.mois), entier_sature<int>(c.annee)};
}

constexpr int annee_min = -4713, annee_max = 9999;  // the year field's bounds (historical)

bool annee_permise(long long historique) {
  return historique >= annee_min && historique <= annee_max;
}

// The fields (historical year, clock time to the second) of a civil Julian day >= 0.
instant_saisi instant_du_jour_julien(long double jour_julien) {
  long double minuit = std::floor(jour_julien + 0.5L) - 0.5L;
  long long secondes = std::llround((jour_julien - minuit) * 86400.0L);
  if (secondes >= 86400) {
    minuit += 1;
    secondes -= 86400;
  }
  date_de_calcul c;
  c.jour_julien = minuit;
  date_calendaire(c);
  instant_saisi i;
  i.date = {entier_sature<int>(c.jour), entier_sature<int>(c.mois),
            static_cast<int>(annee_historique(static_cast<long long>(c.annee)))};
  i.heure = static_cast<int>(secondes / 3600);
  i.minute = static_cast<int>(secondes / 60 % 60);
  i.seconde = static_cast<int>(secondes % 60);
  return i;
}

// One hour of time forward (u = 1) or back (u = -1) from the fields read on the zone's
// clock. A clock time the fields would read as another instant (the second time a clock
// shows the night it goes back) is stepped over.
std::optional<instant_saisi> heure_civile_suivante(const instant_saisi& instant, int u, const fuseau_horaire& f) {
  long double tu = tu_de_civil(jour_julien_saisi(instant), f);
  for (int pas = 0; pas < 3; ++pas) {
    tu += u / 24.0L;
    const long double civil = civil_de_tu(tu, f);
    if (!(civil >= 0)) return std::nullopt;
    const instant_saisi r = instant_du_jour_julien(civil);
    if (!annee_permise(r.date.annee)) return std::nullopt;
    if (std::fabs(tu_de_civil(jour_julien_saisi(r), f) - tu) * 86400.0L < 0.5L) return r;
  }
  return std::nullopt;
}

}  // namespace

coord_heliocentriques pluton_de_la_date(long double tau) {
  const coord_heliocentriques h = heliocentrique(planete::pluton, tau);
  const long double cb = std::cos(h.B);
  const direction j2000 = direction_de(
      ecliptique_j2000_vers_equateur_j2000({h.R * cb * std::cos(h.L), h.R * cb * std::sin(h.L), h.R * std::sin(h.B)}));
  const coord_equatoriales date = precesser(j2000.alpha, j2000.delta, angles_de_precession(0, 10.0L * tau));
  etat_nutation n;
  n.t = tau;
  obliquite_moyenne(n);
  const coord_ecliptiques c = equatorial_vers_ecliptique(date, n.epsilon0);
  return {c.lambda * deg_rad, c.beta * deg_rad, h.R};
}

std::string avertissement_pluton(const instant_planetarium& i) {
  const int annee = i.instant.date.annee;
  if (annee >= pluton_premiere_annee && annee <= pluton_derniere_annee) return {};
  return std::string(texte_pluton_hors_serie);
}

instant_planetarium instant_de_planetarium(instant_saisi saisi, const echelle_temps& echelle) {
  saisi.date = date_hors_lacune_1582(saisi.date);
  instant_planetarium i;
  i.instant = saisi;
  const instant_lu lu = lire_instant(saisi, echelle);
  i.jour_julien = lu.jde;
  i.mention = lu.mention;
  i.tau = temps_t(i.jour_julien);
  return i;
}

std::string texte_jour_julien_simple(long double jour_julien, std::string_view separateur) {
  return "Jour Julien : " + format_float("#0.########", jour_julien, separateur);
}

pixel centre_helio(int largeur, int hauteur) {
  return {(hauteur + 20) / 2, (largeur + 20) / 2};
}

resultat_helio calcul_helio(const instant_saisi& saisi, int largeur, int hauteur, std::string_view separateur,
                            const echelle_temps& echelle) {
  resultat_helio r;
  r.instant = instant_de_planetarium(saisi, echelle);
  r.largeur = largeur;
  r.hauteur = hauteur;
  const long double tau = r.instant.tau;
  // The orbits are centred on the Sun's disc, so every planet keeps its true
  // distance from the Sun on the picture.
  const pixel c = centre_helio(largeur, hauteur);
  for (int k = 0; k < nombre_planetes; ++k) {
    planete_helio& ph = r.planetes[k];
    ph.p = static_cast<planete>(k);
    const coord_heliocentriques h = place_courte(ph.p, tau);
    ph.longitude = modulo_360(h.L * rad_deg);
    ph.rayon = h.R;
    const long double rho = ph.rayon * echelles_helio[k];
    const long double L = ph.longitude * deg_rad;
    ph.position = {static_cast<int>(int_r(c.x - rho * std::sin(L))), static_cast<int>(int_r(c.y - rho * std::cos(L)))};
    ph.texte_longitude = format_dms(ph.longitude);
    ph.texte_rayon = format_float("#0.000000", ph.rayon, separateur) + " U.A.";
  }
  const date_jma& d = r.instant.instant.date;
  r.titre = "Configuration héliocentrique des planètes le " + std::to_string(d.jour) + " " + nom_du_mois(d.mois) + " " +
            std::to_string(d.annee) + entre_parentheses(r.instant.mention);
  r.jour_julien = texte_jour_julien_simple(r.instant.jour_julien, separateur);
  r.avertissement_pluton = avertissement_pluton(r.instant);
  return r;
}

place_geocentrique position_geocentrique_simple(const coord_heliocentriques& corps, const coord_heliocentriques& terre,
                                                long double obliquite) {
  const vecteur3 v = geocentrique(corps, terre);
  place_geocentrique p;
  p.distance = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  coord_ecliptiques c;
  c.lambda = modulo_360(std::atan2(v.y, v.x) * rad_deg);
  c.beta = std::atan(v.z / std::sqrt(v.x * v.x + v.y * v.y)) * rad_deg;
  const coord_equatoriales q = ecliptique_vers_equatorial(c, obliquite);
  p.alpha = q.alpha;
  p.delta = q.delta;
  return p;
}

pixel pixel_geo(long double alpha, long double delta, int hauteur) {
  return {arrondi(alpha / 15.0L * pixels_par_heure_geo), equateur_geo(hauteur) - arrondi(pixels_par_degre_geo * delta)};
}

resultat_geo calcul_geo(const instant_saisi& saisi, int largeur, int hauteur, std::string_view separateur,
                        const echelle_temps& echelle) {
  resultat_geo r;
  r.instant = instant_de_planetarium(saisi, echelle);
  r.largeur = largeur;
  r.hauteur = hauteur;
  const long double tau = r.instant.tau;
  // The panel shows the places to the arcsecond: the full series, not the short
  // drawing ones (those put Mercury up to 2° off).
  const coord_heliocentriques terre = heliocentrique(planete::terre, tau);

  auto placer = [&](corps_geo c, long double alpha, long double delta, long double distance) {
    astre_geo& a = r.astres[static_cast<int>(c)];
    a.corps = c;
    a.alpha = alpha;
    a.delta = delta;
    a.distance = distance;
    a.position = pixel_geo(alpha, delta, hauteur);
    a.texte_alpha = format_hms(alpha);
    a.texte_delta = format_dms_signe(delta);
  };

  constexpr planete planetes_geo[] = {planete::mercure, planete::venus,  planete::mars,    planete::jupiter,
                                      planete::saturne, planete::uranus, planete::neptune, planete::pluton};
  for (int k = 0; k < 8; ++k) {
    const planete p = planetes_geo[k];
    const place_geocentrique g = position_geocentrique_simple(
        p == planete::pluton ? pluton_de_la_date(tau) : heliocentrique(p, tau), terre, obliquite_geo);
    placer(static_cast<corps_geo>(k), g.alpha, g.delta, g.distance);
  }

  // The Moon's series already gives a geocentric place (mean equinox of date).
  const position_lune lune = position_de_la_lune(tau * 10.0L);
  const place_geocentrique gl =
      position_geocentrique_simple({lune.lambda * deg_rad, lune.beta * deg_rad, lune.distance}, {}, obliquite_geo);
  placer(corps_geo::lune, gl.alpha, gl.delta, gl.distance);

  const position_soleil soleil = position_du_soleil(r.instant.jour_julien);
  placer(corps_geo::soleil, soleil.alpha, soleil.delta, soleil.distance);

  const instant_saisi& i = r.instant.instant;
  r.titre = "Configuration géocentrique le " + std::to_string(i.date.jour) + " " + nom_du_mois(i.date.mois) + " " +
            std::to_string(i.date.annee) + "  à " + texte_heure(i.heure, i.minute, i.seconde) +
            entre_parentheses(r.instant.mention);
  r.jour_julien = "Jour Julien :" + format_float("#0.00000", r.instant.jour_julien, separateur);
  r.avertissement_pluton = avertissement_pluton(r.instant);
  return r;
}

std::string liste_corps_geo(const std::array<bool, nombre_corps_geo>& montres) {
  std::string s;
  for (int k = 0; k < nombre_corps_geo; ++k)
    if (montres[k]) s += (s.empty() ? "- " : ", ") + std::string(noms_corps_geo[k]);
  return s;
}

std::optional<date_jma> pas_helio(const date_jma& date, intervalle_helio intervalle, sens_pas sens) {
  const int u = sens == sens_pas::avant ? 1 : -1;
  date_jma d = date;
  switch (intervalle) {
    case intervalle_helio::jour:
      d.jour += u;
      break;
    case intervalle_helio::mois:
      d.mois += u;
      break;
    case intervalle_helio::an:
      d.annee += u;
      break;
  }
  // The year the step lands in, before the normalisation carries it (which needs a
  // Julian day of the calendar's range).
  long long a = d.annee;
  if (d.mois < 1) --a;
  if (d.mois > 12) ++a;
  const int m = d.mois < 1 ? 12 : (d.mois > 12 ? 1 : d.mois);
  if (!annee_permise(a)) return std::nullopt;
  if (a == annee_min && m == 1 && d.jour < 1) return std::nullopt;
  if (a == annee_max && m == 12 && d.jour > 31) return std::nullopt;
  return normaliser_date(d, sens);
}

std::optional<instant_saisi> pas_geo(const instant_saisi& instant, intervalle_geo intervalle, sens_pas sens,
                                     const echelle_temps& echelle) {
  const int u = sens == sens_pas::avant ? 1 : -1;
  if (intervalle == intervalle_geo::heure && echelle.legale())
    return heure_civile_suivante(instant, u, *echelle.fuseau());
  instant_saisi r = instant;
  date_jma d{instant.date.jour, instant.date.mois, static_cast<int>(annee_astronomique(instant.date.annee))};
  long long jours = 0;
  int mois = 0;
  switch (intervalle) {
    case intervalle_geo::heure:
      r.heure += u;
      if (r.heure > 23) {
        r.heure = 0;
        jours = 1;
      } else if (r.heure < 0) {
        r.heure = 23;
        jours = -1;
      }
      break;
    case intervalle_geo::jour:
      jours = u;
      break;
    case intervalle_geo::sept_jours:
      jours = 7 * u;
      break;
    case intervalle_geo::mois:
      mois = u;
      break;
    case intervalle_geo::six_mois:
      mois = 6 * u;
      break;
    case intervalle_geo::an:
      mois = 12 * u;
      break;
  }
  if (mois != 0) {
    long long m = d.mois + mois, a = d.annee;
    while (m > 12) m -= 12, ++a;
    while (m < 1) m += 12, --a;
    if (!annee_permise(annee_historique(a))) return std::nullopt;
    d.mois = static_cast<int>(m);
    d.annee = static_cast<int>(a);
    d.jour = std::min(d.jour, jours_du_mois(d.mois, d.annee));
    // The days the calendar skipped in October 1582.
    if (d.annee == 1582 && d.mois == 10 && d.jour > 4 && d.jour < 15) d.jour = sens == sens_pas::avant ? 15 : 4;
  }
  if (jours != 0) {
    const long long a = annee_historique(d.annee);
    // Julian days start on 1 January 4713 BC; the year field stops at 9999.
    if ((a == annee_min && d.mois == 1 && d.jour + jours < 1) ||
        (a == annee_max && d.mois == 12 && d.jour + jours > 31))
      return std::nullopt;
    d = decaler_jours(d, jours);
  }
  r.date = {d.jour, d.mois, static_cast<int>(annee_historique(d.annee))};
  if (!annee_permise(r.date.annee)) return std::nullopt;
  return r;
}

}  // namespace almanax
