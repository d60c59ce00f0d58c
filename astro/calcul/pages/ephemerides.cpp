#include "calcul/pages/ephemerides.h"

#include <planseries/planseries.h>

#include <algorithm>
#include <cmath>

#include "calcul/formats.h"
#include "calcul/rapport.h"

namespace almanax {

namespace {

struct polynome3 {
  long double c0, c1, c2, c3;
  long double operator()(long double T) const { return c0 + T * (c1 + T * (c2 + T * c3)); }
};

struct coefficients_elements {
  long double a0;
  polynome3 L, e, i, Omega, pi;
};

// Mercury to Neptune, in planet order; mean equinox of date.
constexpr coefficients_elements table_elements[8] = {
    {0.38709831L,
     {252.250906L, 149474.072249L, 0.00030397L, 1.8e-08L},
     {0.20563175L, 2.0406e-05L, -2.84e-08L, -1.7e-10L},
     {7.004986L, 0.0018215L, -1.809e-05L, 5.3e-08L},
     {48.330893L, 1.186189L, 0.00017587L, 2.11e-07L},
     {77.456119L, 1.5564775L, 0.00029589L, 5.6e-08L}},
    {0.72332982L,
     {181.979801L, 58519.2130302L, 0.0003106L, 1.5e-08L},
     {0.00677188L, -4.7766e-05L, 9.75e-08L, 4.4e-10L},
     {3.394662L, 0.0010037L, -8.8e-07L, -7e-09L},
     {76.67992L, 0.901119L, 0.00040665L, -8e-08L},
     {131.563707L, 1.4022188L, -0.00107337L, -5.315e-06L}},
    {1.000001018L,
     {100.466449L, 36000.7698231L, 0.00030368L, 2.1e-08L},
     {0.01670862L, -4.2037e-05L, -1.236e-07L, 4e-11L},
     {0, 0, 0, 0},
     {0, 0, 0, 0},
     {102.937348L, 1.7195269L, 0.00045962L, 4.99e-07L}},
    {1.523679342L,
     {355.433275L, 19141.6964746L, 0.00031097L, 1.5e-08L},
     {0.09340062L, 9.0483e-05L, -8.06e-08L, -3.5e-10L},
     {1.849726L, -0.000601L, 1.276e-05L, -6e-09L},
     {49.558093L, 0.7720923L, 1.605e-05L, 2.325e-06L},
     {336.060234L, 1.8410331L, 0.00013515L, 3.18e-07L}},
    {5.202603191L,
     {34.351484L, 3036.3027889L, 0.00022374L, 2.5e-08L},
     {0.04849485L, 0.000163244L, -4.719e-07L, -1.97e-09L},
     {1.30327L, -0.0054966L, 4.65e-06L, -4e-09L},
     {100.464441L, 1.020955L, 0.00040117L, 5.69e-07L},
     {14.331309L, 1.6126668L, 0.00103127L, -4.569e-06L}},
    {9.554909596L,
     {50.077471L, 1223.5110141L, 0.00051952L, -3e-09L},
     {0.05550862L, -0.000346818L, -6.456e-07L, 3.38e-09L},
     {2.488878L, -0.0037363L, -1.516e-05L, 8.9e-08L},
     {113.665524L, 0.8770979L, -0.00012067L, -2.38e-06L},
     {93.056787L, 1.9637694L, 0.00083757L, 4.899e-06L}},
    {19.218446062L,
     {314.055005L, 429.8640561L, 0.00030434L, 2.6e-08L},
     {0.0462959L, -2.7337e-05L, 7.9e-08L, 2.5e-10L},
     {0.773196L, 0.0007744L, 3.749e-05L, -9.2e-08L},
     {74.005947L, 0.5211258L, 0.00133982L, 1.8516e-05L},
     {173.005159L, 1.4863784L, 0.0002145L, 4.33e-07L}},
    {30.110386869L,
     {304.348665L, 219.8833092L, 0.00030926L, 1.8e-08L},
     {0.00898809L, 6.408e-06L, -8e-10L, -5e-11L},
     {1.769952L, -0.0093082L, -7.08e-06L, 2.8e-08L},
     {131.784057L, 1.1022057L, 0.00026006L, -6.36e-07L},
     {48.123691L, 1.4262677L, 0.00037918L, -3e-09L}},
};

// Diameter at 1 AU, arcseconds (Jupiter and Saturn: equatorial).
constexpr long double diametre_1ua[9] = {6.72L, 16.82L, 0, 9.36L, 196.88L, 165.46L, 70.04L, 67.0L, 4.14L};

// Flattening terms 1 - (polar/equatorial)^2.
constexpr long double aplatissement_jupiter = 1.0L - 0.9351889475822837L * 0.9351889475822837L;
constexpr long double aplatissement_saturne = 1.0L - 0.8923002538377856L * 0.8923002538377856L;

// Speed of light used for the light-time text, km/s.
constexpr long double vitesse_lumiere = 300000.0L;

// atan(num / den) in degrees, plus 180° when den < 0: the angle in (-90°, 270°).
long double angle_quadrant(long double num, long double den) {
  long double a = std::atan(num / den) * rad_deg;
  if (den < 0) a += 180.0L;
  return a;
}

}  // namespace

std::optional<elements_orbitaux> elements_de(planete p, long double T) {
  if (p == planete::pluton) return std::nullopt;
  const coefficients_elements& c = table_elements[static_cast<int>(p)];
  elements_orbitaux el;
  el.L = modulo_360(c.L(T));
  el.a = c.a0;
  el.e = c.e(T);
  el.i = c.i(T);
  el.Omega = c.Omega(T);
  el.pi = c.pi(T);
  el.M = el.L - el.pi;
  el.omega = el.pi - el.Omega;
  return el;
}

anneaux geometrie_anneaux(long double i, long double Omega, long double lambda, long double beta, long double l,
                          long double b) {
  anneaux a;
  const long double s = std::sin(i) * std::cos(beta) * std::sin(lambda - Omega) - std::cos(i) * std::sin(beta);
  a.B = std::asin(std::clamp(s, -1.0L, 1.0L));
  const long double u1 = angle_quadrant(std::sin(i) * std::sin(b) + std::cos(i) * std::cos(b) * std::sin(l - Omega),
                                        std::cos(b) * std::cos(l - Omega));
  const long double u2 =
      angle_quadrant(std::sin(i) * std::sin(beta) + std::cos(i) * std::cos(beta) * std::sin(lambda - Omega),
                     std::cos(beta) * std::cos(lambda - Omega));
  // The two longitudes are never far apart; when they fall on either side of the
  // quadrant cut at 270° their plain difference is close to a whole turn, which
  // would add some 15 magnitudes to Saturn. Take the short way round.
  long double du = std::fabs(u1 - u2);
  if (du > 180.0L) du = 360.0L - du;
  a.delta_U = du;
  return a;
}

anneaux anneaux_de_saturne(etat_position& e, long double jd) {
  const long double T = 10.0L * e.t;
  const long double i = (28.075216L - 0.012998L * T + 0.000004L * T * T) * deg_rad;
  const long double Omega = (169.508470L + 1.394681L * T + 0.000412L * T * T) * deg_rad;

  auto prendre = [&e] {
    const coord_heliocentriques terre = heliocentrique(planete::terre, e.t);
    e.L0 = terre.L;
    e.B0 = terre.B;
    e.R0 = terre.R;
    const coord_heliocentriques s = heliocentrique(planete::saturne, e.t);
    e.L = s.L;
    e.B = s.B;
    e.R = s.R;
    const vecteur3 v = geocentrique(s, {e.L0, e.B0, e.R0});
    e.x = v.x;
    e.y = v.y;
    e.z = v.z;
  };
  prendre();
  e.t = temps_t(jd - temps_lumiere(e.Delta));
  prendre();

  const long double lambda = std::atan2(e.y, e.x);
  const long double beta = std::atan(e.z / std::sqrt(e.x * e.x + e.y * e.y));

  const long double N = 113.6655L + 0.8771L * T;
  const long double l = e.L * rad_deg, b = e.B * rad_deg, r = e.R;
  const long double l1 = l - 0.01759L / r;
  const long double b1 = b - 0.000764L * std::cos((l - N) * deg_rad) / r;
  return geometrie_anneaux(i, Omega, lambda, beta, l1 * deg_rad, b1 * deg_rad);
}

long double jup_diam(long double jd, long double alpha, long double delta) {
  const long double T0 = (jd - 2433282.5L) / jours_siecle;
  const long double a0 = (268.00L + 0.1061L * T0) * deg_rad;
  const long double d0 = (64.50L - 0.0164L * T0) * deg_rad;
  const long double a = alpha * deg_rad, d = delta * deg_rad;
  const long double s = -std::sin(d0) * std::sin(d) - std::cos(d0) * std::cos(d) * std::cos(a0 - a);
  return std::asin(std::clamp(s, -1.0L, 1.0L));
}

luminosite_planete luminosite(planete p, etat_position& e, long double jd) {
  luminosite_planete res;
  if (p == planete::terre) return res;
  if (p != planete::pluton) {
    long double c = (e.R - e.R0 * std::cos(e.B) * std::cos(e.L - e.L0)) / e.Delta;
    // Rounding can put the cosine just outside [-1, 1]; keep the square root real.
    if (c >= 1) c = 0.9999999L;
    if (c <= -1) c = -0.9999999L;
    res.angle_phase = modulo_360((std::atan(-c / std::sqrt(1 - c * c)) + 1.5708L) * rad_deg);
  }
  const long double r = p == planete::pluton ? e.r_pluton : e.R;
  res.fraction = ((r + e.Delta) * (r + e.Delta) - e.R0 * e.R0) / (4 * r * e.Delta);
  if (p == planete::saturne) res.saturne = anneaux_de_saturne(e, jd);

  const long double lg = Log10(r * e.Delta);
  const long double i = res.angle_phase;
  switch (p) {
    case planete::mercure:
      res.magnitude = 1.16L + 5 * lg + 0.02838L * (i - 50) + 0.0001023L * (i - 50) * (i - 50);
      break;
    case planete::venus:
      res.magnitude = -4.00L + 5 * lg + 0.01322L * i + 0.0000004247L * i * i * i;
      break;
    case planete::mars:
      res.magnitude = -1.30L + 5 * lg + 0.01486L * i;
      break;
    case planete::jupiter:
      res.magnitude = -8.93L + 5 * lg;
      break;
    case planete::saturne: {
      const long double B = res.saturne->B;
      res.magnitude = -8.68L + 5 * lg + 0.044L * std::fabs(res.saturne->delta_U) - 2.60L * std::sin(std::fabs(B)) +
                      1.25L * std::sin(B) * std::sin(B);
      break;
    }
    case planete::uranus:
      res.magnitude = -6.85L + 5 * lg;
      break;
    case planete::neptune:
      res.magnitude = -7.05L + 5 * lg;
      break;
    case planete::pluton:
      res.magnitude = -1.00L + 5 * lg;
      break;
    case planete::terre:
      break;
  }
  res.pourcentage = static_cast<int>(round_i(res.fraction * 100));
  return res;
}

long double diametre_apparent(planete p, const etat_position& e, long double jd, long double tilt_anneaux) {
  const long double d = diametre_1ua[static_cast<int>(p)] / e.Delta;
  if (p == planete::jupiter) {
    const long double c = std::cos(jup_diam(jd, e.alpha, e.delta));
    return d * std::sqrt(1 - aplatissement_jupiter * c * c);
  }
  if (p == planete::saturne) {
    const long double c = std::cos(tilt_anneaux);
    return d * std::sqrt(1 - aplatissement_saturne * c * c);
  }
  return d;
}

couleur_rgb couleur_planete(planete p) {
  switch (p) {
    case planete::mercure:
      return {0, 128, 0};
    case planete::venus:
      return {255, 0, 255};
    case planete::mars:
      return {255, 0, 0};
    case planete::jupiter:
      return {0, 255, 255};
    case planete::saturne:
      return {128, 0, 0};
    case planete::uranus:
      return {0, 255, 0};
    case planete::neptune:
      return {0, 0, 128};
    case planete::pluton:
      return {128, 128, 128};
    case planete::terre:
      break;
  }
  return {};
}

std::string texte_temps_lumiere(long double heures) {
  return format_hms(heures * 15.0L);
}

lieu_apparent lieu_de_la_planete(planete p, long double jde) {
  etat_position e;
  position_instant(p, jde, 0, e);
  return {e.alpha, e.delta, hauteur_h0_planete};
}

resultat_ephemerides calcul_ephemerides(const entree_ephemerides& entree) {
  resultat_ephemerides r;
  const planete p = entree.p;
  const std::string_view sep = entree.separateur;
  r.p = p;
  const instant_lu instant = lire_instant(entree.instant, entree.echelle);
  const long double jd = instant.jde;
  r.jour_julien = jd;
  r.mention = instant.mention;

  // Orbital elements (from the Julian day only).
  r.elements = elements_de(p, (jd - jd_j2000) / jours_siecle);
  r.elements_visibles = r.copie_elements_active = r.elements.has_value();
  if (r.elements) {
    const elements_orbitaux& el = *r.elements;
    r.textes.longitude_moyenne = format_dms(el.L);
    r.textes.demi_grand_axe = format_float("#0.########0", el.a, sep) + "  ";
    r.textes.excentricite = format_float("0.######0", el.e, sep) + "  ";
    r.textes.inclinaison = format_dms_signe(el.i);
    r.textes.longitude_noeud = format_dms_signe(el.Omega);
    r.textes.longitude_perihelie = format_dms_signe(el.pi);
    r.textes.anomalie_moyenne = format_dms_signe(el.M);
    r.textes.argument_perihelie = format_dms_signe(el.omega);
  }

  // Positions at the three instants; magnitude and diameter at the instant itself.
  luminosite_planete lum;
  long double diametre = 0;
  std::optional<long double> De;
  const etat_position e = trois_instants(p, jd, [&](etat_position& z) {
    if (p == planete::terre) return;
    lum = luminosite(p, z, jd);
    if (p == planete::jupiter) De = jup_diam(jd, z.alpha, z.delta);
    diametre = diametre_apparent(p, z, jd, lum.saturne ? lum.saturne->B : 0);
  });
  r.position = e;

  r.longitude = e.longitude_helio;
  r.latitude = e.latitude_helio;
  r.distance_soleil = e.R;
  r.textes.longitude_heliocentrique = format_dms(r.longitude);
  r.textes.latitude_heliocentrique = format_dms_abs(r.latitude);
  r.textes.distance_soleil = format_float("0.0000", e.R, sep);
  r.textes.distance_soleil_km = format_float("###########0.0000", e.R * km_par_ua, sep);

  if (p == planete::terre) {
    // Heliocentric values only: every geocentric field and the picture stay empty.
    r.image_vide = true;
    return r;
  }

  r.alpha = e.alpha;
  r.delta = e.delta;
  r.distance_terre = e.Delta;
  r.distance_terre_geometrique = e.Delta_geometrique;
  r.textes.ascension_droite = format_hms(e.alpha);
  r.textes.declinaison = format_dms_signe(e.delta);
  const std::string_view motif_distance = p == planete::pluton ? "0.0000" : "##0.0###";
  r.textes.distance_terre = format_float(motif_distance, e.Delta, sep);
  r.textes.distance_terre_km = format_float(motif_distance, e.Delta * km_par_ua, sep);

  r.diametre_arcsec = diametre;
  r.textes.diametre_apparent = format_float("#0.0", diametre, sep) + " \"";
  r.magnitude = lum.magnitude;
  r.textes.magnitude = format_float("#0.0", lum.magnitude, sep);
  r.fraction_illuminee = lum.fraction;
  r.textes.surface_illuminee = format_float("#00.0", round_r(lum.fraction * 10000) * 0.01L, sep);
  if (p != planete::pluton) r.angle_phase = lum.angle_phase;
  r.saturne = lum.saturne;
  r.declinaison_terre_jupiter = De;
  r.pourcentage = lum.pourcentage;
  r.couleur = couleur_planete(p);

  const long double lt = e.Delta * km_par_ua / vitesse_lumiere / 3600.0L;
  r.temps_lumiere_heures = lt;
  r.textes.temps_lumiere = texte_temps_lumiere(lt);

  entree_lever_coucher lc;
  lc.alpha_3j = e.alpha_3j;
  lc.delta_3j = e.delta_3j;
  lc.hauteur_h0 = hauteur_h0_planete;
  lc.jour_julien = minuit_du_jour(jd);
  lc.site = entree.site;
  if (const fuseau_horaire* f = entree.echelle.fuseau())
    r.lever_coucher = lever_meridien_coucher_civil([p](long double t) { return lieu_de_la_planete(p, t); },
                                                   instant.jour_julien_saisi, entree.site, *f);
  else
    r.lever_coucher = lever_meridien_coucher(lc);
  r.textes.heure_lever = r.lever_coucher->texte_lever;
  r.textes.heure_meridien = r.lever_coucher->texte_meridien;
  r.textes.heure_coucher = r.lever_coucher->texte_coucher;
  return r;
}

std::string copie_ephemerides(const resultat_ephemerides& r, const cases_ephemerides& cases, std::string_view jour,
                              long double mois, std::string_view annee, std::string_view heure,
                              const champs_site& site) {
  std::string t;
  if (cases.planete) t.append(nom_planete(r.p)).append(crlf).append(crlf);
  t += bloc_date_mention({std::string(jour), mois, std::string(annee), std::string(heure)}, r.mention, cases.date_heure,
                         cases.coordonnees);
  if (cases.lieu) t += bloc_site(site);
  if (cases.coordonnees) {
    t += ligne_rapport("Longitude héliocentrique ", r.textes.longitude_heliocentrique);
    t += ligne_rapport("Latitude héliocentrique ", r.textes.latitude_heliocentrique);
    t += ligne_rapport("Ascension droite ", r.textes.ascension_droite);
    t += ligne_rapport("Déclinaison ", r.textes.declinaison);
    t.append(crlf);
    t += ligne_rapport("Distance au Soleil ", r.textes.distance_soleil + " UA");
    t += ligne_rapport("Distance au Soleil ", r.textes.distance_soleil_km + " km");
    t += ligne_rapport("Distance à la Terre ", r.textes.distance_terre + " UA");
    t += ligne_rapport("Distance à la Terre ", r.textes.distance_terre_km + " km");
    t += ligne_rapport("Diamètre apparent ", r.textes.diametre_apparent);
    t += ligne_rapport("Magnitude ", r.textes.magnitude);
    t += ligne_rapport("Surface illuminée ", r.textes.surface_illuminee + " %");
    t += ligne_rapport("Lever ", r.textes.heure_lever);
    t += ligne_rapport("Méridien ", r.textes.heure_meridien);
    // The page shows the setting time too; the report keeps it.
    t += ligne_rapport("Coucher ", r.textes.heure_coucher);
    t += ligne_rapport("Temps lumière ", r.textes.temps_lumiere);
    t.append(crlf);
  }
  // The box is disabled and unchecked while Pluto is shown.
  if (cases.elements && r.copie_elements_active) {
    t += ligne_rapport("Longitude moyenne ", r.textes.longitude_moyenne);
    t += ligne_rapport("1/2 grand axe ", r.textes.demi_grand_axe + " UA");
    t += ligne_rapport("Excentricité ", r.textes.excentricite);
    t += ligne_rapport("Inclinaison ", r.textes.inclinaison);
    t += ligne_rapport("Long. noeud ascendant ", r.textes.longitude_noeud);
    t += ligne_rapport("Longitude du Périhélie ", r.textes.longitude_perihelie);
    t += ligne_rapport("Anomalie moyenne ", r.textes.anomalie_moyenne);
    t += ligne_rapport("Argument du Périhélion ", r.textes.argument_perihelie);
    t.append(crlf);
  }
  return t;
}

}  // namespace almanax
