#include "calcul/pages/dates.h"

#include <algorithm>
#include <cmath>

#include "calcul/formats.h"
#include "calcul/heures_des_listes.h"
#include "calcul/rapport.h"

namespace almanax {

namespace {

int vers_astronomique(int annee) {
  return static_cast<int>(annee_astronomique(annee));
}
int vers_historique(int annee) {
  return static_cast<int>(annee_historique(annee));
}

// The date record of a typed instant, with its Julian day.
date_de_calcul date_saisie(const instant_saisi& instant) {
  date_de_calcul d;
  d.jour = instant.date.jour;
  d.mois = instant.date.mois;
  d.annee = vers_astronomique(instant.date.annee);
  d.heure = static_cast<std::uint16_t>(instant.heure);
  d.minute = static_cast<std::uint16_t>(instant.minute);
  d.seconde = static_cast<std::uint16_t>(instant.seconde);
  d.milliseconde = static_cast<std::uint16_t>(instant.milliseconde);
  julien(d);
  return d;
}

// Periodic terms of the equinox and solstice instants: A, B (deg), C (deg per Julian century).
struct terme_saison {
  long double a, b, c;
};
constexpr terme_saison termes_saisons[24] = {
    {485, 324.96L, 1934.136L}, {203, 337.23L, 32964.467L}, {199, 342.08L, 20.186L},   {182, 27.85L, 445267.112L},
    {156, 73.14L, 45036.886L}, {136, 171.52L, 22518.443L}, {77, 222.54L, 65928.934L}, {74, 296.72L, 3034.906L},
    {70, 243.58L, 9037.513L},  {58, 119.81L, 33718.147L},  {52, 297.17L, 150.678L},   {50, 21.02L, 2281.226L},
    {45, 247.54L, 29929.562L}, {44, 325.15L, 31555.956L},  {29, 60.93L, 4443.417L},   {18, 155.12L, 67555.328L},
    {17, 288.79L, 4562.452L},  {16, 198.04L, 62894.029L},  {14, 199.76L, 31436.921L}, {12, 95.39L, 14577.848L},
    {12, 287.11L, 31931.756L}, {12, 320.81L, 34777.259L},  {9, 227.73L, 1222.114L},   {8, 15.45L, 16859.074L},
};

// Mean instants: four polynomials of degree 4 for each of the two ranges of years.
constexpr long double avant_1000[4][5] = {
    {1721139.29189L, 365242.13740L, 0.06134L, 0.00111L, -0.00071L},
    {1721233.25401L, 365241.72562L, -0.05323L, 0.00907L, 0.00025L},
    {1721325.70455L, 365242.49558L, -0.11677L, -0.00297L, 0.00074L},
    {1721414.39987L, 365242.88257L, -0.00769L, -0.00933L, -0.00006L},
};
constexpr long double apres_1000[4][5] = {
    {2451623.80984L, 365242.37404L, 0.05169L, -0.00411L, -0.00057L},
    {2451716.56767L, 365241.62603L, 0.00325L, 0.00888L, -0.00030L},
    {2451810.21715L, 365242.01767L, -0.11575L, 0.00337L, 0.00078L},
    {2451900.05952L, 365242.74049L, -0.06223L, -0.00823L, 0.00032L},
};

// ": 20 Mars\t1998 à 19 h 55 m". The instant is first rounded to the minute, so
// 23 h 59 m 45 s shows as 0 h 00 m of the next day rather than of the same day.
std::string texte_saison(long double jde) {
  date_de_calcul d;
  d.jour_julien = std::round((jde + 0.5L) * 1440.0L) / 1440.0L - 0.5L;
  date_calendaire(d);
  const long double fraction = frac_r(d.jour_julien);
  std::string t = ": " + format_float("00 ", d.jour) + nom_du_mois(d.mois) + "\t";
  t += format_float("###0 ", vers_historique(static_cast<int>(d.annee))) + "à " + format_hm(fraction * 24.0L);
  return t;
}

}  // namespace

long double jour_julien_saisi(const instant_saisi& instant) {
  return date_saisie(instant).jour_julien;
}

champs_bloc_date champs_bloc_date_de(const instant_saisi& instant) {
  champs_bloc_date c;
  c.jour = std::to_string(instant.date.jour);
  c.mois = instant.date.mois;
  c.annee = std::to_string(instant.date.annee);
  c.heure = texte_heure(instant.heure, instant.minute, instant.seconde);
  return c;
}

jour_de_date calculer_jour(const instant_saisi& instant) {
  date_de_calcul d = date_saisie(instant);
  jour_de_la_semaine(d);
  jour_de_date r;
  r.jour_julien = d.jour_julien;
  r.nom_du_jour = d.nom_du_jour;
  r.rang_du_jour = d.rang_du_jour;
  r.texte_nom = " Nom du jour : " + d.nom_du_jour;
  r.texte_rang = " Rang du jour : " + std::to_string(d.rang_du_jour);
  return r;
}

std::string texte_intervalle(long double d) {
  long double jours = int_r(d);
  long double heures = frac_r(d) * 24.0L;
  long double minutes = frac_r(heures) * 60.0L;
  long double secondes = round_r(frac_r(minutes) * 60.0L);
  heures = int_r(heures);
  minutes = int_r(minutes);
  if (secondes >= 60) {
    minutes += 1;
    secondes = 0;
  }
  if (minutes >= 60) {
    heures += 1;
    minutes = 0;
  }
  if (heures >= 24) {
    heures -= 24;
    jours += 1;
  }
  // The word follows the day count shown, so a carry into a second day says "jours".
  const char* mot = jours < 2 ? "jour " : "jours ";
  return " L'intervalle entre ces deux dates est de : " + format_float("00 ", jours) + mot +
         format_float("#0", heures) + " h " + format_float("00", minutes) + " m " + format_float("00", secondes) + " s";
}

long double equinoxe_correction(long double T) {
  long double s = 0;
  for (const auto& t : termes_saisons) s += t.a * std::cos((t.b + t.c * T) * deg_rad);
  return s;
}

long double instant_saison(int annee, int saison) {
  const bool ancien = annee <= 1000;
  const long double y = ancien ? annee / 1000.0L : (annee - 2000) / 1000.0L;
  const auto& c = ancien ? avant_1000[saison] : apres_1000[saison];
  const long double jde0 = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
  const long double T = (jde0 - 2451545.0L) / 36525.0L;
  const long double W = (35999.373L * T - 2.47L) * deg_rad;
  const long double dl = 1 + 0.0334L * std::cos(W) + 0.0007L * std::cos(2 * W);
  return jde0 + 0.00001L * equinoxe_correction(T) / dl;
}

date_jma paques(int Y) {
  int mois = 0, jour = 0;
  if (Y < 1583) {
    // Remainders taken in 0..n-1: the same as the signed ones for positive years, and
    // for years <= 0 they carry the Julian cycle back instead of giving negative days.
    const auto mod = [](int x, int n) { return ((x % n) + n) % n; };
    const int a = mod(Y, 4), b = mod(Y, 7), c = mod(Y, 19);
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    mois = (d + e + 114) / 31;
    jour = (d + e + 114) % 31 + 1;
  } else {
    const int a = Y % 19, b = Y / 100, c = Y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    mois = (h + l - 7 * m + 114) / 31;
    jour = (h + l - 7 * m + 114) % 31 + 1;
  }
  return {jour, mois, Y};
}

resultat_dates calculer_dates(const instant_saisi& premier, const instant_saisi& second, int annee,
                              const echelle_temps& echelle) {
  resultat_dates r;
  r.date1 = calculer_jour(premier);
  r.date2 = calculer_jour(second);
  if (const fuseau_horaire* f = echelle.fuseau())
    r.intervalle_jours = std::fabs(tu_de_civil(r.date2.jour_julien, *f) - tu_de_civil(r.date1.jour_julien, *f));
  else
    r.intervalle_jours = std::fabs(r.date2.jour_julien - r.date1.jour_julien);
  r.texte_intervalle = texte_intervalle(r.intervalle_jours);

  r.annee = annee;
  r.annee_saisons = std::clamp(annee, -1000, 3000);
  const int astro_saisons = vers_astronomique(r.annee_saisons);
  suite_decalages suite(echelle.legale());
  for (int s = 0; s < 4; ++s) {
    equinoxe_solstice& e = r.saisons[s];
    e.jde = instant_saison(astro_saisons, s);
    e.texte = texte_saison(echelle.vers_civil(e.jde));
    if (echelle.legale()) {
      e.decalage = echelle.decalage_a(e.jde);
      const std::string marque = suite.marque(e.decalage);
      e.texte = avec_marque(e.texte, s == 0 ? "(" + suite.mention() + ")" : marque);
    }
  }

  const int astro = vers_astronomique(annee);
  const date_jma p = paques(astro);
  r.paques_jour = p.jour;
  r.paques_mois = p.mois;
  r.texte_paques = ": " + std::to_string(p.jour) + " " + nom_du_mois(p.mois);
  r.bissextile = est_bissextile(astro);
  r.texte_bissextile = r.bissextile ? ": Bissextile" : ": Non bissextile";
  return r;
}

std::string rapport_dates(const resultat_dates& r) {
  std::string t;
  t += ligne_rapport("Première date", r.date1.texte_nom);
  t += ligne_rapport("Première date", r.date1.texte_rang);
  t += ligne_rapport("Seconde date", r.date2.texte_nom);
  t += ligne_rapport("Seconde date", r.date2.texte_rang);
  t += ligne_rapport("Intervalle", r.texte_intervalle);
  t += ligne_rapport("Printemps", r.saisons[0].texte);
  t += ligne_rapport("Été", r.saisons[1].texte);
  t += ligne_rapport("Automne", r.saisons[2].texte);
  t += ligne_rapport("Hiver", r.saisons[3].texte);
  t += ligne_rapport("Pâques", r.texte_paques);
  t += ligne_rapport("Bissextile", r.texte_bissextile);
  return t;
}

}  // namespace almanax
