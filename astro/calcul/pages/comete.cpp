#include "calcul/pages/comete.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

#include "calcul/formats.h"
#include "calcul/numerique.h"
#include "calcul/pages/ephemerides.h"
#include "calcul/rapport.h"
#include "calcul/validation.h"
#include "planseries/planseries.h"

namespace almanax {

namespace {

// Sine and cosine of the obliquity of J2000.0.
constexpr long double sin_eps = 0.39777716L;
constexpr long double cos_eps = 0.91748206L;

}  // namespace

std::string libelle_champ(champ_comete c) {
  switch (c) {
    case champ_comete::jour_perihelie:
      return "T (jour)";
    case champ_comete::mois_perihelie:
      return "T (mois)";
    case champ_comete::annee_perihelie:
      return "T (année)";
    case champ_comete::distance_perihelie:
      return "q";
    case champ_comete::inclinaison:
      return "i";
    case champ_comete::excentricite:
      return "e";
    case champ_comete::argument_perihelie:
      return "w";
    case champ_comete::longitude_noeud:
      return "W";
  }
  return "e";
}

std::optional<refus_comete> refus_passage(long double jour, int mois, int annee) {
  const bool mois_valide = mois >= 1 && mois <= 12;
  // The day carries its fraction: 31,5 is noon of the 31st, 32 is past the month.
  if (mois_valide && !(jour < jours_du_mois(mois, annee) + 1))
    return refus_comete{
        {champ_comete::jour_perihelie}, "Il y a moins de jours dans ce mois !", "Nombre de jours invalide", {}};
  if (!(jour >= 1))
    return refus_comete{
        {champ_comete::jour_perihelie}, "Il faut au moins 1 jour dans ce mois !", "Nombre de jours invalide", {}};
  if (!mois_valide) return refus_comete{{champ_comete::mois_perihelie}, "Changez ce mois.", "Mois invalide", {}};
  if (annee < -4713 || annee > 9999)
    return refus_comete{{champ_comete::annee_perihelie}, "Changez cette année.", "Année hors limite", {}};
  return std::nullopt;
}

lecture_comete lire_elements_comete(const textes_comete& t) {
  lecture_comete r;
  elements_comete el;
  std::vector<champ_comete> illisibles;
  auto reel = [&](const std::string& texte, champ_comete c, long double& v) {
    const std::optional<long double> x = reel_du_texte(texte);
    if (x && std::isfinite(*x))
      v = *x;
    else
      illisibles.push_back(c);
  };
  auto entier = [&](const std::string& texte, champ_comete c, long double& v) {
    if (const std::optional<int> n = entier_du_texte(texte))
      v = *n;
    else
      illisibles.push_back(c);
  };
  reel(t.T_jour, champ_comete::jour_perihelie, el.T_jour);
  entier(t.T_mois, champ_comete::mois_perihelie, el.T_mois);
  entier(t.T_annee, champ_comete::annee_perihelie, el.T_annee);
  reel(t.q, champ_comete::distance_perihelie, el.q);
  reel(t.i, champ_comete::inclinaison, el.i);
  reel(t.e, champ_comete::excentricite, el.e);
  reel(t.w, champ_comete::argument_perihelie, el.omega);
  reel(t.W, champ_comete::longitude_noeud, el.Omega);

  const bool e_lu = std::find(illisibles.begin(), illisibles.end(), champ_comete::excentricite) == illisibles.end();
  if (e_lu && el.e <= 0) {
    // Circles are not computed; the text typed stays for the user to mend.
    r.refus = refus_comete{{champ_comete::excentricite}, "La donnée 'e' doit être e > 0 ", "Valeur mal choisie", {}};
    return r;
  }
  if (!illisibles.empty()) {
    r.refus = refus_comete{illisibles, "Vous devez entrer un nombre correct", "Nombre non valide !", {}};
    return r;
  }
  if (auto passage = refus_passage(el.T_jour, static_cast<int>(el.T_mois), static_cast<int>(el.T_annee))) {
    r.refus = std::move(passage);
    return r;
  }
  if (el.q <= 0) {
    // The orbit has no size: the position is undefined.
    r.refus = refus_comete{{champ_comete::distance_perihelie},
                           "La donnée 'q' (distance au périhélie) doit être strictement positive.",
                           "Valeur mal choisie",
                           {}};
    return r;
  }
  r.elements = el;
  return r;
}

bool est_julienne(long double jour, long double mois, long double annee) {
  return annee * 1000 + mois * 100 + jour < 1583015;
}

long double jour_julien_perihelie(long double annee, long double mois, long double jour) {
  // A passage typed in the days the 1582 reform removed: the rule of every date field.
  if (mois == 10 && annee == 1582) jour = jour_hors_lacune_1582(jour, 10, 1582);
  if (mois == 1 || mois == 2) {
    mois += 12;
    annee -= 1;
  }
  const long double c1 = int_r(annee * 0.01L);
  const long double c2 = est_julienne(jour, mois, annee) ? 0 : 2 - c1 + int_r(c1 * 0.25L);
  return int_r((annee + 4716) * 365.25L) + int_r((mois + 1) * 30.6001L) + jour + c2 - 1524.5L;
}

long double anomalie_excentrique(long double M, long double e) {
  // M brought into -pi..pi; E has the same sign and lies between 0 and M's side of pi.
  long double m = std::remainder(M, 2 * pi);
  const long double signe = m < 0 ? -1 : 1;
  m = std::fabs(m);
  // f(E) = E - e sin E - m rises strictly on 0..pi, with f(0) <= 0 <= f(pi).
  long double bas = 0, haut = pi;
  long double E = e < 0.8L ? m : pi;
  for (int k = 0; k < 200; ++k) {
    const long double f = E - e * std::sin(E) - m;
    if (f == 0) break;
    if (f < 0)
      bas = E;
    else
      haut = E;
    const long double derivee = 1 - e * std::cos(E);
    long double suivant = E - f / derivee;
    // A Newton step that leaves the bracket is replaced by its middle.
    if (!(suivant > bas && suivant < haut)) suivant = (bas + haut) / 2;
    if (std::fabs(suivant - E) <= 4 * std::numeric_limits<long double>::epsilon() * std::max(1.0L, E) ||
        haut - bas <= 4 * std::numeric_limits<long double>::epsilon() * std::max(1.0L, E)) {
      E = suivant;
      break;
    }
    E = suivant;
  }
  return signe * E;
}

namespace {

// sinh H - H, without the cancellation that the difference suffers for a small H
// (a near-parabolic orbit, near its perihelion): the series H^3/3! + H^5/5! + ...
long double sinh_moins_argument(long double H) {
  if (!(std::fabs(H) <= 0.5L)) return std::sinh(H) - H;
  const long double H2 = H * H;
  long double terme = H * H2 / 6, somme = 0;
  for (int k = 4; somme + terme != somme; k += 2) {
    somme += terme;
    terme *= H2 / (k * (k + 1));
  }
  return somme;
}

}  // namespace

long double anomalie_hyperbolique(long double M, long double e) {
  const long double signe = M < 0 ? -1 : 1;
  const long double m = std::fabs(M);
  // f(H) = e sinh H - H - m = (e - 1) sinh H + (sinh H - H) - m is convex and rises on
  // H >= 0 from f(0) = -m. As e sinh H - H >= (e - 1) sinh H and >= e H^3 / 6, both
  // asinh(m / (e - 1)) and cbrt(6 m / e) lie at or past the root: Newton's method from
  // the nearer one comes down to it without overshooting; the bracket only guards
  // against rounding.
  long double bas = 0, haut = std::min(std::asinh(m / (e - 1)), std::cbrt(6 * m / e));
  long double H = haut;
  for (int k = 0; k < 200; ++k) {
    const long double f = (e - 1) * std::sinh(H) + sinh_moins_argument(H) - m;
    if (f == 0) break;
    if (f < 0)
      bas = H;
    else
      haut = H;
    const long double derivee = e * std::cosh(H) - 1;
    long double suivant = H - f / derivee;
    if (!(suivant > bas && suivant < haut)) suivant = (bas + haut) / 2;
    if (std::fabs(suivant - H) <= 4 * std::numeric_limits<long double>::epsilon() * std::max(1.0L, H) ||
        haut - bas <= 4 * std::numeric_limits<long double>::epsilon() * std::max(1.0L, H)) {
      H = suivant;
      break;
    }
    H = suivant;
  }
  return signe * H;
}

long double solution_parabolique(long double U) {
  long double s = U / 3;
  // Newton's method on a convex cubic converges from any start; the cap only guards
  // against a value that is not a number.
  for (int k = 0; k < 1000; ++k) {
    const long double suivant = (2 * s * s * s + U) / (3 * (s * s + 1));
    const bool fini = std::fabs(suivant - s) < 1e-6L;
    s = suivant;
    if (fini) break;
  }
  return s;
}

position_orbite position_heliocentrique(const elements_comete& el, long double jd) {
  const long double w = el.omega * deg_rad, W = el.Omega * deg_rad, i = el.i * deg_rad;
  const long double F = std::cos(W), G = std::sin(W) * cos_eps, H = std::sin(W) * sin_eps;
  const long double P = -std::sin(W) * std::cos(i);
  const long double Q = std::cos(W) * std::cos(i) * cos_eps - std::sin(i) * sin_eps;
  const long double R = std::cos(W) * std::cos(i) * sin_eps + std::sin(i) * cos_eps;
  const long double A = modulo_360(std::atan2(F, P) * rad_deg) * deg_rad;
  const long double B = modulo_360(std::atan2(G, Q) * rad_deg) * deg_rad;
  const long double C = modulo_360(std::atan2(H, R) * rad_deg) * deg_rad;
  const long double a = std::sqrt(F * F + P * P), b = std::sqrt(G * G + Q * Q), c = std::sqrt(H * H + R * R);

  const long double T = jour_julien_perihelie(el.T_annee, el.T_mois, el.T_jour);
  position_orbite p;
  if (el.e == 1) {
    const long double U = facteur_parabolique / (el.q * std::sqrt(el.q)) * (jd - T);
    const long double s = solution_parabolique(U);
    p.v = 2 * std::atan(s);
    p.r = el.q * (1 + s * s);
  } else if (el.e > 1) {
    // The hyperbola: a = q / (e - 1), the mean motion of that a, e sinh H - H = M.
    const long double demi_axe = el.q / (el.e - 1);
    const long double n = mouvement_gaussien / (demi_axe * std::sqrt(demi_axe));
    const long double M = (jd - T) * n * pi / 180;
    const long double H = anomalie_hyperbolique(M, el.e);
    p.v = 2 * std::atan(std::sqrt((el.e + 1) / (el.e - 1)) * std::tanh(H / 2));
    // r = q (1 + e) / (1 + e cos v) = a (e cosh H - 1), the latter as a sum of positive
    // terms: exact near the parabola and far out, where cos v nears -1/e.
    const long double sh = std::sinh(H / 2);
    p.r = demi_axe * ((el.e - 1) * std::cosh(H) + 2 * sh * sh);
  } else {
    const long double demi_axe = el.q / (1 - el.e);
    const long double n = mouvement_gaussien / (demi_axe * std::sqrt(demi_axe));
    const long double M = (jd - T) * n * pi / 180;
    const long double E = anomalie_excentrique(M, el.e);
    p.v = 2 * std::atan(std::sqrt((1 + el.e) / (1 - el.e)) * planseries::tan(E / 2));
    p.r = demi_axe * (1 - el.e * std::cos(E));
  }
  p.x = p.r * a * std::sin(A + w + p.v);
  p.y = p.r * b * std::sin(B + w + p.v);
  p.z = p.r * c * std::sin(C + w + p.v);
  return p;
}

namespace {

// The Sun seen from the Earth at tau (Julian millennia), equatorial J2000.0, AU.
struct vecteur {
  long double x = 0, y = 0, z = 0;
};

vecteur soleil_geocentrique(long double tau) {
  const long double L = (modulo_360(planseries::terre2_longitude(tau) * rad_deg) + 180) * deg_rad;
  const long double beta = -planseries::terre2_latitude(tau);
  const long double R = planseries::terre_rayon(tau);
  const long double X = R * std::cos(beta) * std::cos(L);
  const long double Y = R * std::cos(beta) * std::sin(L);
  const long double Z = R * std::sin(beta);
  return {X + 0.00000044036L * Y - 0.000000190919L * Z,
          -0.000000479966L * X + 0.917482137087L * Y - 0.397776982902L * Z, 0.397776982902L * Y + 0.917482137087L * Z};
}

struct lieu_geocentrique {
  position_orbite comete;
  vecteur v;
  long double distance = 0;
  long double elongation = 0;
};

lieu_geocentrique position_comete(const elements_comete& el, long double jd, const vecteur& soleil) {
  lieu_geocentrique g;
  g.comete = position_heliocentrique(el, jd);
  g.v = {soleil.x + g.comete.x, soleil.y + g.comete.y, soleil.z + g.comete.z};
  g.distance = std::sqrt(g.v.x * g.v.x + g.v.y * g.v.y + g.v.z * g.v.z);
  const long double R0 = std::sqrt(soleil.x * soleil.x + soleil.y * soleil.y + soleil.z * soleil.z);
  const long double r = g.comete.r;
  long double k = (R0 * R0 + g.distance * g.distance - r * r) / (2 * R0 * g.distance);
  k = std::clamp(k, -1.0L, 1.0L);
  // The program's own constant 1.5708 for the right angle, as the page has always shown.
  g.elongation = (std::atan(-k / std::sqrt(1 - k * k)) + 1.5708L) * rad_deg;
  return g;
}

}  // namespace

std::string texte_elongation(long double degres) {
  long double m = round_r((degres - int_r(degres)) * 60);
  if (m == 60) {
    m = 0;
    degres += 1;
  }
  return format_float("#0°", int_r(degres)) + " " + format_float("00", std::fabs(m)) + "'";
}

resultat_comete calcul_comete(const entree_comete& entree) {
  resultat_comete r;
  instant_saisi obs = entree.observation;
  obs.date = date_hors_lacune_1582(obs.date);
  r.observation = obs;
  const instant_lu instant = lire_instant(obs, entree.echelle);
  r.jour_julien = instant.jde;
  r.mention = instant.mention;
  r.jour_julien_perihelie =
      jour_julien_perihelie(entree.elements.T_annee, entree.elements.T_mois, entree.elements.T_jour);
  // The Earth and the Sun at the instant; the comet where it was when its light left.
  const vecteur soleil = soleil_geocentrique((r.jour_julien - 2451545) / 365250);
  const lieu_geocentrique premier = position_comete(entree.elements, r.jour_julien, soleil);
  r.jour_julien_comete = r.jour_julien - temps_lumiere_ua * premier.distance;
  const lieu_geocentrique g = position_comete(entree.elements, r.jour_julien_comete, soleil);

  r.xi = g.v.x;
  r.eta = g.v.y;
  r.zeta = g.v.z;
  r.distance = g.distance;
  r.temps_lumiere = temps_lumiere_ua * g.distance;
  r.rayon_vecteur = g.comete.r;
  r.anomalie_vraie = g.comete.v * rad_deg;
  r.elongation = g.elongation;
  long double heures = std::atan2(r.eta, r.xi) * rad_deg / 15;
  if (heures < 0) heures += 24;
  if (heures > 24) heures -= 24;
  r.ascension_droite = heures * 15;
  r.declinaison = r.distance > 0 ? std::asin(std::clamp(r.zeta / r.distance, -1.0L, 1.0L)) * rad_deg : 0;

  const std::string& sep = entree.separateur;
  r.ligne_date =
      "Le " + std::to_string(obs.date.jour) + " " + nom_du_mois(obs.date.mois) + " " + std::to_string(obs.date.annee);
  r.texte_ad = format_hms(r.ascension_droite);
  r.texte_dec = format_dms_signe(r.declinaison);
  r.texte_distance_ua = format_float("###0.000000 UA", r.distance, sep);
  r.texte_distance_km = format_float("############0.000000 km", r.distance * km_par_ua, sep);
  r.texte_elongation = texte_elongation(r.elongation);
  const elements_comete& el = entree.elements;
  r.age_elements = "Éléments du passage au périhélie du " +
                   std::to_string(static_cast<long long>(std::floor(el.T_jour))) + " " + nom_du_mois(el.T_mois) + " " +
                   std::to_string(static_cast<long long>(el.T_annee)) + ".";
  const long double ecart = std::fabs(r.jour_julien - r.jour_julien_perihelie) / 365.25L;
  if (ecart > annees_elements_fiables)
    r.age_elements += "\nAttention : l'observation est à " + format_float("0.0", ecart, sep) +
                      " ans de ce passage ; les planètes ont modifié l'orbite depuis, la position n'est "
                      "qu'approchée.";

  std::string& b = r.bloc;
  b = r.ligne_date + " à " + texte_heure(obs.heure, obs.minute, obs.seconde) + entre_parentheses(r.mention) +
      std::string(crlf);
  b += ligne_rapport("Nom          ", entree.nom);
  b += ligne_rapport("Ascension Droite", r.texte_ad);
  b += ligne_rapport("Déclinaison    ", r.texte_dec);
  b += ligne_rapport("Distance en UA ", r.texte_distance_ua);
  b += ligne_rapport("Distance en km ", r.texte_distance_km);
  b += ligne_rapport("Elongation     ", r.texte_elongation);
  b += crlf;
  return r;
}

std::optional<refus_comete> refus_resultat(const entree_comete& entree, const resultat_comete& r) {
  auto fini = [](const resultat_comete& x) {
    for (long double v : {x.jour_julien_comete, x.xi, x.eta, x.zeta, x.distance, x.rayon_vecteur, x.anomalie_vraie,
                          x.elongation, x.ascension_droite, x.declinaison})
      if (!std::isfinite(v)) return false;
    return true;
  };
  if (fini(r)) return std::nullopt;
  // The page's initial elements, a comet that the computation always gives.
  const elements_comete sain{1989, 8, 20.29104L, 1.3245017L, 11.94051L, 1, 186.27004L, 334.72946L};
  entree_comete essai = entree;
  elements_comete& el = essai.elements;
  const std::pair<champ_comete, std::function<void()>> remises[] = {
      {champ_comete::jour_perihelie,
       [&] { el.T_annee = sain.T_annee, el.T_mois = sain.T_mois, el.T_jour = sain.T_jour; }},
      {champ_comete::distance_perihelie, [&] { el.q = sain.q; }},
      {champ_comete::inclinaison, [&] { el.i = sain.i; }},
      {champ_comete::excentricite, [&] { el.e = sain.e; }},
      {champ_comete::argument_perihelie, [&] { el.omega = sain.omega; }},
      {champ_comete::longitude_noeud, [&] { el.Omega = sain.Omega; }},
  };
  champ_comete fautif = champ_comete::distance_perihelie;
  for (const auto& [champ, remettre] : remises) {
    remettre();
    if (fini(calcul_comete(essai))) {
      fautif = champ;
      break;
    }
  }
  return refus_comete{{fautif},
                      "Vous devez entrer un nombre correct",
                      "Nombre non valide !",
                      "avec cette valeur, la position calculée n'est pas un nombre fini"};
}

std::string copie_comete(std::string_view nom, const champs_bloc_date& date, const textes_comete& el,
                         std::string_view rapport, const cases_comete& cases, std::string_view mention) {
  if (rapport.empty()) return {};
  std::string s;
  if (cases.nom) s.append(nom).append(crlf).append(crlf);
  // The report box's blocks say their own time scale: no line of its own for it here.
  s += bloc_date_mention(date, mention, cases.date_heure, false);
  if (cases.elements) {
    const long double jour = reel_du_texte(el.T_jour).value_or(0);
    const long double mois = entier_du_texte(el.T_mois).value_or(0);
    const std::string passage = format_float("#0 ", int_r(jour)) + nom_du_mois(mois) + " " + el.T_annee + " à " +
                                format_hm(frac_r(jour) * 24) + (mention.empty() ? "" : " (TT)");
    s += ligne_rapport("Date de passage au périhélie (T)", passage);
    s += ligne_rapport("Distance au périhélie (q) ", el.q);
    s += ligne_rapport("Inclinaison (i) ", el.i);
    s += ligne_rapport("Excentricité (e) ", el.e);
    s += ligne_rapport("Argument de lat. du périhélie (w)", el.w);
    s += ligne_rapport("Longitude du noeud ascendant (W) ", el.W);
    s += crlf;
  }
  if (cases.coordonnees) s.append(rapport);
  s += crlf;
  return s;
}

}  // namespace almanax
