#include "calcul/lever_coucher.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "calcul/corrections.h"
#include "calcul/delta_t.h"
#include "calcul/formats.h"
#include "calcul/numerique.h"
#include "calcul/temps_civil.h"

namespace almanax {

namespace {

bool fini(long double x) {
  return std::isfinite(x);
}

bool entrees_finies(const entree_lever_coucher& e) {
  for (int i = 0; i < 3; ++i)
    if (!fini(e.alpha_3j[i]) || !fini(e.delta_3j[i])) return false;
  return fini(e.hauteur_h0) && fini(e.jour_julien) && fini(e.site.longitude) && fini(e.site.latitude);
}

// Mean sidereal time at Greenwich, hours, from the Julian centuries T.
long double temps_sideral_moyen(long double T) {
  long double s = 8640184.812L * T + 0.093104L * T * T - 0.0000062L * T * T * T;
  const long double k = int_r(std::fabs(s) / 86400.0L);
  s = s >= 0 ? s - 86400.0L * k : 86400.0L * (k + 1.0L) + s;
  return (s + 24110.54841L) / 3600.0L;
}

// A fraction of day brought into [0, 1].
long double dans_le_jour(long double m) {
  while (m < 0) m += 1.0L;
  while (m > 1) m -= 1.0L;
  return m;
}

// Interpolation on three values one day apart, n days from the middle one.
long double interpoler(long double y1, long double y2, long double y3, long double n) {
  const long double a = y2 - y1, b = y3 - y2, c = b - a;
  return y2 + (n / 2.0L) * (a + b + n * c);
}

// Right ascensions on either side of 0°/360° are made continuous with the middle
// one, so that 359° followed by 1° interpolates through 360°, not backwards.
long double raccorder(long double alpha, long double alpha_milieu) {
  return alpha_milieu - std::remainder(alpha_milieu - alpha, 360.0L);
}

enum class evenement { meridien, lever, coucher };

std::string texte_heure_evenement(long double heure, etat_evenement etat, evenement ev) {
  switch (etat) {
    case etat_evenement::normal:
      return format_hm(heure);
    case etat_evenement::pas_ce_jour:
      return ev == evenement::lever     ? texte_pas_de_lever
             : ev == evenement::coucher ? texte_pas_de_coucher
                                        : texte_pas_de_meridien;
    case etat_evenement::toujours_leve:
      return texte_toujours_leve;
    case etat_evenement::jamais_leve:
      return texte_jamais_leve;
    case etat_evenement::indetermine:
      break;
  }
  return texte_indetermine;
}

std::string texte_heures(long double heure, const std::optional<long double>& seconde, etat_evenement etat,
                         evenement ev) {
  std::string t = texte_heure_evenement(heure, etat, ev);
  if (seconde) t += " et " + format_hm(*seconde);
  return t;
}

void remplir_textes(sortie_lever_coucher& r) {
  r.texte_meridien = texte_heures(r.heure_meridien, r.second_meridien, r.etat_meridien, evenement::meridien);
  r.texte_lever = texte_heures(r.heure_lever, r.second_lever, r.etat_lever, evenement::lever);
  r.texte_coucher = texte_heures(r.heure_coucher, r.second_coucher, r.etat_coucher, evenement::coucher);
}

}  // namespace

long double minuit_du_jour(long double jour_julien) {
  return std::floor(jour_julien - 0.5L) + 0.5L;
}

sortie_lever_coucher lever_meridien_coucher(const entree_lever_coucher& e) {
  sortie_lever_coucher r;
  if (!entrees_finies(e)) {
    r.etat_meridien = r.etat_lever = r.etat_coucher = etat_evenement::indetermine;
    remplir_textes(r);
    return r;
  }

  const long double L = e.site.longitude_signee();  // positive west
  const long double phi = e.site.latitude_signee() * deg_rad;
  const long double h0 = e.hauteur_h0;

  // Sidereal time at Greenwich, mean (hours) and apparent (degrees).
  const long double T = (e.jour_julien - jd_j2000) / jours_siecle;
  const long double theta0 = temps_sideral_moyen(T);
  const etat_nutation nut = nutation_complete(temps_t(e.jour_julien));
  const long double theta0_app =
      modulo_360(15.0L * (theta0 + nut.delta_psi * std::cos(nut.epsilon() * deg_rad) / 15.0L));

  // Hour angle of the rising and setting from the middle declination.
  const long double delta2 = e.delta_3j[1] * deg_rad;
  const long double num = std::sin(h0 * deg_rad) - std::sin(phi) * std::sin(delta2);
  const long double den = std::cos(phi) * std::cos(delta2);
  etat_evenement etat_horizon = etat_evenement::normal;
  long double H0 = 0;
  if (std::fabs(num) > std::fabs(den)) {
    // |cos H0| > 1: the altitude h0 is never reached that day.
    etat_horizon = num > 0 ? etat_evenement::jamais_leve : etat_evenement::toujours_leve;
  } else if (den != 0) {
    long double c = num / den;
    if (c > 1) c = 1;
    if (c < -1) c = -1;
    H0 = std::acos(c) * rad_deg;
  } else {
    H0 = 90;  // num and den both zero: the circle of altitude h0 is the equator's
  }

  const long double alpha2 = e.alpha_3j[1];
  const long double alpha1 = raccorder(e.alpha_3j[0], alpha2);
  const long double alpha3 = raccorder(e.alpha_3j[2], alpha2);

  long double m[3];
  m[0] = dans_le_jour((alpha2 + L - theta0_app) / 360.0L);
  m[1] = dans_le_jour(m[0] - H0 / 360.0L);
  m[2] = dans_le_jour(m[0] + H0 / 360.0L);

  const long double jd_dt = e.jour_julien - 2382148.0L;
  const long double delta_t = e.delta_t_s.value_or(jd_dt * jd_dt / 41048480.0L - 15.0L);  // seconds

  // Correction of one event's fraction of day m: the transit brings the hour angle
  // to zero, the rising and the setting bring the altitude to h0.
  const auto correction = [&](int i, long double mi) -> long double {
    const long double theta = modulo_360(15.0L * theta0 + 360.985647L * mi);
    const long double n = mi + delta_t / 86400.0L;
    const long double alpha = interpoler(alpha1, alpha2, alpha3, n);
    const long double delta = interpoler(e.delta_3j[0], e.delta_3j[1], e.delta_3j[2], n) * deg_rad;
    const long double H = theta - L - alpha;
    if (i == 0) return -std::remainder(H, 360.0L) / 360.0L;
    long double s = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H * deg_rad);
    if (s > 1) s = 1;
    if (s < -1) s = -1;
    const long double h = std::asin(s) * rad_deg;
    const long double d = 360.0L * std::cos(delta) * std::cos(phi) * std::sin(H * deg_rad);
    const long double dm = (h - h0) / d;
    // A body grazing the horizon at its lowest or highest point gives no usable
    // slope: the time is left as it stands.
    return d != 0 && fini(dm) ? dm : 0.0L;
  };

  // One correction is enough for slow bodies but can leave the Moon an hour off at
  // high latitudes, where it meets the horizon at a shallow angle: the correction is
  // repeated until it no longer moves the time. Should it not settle (a body barely
  // reaching h0 that day), the time after the first correction is kept.
  const auto affiner = [&](int i, long double depart) -> long double {
    const long double une_fois = depart + correction(i, depart);
    long double affine = une_fois;
    bool stable = false;
    for (int k = 0; k < 12 && !stable; ++k) {
      const long double dm = correction(i, affine);
      affine += dm;
      stable = std::fabs(dm) < 1e-7L;
    }
    return stable && fini(affine) && std::fabs(affine - une_fois) < 0.25L ? affine : une_fois;
  };
  const auto dans_la_journee = [](long double x) { return x >= 0.0L && x < 1.0L; };

  long double resultat[3];
  etat_evenement etats[3] = {etat_evenement::normal, etat_horizon, etat_horizon};
  for (int i = 0; i < 3; ++i) {
    resultat[i] = 0;
    if (etats[i] != etat_evenement::normal) continue;
    long double x = affiner(i, m[i]);
    // Carried past midnight: the event found is the next day's (or the day before's);
    // this day's own, if it has one, is a day earlier (or later).
    if (!dans_la_journee(x)) x = affiner(i, x < 0 ? m[i] + 1.0L : m[i] - 1.0L);
    if (dans_la_journee(x)) {
      resultat[i] = x;
    } else {
      etats[i] = etat_evenement::pas_ce_jour;
    }
  }

  r.heure_meridien = resultat[0] * 24.0L;
  r.heure_lever = resultat[1] * 24.0L;
  r.heure_coucher = resultat[2] * 24.0L;
  r.etat_meridien = etats[0];
  r.etat_lever = etats[1];
  r.etat_coucher = etats[2];
  remplir_textes(r);
  return r;
}

sortie_lever_coucher lever_meridien_coucher_civil(const lieu_a_l_instant& lieu, long double jd_civil,
                                                  const site_courant& site, const fuseau_horaire& fuseau) {
  const long double debut = minuit_du_jour(jd_civil);  // 0 h on the zone's clock
  const long double fin = debut + 1.0L;
  const long double tu_debut = tu_de_civil(debut, fuseau), tu_fin = tu_de_civil(fin, fuseau);

  std::map<long double, lieu_apparent> lieux;  // the UT days share their places at 0 h
  const auto lieu_a = [&](long double jde) -> const lieu_apparent& {
    auto i = lieux.find(jde);
    if (i == lieux.end()) i = lieux.emplace(jde, lieu(jde)).first;
    return i->second;
  };

  std::vector<long double> heures[3];
  std::vector<etat_evenement> etats[3];
  for (long double d = minuit_du_jour(tu_debut); d < tu_fin; d += 1.0L) {
    entree_lever_coucher e;
    for (int k = 0; k < 3; ++k) {
      const lieu_apparent& l = lieu_a(d + k - 1);
      e.alpha_3j[k] = l.alpha;
      e.delta_3j[k] = l.delta;
    }
    e.hauteur_h0 = lieu_a(d).hauteur_h0;
    e.jour_julien = d;
    e.site = site;
    e.delta_t_s = delta_t_s(d);
    const sortie_lever_coucher s = lever_meridien_coucher(e);
    const long double h[3] = {s.heure_meridien, s.heure_lever, s.heure_coucher};
    const etat_evenement et[3] = {s.etat_meridien, s.etat_lever, s.etat_coucher};
    for (int i = 0; i < 3; ++i) {
      etats[i].push_back(et[i]);
      if (et[i] != etat_evenement::normal) continue;
      const long double civil = civil_de_tu(d + h[i] / 24.0L, fuseau);
      if (civil >= debut && civil < fin) heures[i].push_back((civil - debut) * 24.0L);
    }
  }

  sortie_lever_coucher r;
  long double* premiere[3] = {&r.heure_meridien, &r.heure_lever, &r.heure_coucher};
  std::optional<long double>* seconde[3] = {&r.second_meridien, &r.second_lever, &r.second_coucher};
  etat_evenement* etat[3] = {&r.etat_meridien, &r.etat_lever, &r.etat_coucher};
  for (int i = 0; i < 3; ++i) {
    std::sort(heures[i].begin(), heures[i].end());
    if (!heures[i].empty()) {
      *premiere[i] = heures[i].front();
      if (heures[i].size() > 1) *seconde[i] = heures[i].back();
      *etat[i] = etat_evenement::normal;
      continue;
    }
    const auto tous = [&](etat_evenement x) {
      return !etats[i].empty() &&
             std::all_of(etats[i].begin(), etats[i].end(), [x](etat_evenement y) { return y == x; });
    };
    const bool indetermine = std::any_of(etats[i].begin(), etats[i].end(),
                                         [](etat_evenement y) { return y == etat_evenement::indetermine; });
    *etat[i] = indetermine                           ? etat_evenement::indetermine
               : tous(etat_evenement::toujours_leve) ? etat_evenement::toujours_leve
               : tous(etat_evenement::jamais_leve)   ? etat_evenement::jamais_leve
                                                     : etat_evenement::pas_ce_jour;
  }
  remplir_textes(r);
  return r;
}

}  // namespace almanax
