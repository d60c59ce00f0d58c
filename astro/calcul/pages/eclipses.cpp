#include "calcul/pages/eclipses.h"

#include <cmath>

#include "calcul/calendrier.h"
#include "calcul/date_evenement.h"
#include "calcul/formats.h"
#include "calcul/heures_des_listes.h"
#include "calcul/numerique.h"
#include "calcul/pages/phases.h"
#include "calcul/rapport.h"

namespace almanax {

namespace {

constexpr std::string_view tab = "\t";

// The quantities of one candidate lunation.
struct candidat {
  lunaison l;
  long double F1 = 0, gamma = 0, u = 0, correction = 0;
};

candidat evaluer(long double k, astre_eclipse type) {
  candidat c;
  c.l = arguments_lunaison(k);
  const lunaison& l = c.l;
  const long double M = l.M, Mp = l.Mp, E = l.E;
  const long double F1 = l.F - 0.02665L * deg_rad * std::sin(l.Omega);
  c.F1 = F1;
  const long double A1 = (299.77L + 0.107408L * k - 0.009173L * l.T * l.T) * deg_rad;

  const long double P = 0.2070L * E * std::sin(M) + 0.0024L * E * std::sin(2 * M) - 0.0392L * std::sin(Mp) +
                        0.0116L * std::sin(2 * Mp) - 0.0073L * E * std::sin(Mp + M) + 0.0067L * E * std::sin(Mp - M) +
                        0.0118L * std::sin(2 * F1);
  const long double Q = 5.2207L - 0.0048L * E * std::cos(M) + 0.0020L * E * std::cos(2 * M) - 0.3299L * std::cos(Mp) -
                        0.0060L * E * std::cos(Mp + M) + 0.0041L * E * std::cos(Mp - M);
  const long double W = std::fabs(std::cos(F1));
  c.gamma = (P * std::cos(F1) + Q * std::sin(F1)) * (1 - 0.0048L * W);
  c.u = 0.0059L + 0.0046L * E * std::cos(M) - 0.0182L * std::cos(Mp) + 0.0004L * std::cos(2 * Mp) -
        0.0005L * std::cos(M + Mp);

  const bool soleil = type == astre_eclipse::soleil;
  c.correction = (soleil ? -0.4075L : -0.4065L) * std::sin(Mp) + (soleil ? 0.1721L : 0.1727L) * E * std::sin(M) +
                 0.0161L * std::sin(2 * Mp) - 0.0097L * std::sin(2 * F1) + 0.0073L * E * std::sin(Mp - M) -
                 0.0050L * E * std::sin(Mp + M) - 0.0023L * std::sin(Mp - 2 * F1) + 0.0021L * E * std::sin(2 * M) +
                 0.0012L * std::sin(Mp + 2 * F1) + 0.0006L * E * std::sin(2 * Mp + M) - 0.0004L * std::sin(3 * Mp) -
                 0.0003L * E * std::sin(M + 2 * F1) + 0.0003L * std::sin(A1) - 0.0002L * E * std::sin(M - 2 * F1) -
                 0.0002L * E * std::sin(2 * Mp - M) - 0.0002L * std::sin(l.Omega);
  return c;
}

std::string entier_texte(long double x) {
  return std::to_string(trunc_i(x));
}

// "03h 07m 09s " from a clock time already split and carried.
std::string texte_heure_eclipse(const heure_a_la_seconde& h) {
  return format_float("00", h.heure) + "h " + format_float("00", h.minute) + "m " + format_float("00", h.seconde) +
         "s ";
}

std::string ligne_de_date(const eclipse_trouvee& e, bool premiere_ligne, std::string_view marque) {
  const std::string a = premiere_ligne ? " à " : "  à ";
  std::string l = " Le ";
  if (e.type == astre_eclipse::soleil) {
    // Seconds rounded; their carry may reach the next day, and the date follows it.
    const instant_a_la_seconde& s = e.date.a_la_seconde;
    l += format_float("00", s.jour) + " " + nom_du_mois(s.mois) + " " + std::to_string(s.annee) + a +
         format_float("#0", s.heure) + "h " + format_float("00", s.minute) + "m " + format_float("00", s.seconde) +
         "s ";
  } else {
    // Every field truncated: no carry can arise.
    const valeurs_evenement& d = e.date;
    l += entier_texte(d.jour) + " " + nom_du_mois(d.mois) + " " + entier_texte(d.annee) + a + entier_texte(d.heure_r) +
         "h " + entier_texte(d.minute_r) + "m " + entier_texte(d.seconde_r) + "s ";
  }
  // The time ends with a blank: the offset follows it.
  l.append(marque).append(crlf).append(crlf);
  return l;
}

std::string texte_solaire(const eclipse_trouvee& e, std::string_view sep) {
  const std::string penombre =
      " Rayon du cône de pénombre du plan fondamental : " + format_float("0.##0", e.rayon_penombre, sep);
  const std::string debut = " Il y a une éclipse de Soleil ";
  std::string t;
  switch (e.genre_soleil) {
    case genre_eclipse_solaire::totale_centrale:
      t = debut + "totale centrale";
      t.append(crlf).append(penombre).append(crlf).append(crlf);
      break;
    case genre_eclipse_solaire::annulaire_centrale:
      t = debut + "annulaire centrale";
      t.append(crlf).append(penombre).append(crlf).append(crlf);
      break;
    case genre_eclipse_solaire::annulaire_totale_centrale:
      t = debut + "annulaire totale centrale";
      t.append(crlf).append(penombre).append(crlf);
      break;
    case genre_eclipse_solaire::annulaire_partielle_centrale:
      t = debut + "annulaire partielle centrale";
      t.append(crlf).append(penombre).append(crlf);
      break;
    case genre_eclipse_solaire::partielle_non_centrale:
      t = debut + "partielle non-centrale";
      t.append(crlf).append(penombre).append(crlf);
      t += " La magnitude maximale : " + format_float("0.#0", e.magnitude, sep);
      t.append(crlf).append(crlf);
      break;
  }
  return t;
}

// A contact m minutes after the midnight of the day of maximum (negative: the day
// before), as the clock shows it.
std::string ligne_contact(std::string_view libelle, long double minutes) {
  if (minutes < 0) minutes += 1440;
  std::string l(libelle);
  l.append(tab).append(texte_heure_eclipse(decouper_heures(minutes / 60)));
  l.append(crlf);
  return l;
}

std::string texte_lunaire(const eclipse_trouvee& e, std::string_view sep, const echelle_temps& echelle) {
  const heure_a_la_seconde max = decouper_heures(e.date.heure_r);
  // Minutes of the day of the maximum as shown (whole hour, whole minute, rounded seconds).
  const long double m0 = int_r(e.date.heure_r) * 60 + int_r(e.date.minute_r) + round_r(e.date.seconde_r) / 60;
  // A contact m minutes from the maximum, on the clock of the day of the maximum: in
  // civil time the clocks may have changed between them (a night of October), and
  // the contact is shown on the clock in force at its own instant.
  const auto contact = [&](std::string_view libelle, long double m) {
    long double minutes = m0 + m;
    if (echelle.legale()) minutes += (echelle.decalage_a(e.jde + m / 1440) - e.decalage) / 60.0L;
    return ligne_contact(libelle, minutes);
  };
  const std::string maximum = " Maximun de l'éclipse" + std::string(tab) + texte_heure_eclipse(max) + std::string(crlf);
  auto ligne = [](std::string_view s) { return std::string(s) + std::string(crlf); };
  auto magnitude = [&](long double m) {
    return ligne(" Magnitude " + std::string(tab) + format_float("0.##0", m, sep) + " ");
  };
  const long double sp = e.demi_duree_penombre, su = e.demi_duree_partielle, st = e.demi_duree_totale;
  std::string t;
  switch (e.genre_lune) {
    case genre_eclipse_lunaire::penombre:
      t = ligne(" Il y a une éclipse de Lune partielle dans la pénombre ") + magnitude(e.magnitude_penombre) +
          contact(" Premier contact avec la pénombre", -sp) + maximum +
          contact(" Dernier contact avec la pénombre", sp);
      break;
    case genre_eclipse_lunaire::partielle:
      t = ligne(" Il y a une éclipse de Lune partielle ") + magnitude(e.magnitude_ombre) +
          contact(" Premier contact avec la pénombre", -sp) + contact(" Premier contact avec l'ombre", -su) + maximum +
          contact(" Dernier contact avec l'ombre", su) + contact(" Dernier contact avec la pénombre", sp);
      break;
    case genre_eclipse_lunaire::totale:
      t = ligne(" Il y a une éclipse de Lune totale ") + magnitude(e.magnitude_ombre) +
          contact(" Premier contact avec la pénombre", -sp) + contact(" Premier contact avec l'ombre", -su) +
          contact(" Début de la phase totale   ", -st) + maximum + contact(" Fin de la phase totale", st) +
          contact(" Dernier contact avec l'ombre", su) + contact(" Dernier contact avec la pénombre", sp);
      break;
  }
  t.append(crlf);
  return t;
}

// The maximum's date as shown, its offset and the eclipse's text. `precedent`: the
// offset of the eclipse written before it, none for the first.
void ecrire_eclipse(eclipse_trouvee& e, bool premiere_ligne, std::optional<int> precedent, std::string_view sep,
                    const echelle_temps& echelle) {
  std::string marque;
  if (echelle.legale()) {
    instant_affiche a = afficher_instant(e.jde, echelle);
    e.date = std::move(a.date);
    e.decalage = a.decalage;
    marque = marque_decalage(precedent, e.decalage);
  } else {
    e.date = date_evenement(e.jde);
    e.decalage = 0;
  }
  e.texte = ligne_de_date(e, premiere_ligne, marque) +
            (e.type == astre_eclipse::soleil ? texte_solaire(e, sep) : texte_lunaire(e, sep, echelle));
}

long double demi_duree(long double n, long double rayon, long double gamma) {
  const long double d = rayon * rayon - gamma * gamma;
  return d > 0 ? 60 / n * std::sqrt(d) : 0;
}

}  // namespace

long double omega_eclipse(long double gamma) {
  const long double d = 1 - gamma * gamma;
  return d > 0 ? 0.00464L * std::sqrt(d) : 0;
}

genre_eclipse_solaire genre_solaire(long double gamma, long double u) {
  // The bounds are closed on one side each, so that no value of gamma or u is left
  // without a kind.
  if (std::fabs(gamma) >= 1.005L) return genre_eclipse_solaire::partielle_non_centrale;
  if (u < 0) return genre_eclipse_solaire::totale_centrale;
  if (u >= 0.0047L) return genre_eclipse_solaire::annulaire_centrale;
  return u < omega_eclipse(gamma) ? genre_eclipse_solaire::annulaire_totale_centrale
                                  : genre_eclipse_solaire::annulaire_partielle_centrale;
}

resultat_eclipses recherche_eclipses(long long premiere, long long derniere, astre_eclipse type, bool boite_vide,
                                     std::string_view separateur, const suivi_recherche& suivi) {
  return recherche_eclipses(premiere, derniere, type, boite_eclipses{boite_vide, {}}, separateur, echelle_temps{},
                            suivi);
}

resultat_eclipses recherche_eclipses(long long premiere, long long derniere, astre_eclipse type,
                                     const boite_eclipses& boite, std::string_view separateur,
                                     const echelle_temps& echelle, const suivi_recherche& suivi) {
  resultat_eclipses r;
  if (derniere < premiere) return r;
  // First guess from the mean number of lunations a year, then moved until the mean
  // lunation at each end lies more than a day (more than any correction to the time of
  // maximum) outside the years asked: the guess drifts by weeks far from 2000, as the
  // calendar year is not the mean year of the lunations.
  const auto annee_de = [](long double jde) { return calendrier_du_jour(std::floor(jde + 0.5L)).annee; };
  const long double decalage = type == astre_eclipse::soleil ? 0 : 0.5L;  // full moons half a lunation later
  const auto jde_moyen = [&](long long k) {
    return arguments_lunaison(static_cast<long double>(k) + decalage).jde_moyen;
  };
  long long ks = trunc_i((premiere - 2000) * 12.3685L) - 1;
  long long ke = trunc_i((derniere + 1 - 2000) * 12.3685L);
  for (int garde = 0; garde < 10000 && annee_de(jde_moyen(ks) + 1) >= premiere; ++garde) --ks;
  for (int garde = 0; garde < 10000 && annee_de(jde_moyen(ks + 1) + 1) < premiere; ++garde) ++ks;
  for (int garde = 0; garde < 10000 && annee_de(jde_moyen(ke) - 1) <= derniere; ++garde) ++ke;
  for (int garde = 0; garde < 10000 && annee_de(jde_moyen(ke - 1) - 1) > derniere; ++garde) --ke;
  const long long n = ke - ks + 1;  // counted in 64 bits: any span of years the page offers
  r.candidats = n > 0 ? n : 0;
  const bool soleil = type == astre_eclipse::soleil;
  bool premiere_ligne = boite.vide;
  std::optional<int> precedent = boite.dernier_decalage;

  for (long long i = 0; i < n; ++i) {
    const long double k = static_cast<long double>(ks + i) + decalage;
    const candidat c = evaluer(k, type);
    const long double ag = std::fabs(c.gamma);
    const bool eclipse = std::fabs(std::sin(c.l.F)) < 0.36L && ag < (soleil ? 1.5433L : 1.5573L) + c.u;
    if (eclipse) {
      eclipse_trouvee e;
      e.type = type;
      e.k = k;
      e.jde = c.l.jde_moyen + c.correction;
      e.date = date_evenement(e.jde);  // as computed: its year decides
      e.gamma = c.gamma;
      e.u = c.u;
      const long long annee = soleil ? e.date.a_la_seconde.annee : e.date.annee_tronquee;
      if (annee > derniere) break;
      // The year shown decides; one before the span is neither listed nor written.
      if (annee >= premiere) {
        if (soleil) {
          e.genre_soleil = genre_solaire(c.gamma, c.u);
          e.rayon_penombre = c.u + 0.5461L;
          e.magnitude = (1.5433L + c.u - ag) / (0.5461L + 2 * c.u);
        } else {
          const long double p = 1.0128L - c.u, t = 0.4678L - c.u, h = 1.5573L + c.u;
          const long double nn = 0.5458L + 0.0400L * std::cos(c.l.Mp);
          e.magnitude_penombre = (1.5573L + c.u - ag) / 0.5450L;
          e.magnitude_ombre = (1.0128L - c.u - ag) / 0.5450L;
          e.demi_duree_penombre = demi_duree(nn, h, c.gamma);
          e.demi_duree_partielle = demi_duree(nn, p, c.gamma);
          e.demi_duree_totale = demi_duree(nn, t, c.gamma);
          // t < p < h, so the umbra is never reached without the penumbra, nor the
          // totality without the umbra.
          e.genre_lune = e.demi_duree_totale > 0      ? genre_eclipse_lunaire::totale
                         : e.demi_duree_partielle > 0 ? genre_eclipse_lunaire::partielle
                                                      : genre_eclipse_lunaire::penombre;
        }
        ecrire_eclipse(e, premiere_ligne, precedent, separateur, echelle);
        premiere_ligne = false;
        precedent = e.decalage;
        r.texte += e.texte;
        r.eclipses.push_back(std::move(e));
      }
    }
    if (!suivi.continuer(static_cast<double>(i + 1) / static_cast<double>(n))) {
      r.interrompue = i + 1 < n;
      break;
    }
  }
  return r;
}

std::string reecrire_eclipses(std::vector<eclipse_trouvee>& eclipses, std::string_view separateur,
                              const echelle_temps& echelle) {
  std::string texte;
  std::optional<int> precedent;
  for (std::size_t i = 0; i < eclipses.size(); ++i) {
    ecrire_eclipse(eclipses[i], i == 0, precedent, separateur, echelle);
    precedent = eclipses[i].decalage;
    texte += eclipses[i].texte;
  }
  return texte;
}

std::string copie_eclipses(std::string_view texte_boite) {
  return copie_eclipses(texte_boite, {});
}

std::string copie_eclipses(std::string_view texte_boite, std::string_view mention) {
  if (texte_boite.empty()) return {};
  std::string t = titre_avec_mention("Eclipses ", mention);
  t.append(crlf).append(crlf).append(texte_boite);
  return t;
}

}  // namespace almanax
