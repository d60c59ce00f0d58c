// Julian day <-> calendar date, leap years, weekday names and the date steps of
// the pages' spin buttons.
#include "calcul/calendrier.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace almanax {

namespace {

constexpr std::array<const char*, 7> noms_des_jours = {"dimanche", "lundi",    "mardi", "mercredi",
                                                       "jeudi",    "vendredi", "samedi"};

// The year and month as the Julian-day formula sees them (January and February
// counted as months 13 and 14 of the year before) and the Gregorian correction.
struct termes_julien {
  long double y;
  long double m;
  long double b;
};

termes_julien termes(long double annee, long double mois, long double jour_et_fraction) {
  long double y = annee;
  long double m = mois;
  if (m == 1 || m == 2) {
    y -= 1;
    m += 12;
  }
  const long double a = int_r(y / 100);
  // From 5 October 1582 00:00 on (shifted month) the Gregorian calendar applies.
  const long double b = (y * 1000 + m * 100 + jour_et_fraction >= 1583005) ? int_r(a / 4) + 2 - a : 0;
  return {y, m, b};
}

// Weekday name, leap factor and day of the year: the part of julien that does not
// depend on the time of day.
void calendrier_du_jour(date_de_calcul& d, const termes_julien& t) {
  const long double w =
      int_r(int_r(365.25L * (t.y + 4716)) + int_r(30.6001L * (t.m + 1)) + d.jour + t.b - 1524.5L + 1.5L);
  // The remainder is taken towards minus infinity: before JD -1.5 the sum is
  // negative, and a remainder with the sign of w would point before "dimanche".
  long double r = std::fmod(w, 7.0L);
  if (r < 0) r += 7;
  d.nom_du_jour = noms_des_jours[static_cast<std::size_t>(std::clamp(entier_sature<int>(r), 0, 6))];

  bissextile(d);
  const long double m = d.mois;  // the month as entered, not shifted
  const long double n = int_r(275 * m / 9) - d.facteur_k * int_r((m + 9) / 12) + int_r(d.jour) - 30;
  d.rang_du_jour = entier_sature<std::int32_t>(n);
}

}  // namespace

long long annee_astronomique(long long annee) {
  return annee < 1 ? annee + 1 : annee;
}
long long annee_historique(long long annee) {
  return annee < 1 ? annee - 1 : annee;
}

void julien(date_de_calcul& d) {
  d.heure_r = d.heure;
  d.minute_r = d.minute;
  d.seconde_r = d.seconde;
  // The milliseconds are not part of the computed instant.
  const long double f = (d.minute_r / 60 + d.heure_r + d.seconde_r / 3600) / 24;
  const long double jour = d.jour + f;
  const termes_julien t = termes(d.annee, d.mois, jour);
  const long double jd = int_r(365.25L * (t.y + 4716)) + int_r(30.6001L * (t.m + 1)) + jour + t.b - 1524.5L;
  d.jour_julien = arrondi_reel48(jd);
  calendrier_du_jour(d, t);
}

void jour_de_la_semaine(date_de_calcul& d) {
  calendrier_du_jour(d, termes(d.annee, d.mois, d.jour));
}

bool est_bissextile(long long annee) {
  if (annee % 4 != 0) return false;
  // Gregorian exception for the centuries; before the reform every fourth year is leap.
  if (annee >= 1600 && annee % 100 == 0) return annee % 400 == 0;
  return true;
}

void bissextile(date_de_calcul& d) {
  d.facteur_k = est_bissextile(entier_sature<long long>(round_r(int_r(d.annee)))) ? 1 : 2;
}

int jours_du_mois(int mois, long long annee) {
  switch (mois) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return est_bissextile(annee) ? 29 : 28;
    default:
      return 31;  // the 31-day months, and any number outside 1..12
  }
}

void date_calendaire(date_de_calcul& d) {
  const long double j = d.jour_julien + 0.5L;
  const long double z = int_r(j);
  const long double f = frac_r(j);
  long double a = z;
  if (z >= 2299161) {
    const long double alpha = int_r((z - 1867216.25L) / 36524.25L);
    a = z + 1 + alpha - int_r(alpha / 4);
  }
  const long double b = a + 1524;
  const long double c = int_r((b - 122.1L) / 365.25L);
  const long double jours_c = int_r(365.25L * c);
  const long double e = int_r((b - jours_c) / 30.6001L);
  d.jour = int_r(b - jours_c - int_r(30.6001L * e) + f);
  d.mois = e < 14 ? e - 1 : e - 13;
  d.annee = d.mois > 2 ? c - 4716 : c - 4715;
  // Shifted by half a day: the fraction is now that of the civil day.
  d.jour_julien = arrondi_reel48(j);
}

std::int32_t arrondi(long double x) {
  return entier_sature<std::int32_t>(round_r(x));
}

date_jma pas_de_date(int annee, int mois, int jour, sens_pas sens) {
  long long a = annee;
  long long m = mois;
  long long j = jour;
  auto longueur = [&] { return jours_du_mois(static_cast<int>(m), a); };
  if (sens == sens_pas::avant) {
    if (j > longueur()) {
      j = 1;
      if (++m > 12) {
        m = 1;
        ++a;
      }
    }
  } else if (j < 1) {
    if (--m < 1) {
      m = 12;
      --a;
    }
    j = longueur();
  }
  // A day left below 1 by its caller would not be a date: it becomes the 1st.
  j = std::clamp<long long>(j, 1, longueur());
  if (a == 0) a = sens == sens_pas::avant ? 1 : -1;
  const date_jma d{static_cast<int>(j), entier_sature<int>(static_cast<long double>(m)),
                   entier_sature<int>(static_cast<long double>(a))};
  // The arrows stop at the ends of the range instead of running past them.
  if (date_avant(derniere_date_des_champs, d)) return derniere_date_des_champs;
  if (date_avant(d, premiere_date_des_champs)) return premiere_date_des_champs;
  return d;
}

date_jma date_hors_lacune_1582(date_jma d) {
  if (d.annee == 1582 && d.mois == 10 && d.jour >= 5 && d.jour <= 14) d.jour = d.jour <= 9 ? 4 : 15;
  return d;
}

long double jour_hors_lacune_1582(long double jour, int mois, long long annee) {
  if (annee != 1582 || mois != 10 || !(jour >= 5 && jour < 15)) return jour;
  const long double entier = std::floor(jour);
  return jour - entier + date_hors_lacune_1582({static_cast<int>(entier), mois, 1582}).jour;
}

bool date_avant(const date_jma& a, const date_jma& b) {
  if (a.annee != b.annee) return a.annee < b.annee;
  if (a.mois != b.mois) return a.mois < b.mois;
  return a.jour < b.jour;
}

date_jma pas_des_champs_date(date_jma saisie, sens_pas sens) {
  const date_jma d = normaliser_date(saisie, sens);
  if (!date_avant(d, premiere_date_des_champs) && !date_avant(derniere_date_des_champs, d)) return d;
  // Past an end: the field the arrow moved (a day 0 or 32, a month 0 or 13) comes back
  // into the calendar, which gives the date before the step.
  date_jma r;
  r.annee = std::clamp(saisie.annee, premiere_date_des_champs.annee, derniere_date_des_champs.annee);
  if (r.annee == 0) r.annee = 1;
  r.mois = std::clamp(saisie.mois, 1, 12);
  r.jour = std::clamp(saisie.jour, 1, jours_du_mois(r.mois, annee_astronomique(r.annee)));
  if (date_avant(r, premiere_date_des_champs)) return premiere_date_des_champs;
  if (date_avant(derniere_date_des_champs, r)) return derniere_date_des_champs;
  return r;
}

date_jma normaliser_date(date_jma saisie, sens_pas sens) {
  long long j = saisie.jour;
  long long m = saisie.mois;
  long long a = saisie.annee;
  if (m < 1) {
    m = 12;
    --a;
  } else if (m > 12) {
    m = 1;
    ++a;
  }
  if (a == 0) a = sens == sens_pas::arriere ? -1 : 1;
  // 5..14 October 1582 do not exist: the step jumps over them.
  if (a == 1582 && m == 10 && j >= 5 && j <= 14) j = sens == sens_pas::arriere ? 4 : 15;

  date_de_calcul d;
  d.jour = static_cast<long double>(j);
  d.mois = static_cast<long double>(m);
  d.annee = static_cast<long double>(annee_astronomique(a));
  julien(d);
  date_calendaire(d);
  return {entier_sature<int>(d.jour), entier_sature<int>(d.mois),
          entier_sature<int>(annee_historique(entier_sature<long long>(d.annee)))};
}

int jours_de_l_annee(long long annee) {
  const auto premier_janvier = [](long long a) {
    date_de_calcul d;
    d.jour = 1;
    d.mois = 1;
    d.annee = static_cast<long double>(a);
    julien(d);
    return d.jour_julien;
  };
  return static_cast<int>(round_i(premier_janvier(annee + 1) - premier_janvier(annee)));
}

int verifier_jour(int jour, int mois, int annee) {
  const int n = jours_du_mois(mois, annee_astronomique(annee));
  if (jour > n) return n;
  // Day 0 (and a pasted negative day) is not a day of the month.
  if (jour < 1) return 1;
  return jour;
}

bool touche_chiffre_acceptee(char32_t c) {
  return (c >= U'0' && c <= U'9') || c == 8 || c == 3 || c == 22 || c == 24;
}

bool touche_annee_acceptee(char32_t c) {
  return (c >= U'0' && c <= U'9') || c == U'+' || c == U'-' || c == 8;
}

}  // namespace almanax
